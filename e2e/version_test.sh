#!/usr/bin/env bash
# The version a Windows user sees: the program file's properties, read as Explorer reads
# them, and its manifest carry the project's version, the number brindlewick-compose
# --version prints, with the product's name beside it.
. "$(dirname "$0")/lib.sh"
exe=$BW_BUILD/app/Brindlewick.exe
compose=$BW_NATIVE_BUILD/cli/brindlewick-compose
need "$exe" "$BW_BUILD/e2e/version_probe.exe" "$compose"

version=$("$compose" --version | sed -n 's/^brindlewick-compose //p')
four=$(cut -d. -f1-4 <<<"$version.0.0.0")
# A console program under Wine ends its lines in CRLF; it could hang only if Wine did.
shown=$(timeout 60 wine "$BW_BUILD/e2e/version_probe.exe" "Z:${exe//\//\\}" | tr -d '\r')
value() { sed -n "s/^$1 //p" <<<"$shown"; }

check "FileVersion and ProductVersion" "$version $version" \
  "$(value FileVersion) $(value ProductVersion)"
check "numeric file and product versions" "$four $four" "$(value numbers)"
check "ProductName" "Brindlewick for AOL 4.0" "$(value ProductName)"
check "a FileDescription" yes "$(yes_if [ -n "$(value FileDescription)" ])"
check "the manifest's assembly version" "$four" \
  "$(value manifest | sed -n 's/.*<assemblyIdentity[^>]* version="\([^"]*\)".*/\1/p')"
finish "version"
