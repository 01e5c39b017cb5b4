#!/usr/bin/env bash
# Holds Brindlewick.exe to what runs on old Windows: every imported DLL and function must
# be in tools/exe_imports.txt, and the file must stay within 1 MiB with every resource.
# Usage: tools/check_exe.sh EXE
set -euo pipefail
exe=${1:?usage: tools/check_exe.sh EXE}
allowlist="$(dirname "$0")/exe_imports.txt"
max_bytes=$((1024 * 1024))

size=$(stat -c %s "$exe")
status=0
if [ "$size" -gt "$max_bytes" ]; then
  echo "check_exe: $exe is $size bytes, over the limit of $max_bytes" >&2
  status=1
fi

# "DLL function" pairs, DLL names upper-cased: objdump prints a "DLL Name:" line and then
# one "vma hint name" line per function (imports by ordinal have no name).
imports=$(i686-w64-mingw32-objdump -p "$exe" | awk '
  /^\tDLL Name: / { dll = toupper($3); next }
  dll != "" && /^\t[0-9a-f]+\t/ { print dll, ($3 == "" ? "ordinal-" $2 : $3); next }
  dll != "" && /^$/ { dll = "" }')
unexpected=$(comm -23 <(sort -u <<<"$imports") <(grep -v '^#' "$allowlist" | sed '/^$/d' | sort -u))
if [ -n "$unexpected" ]; then
  echo "check_exe: imports not in $allowlist (add them only if they exist on the oldest Windows served):" >&2
  sed 's/^/  /' <<<"$unexpected" >&2
  status=1
fi
[ "$status" -eq 0 ] && echo "check_exe: $(basename "$exe") $size bytes, $(wc -l <<<"$imports") imports, all allowed"
exit "$status"
