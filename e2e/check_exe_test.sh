#!/usr/bin/env bash
# tools/check_exe.sh against allowlists and file headers made wrong on purpose: a missing
# import, a line without a Windows 98 mark, an import marked otherwise than "98" and a
# header that asks for a Windows newer than 4.0 each fail the check, which names exactly
# the imports Windows 98 lacks, whatever the allowlist says of functions not imported.
. "$(dirname "$0")/lib.sh"
exe=$BW_I686_BUILD/app/Brindlewick.exe
need "$exe"
tools=$(cd "$(dirname "$0")/../tools" && pwd)
list=$work/imports.txt
# Runs the check against the allowlist with sed SCRIPT applied; prints "STATUS|OUTPUT".
run() {
  sed "$1" "$tools/exe_imports.txt" >"$list"
  local out status=0
  out=$(BW_EXE_IMPORTS=$list "$tools/check_exe.sh" "$exe" 2>&1) || status=$?
  echo "$status|$(paste -sd '|' <<<"$out")"
}
# Runs the check on a copy of the exe whose optional header holds the two-byte VALUE at
# OFFSET; prints "STATUS|OUTPUT".
run_patched() {
  local copy=$work/patched.exe pe out status=0
  cp "$exe" "$copy"
  pe=$(od -An -tu4 -j60 -N4 "$exe" | tr -d ' ')
  printf '%b' "$(printf '\\0%03o\\0%03o' $(($2 & 255)) $(($2 >> 8)))" |
    dd of="$copy" bs=1 seek=$((pe + 24 + $1)) conv=notrunc status=none
  out=$("$tools/check_exe.sh" "$copy" 2>&1) || status=$?
  echo "$status|$(paste -sd '|' <<<"$out")"
}
verdict() { sed -n 's/.*check_exe: relies on \([^|]*\).*/\1/p' <<<"$1"; }

out=$(run '')
check "all allowed, every one on Windows 98" "0|no function that Windows 98 lacks" \
  "${out%%|*}|$(verdict "$out")"

out=$(run '/^GDI32.DLL *BitBlt /s/ 98$/ no/; /^USER32.DLL *IsIconic /s/ 98$/ ?/
           /^USER32.DLL *SetTimer /s/ 98$/ stub/; /^GDI32.DLL *CreateCompatibleBitmap /s/ 98$/ no/')
check "imports Windows 98 lacks fail and are named; a function not imported is not" \
  "1|3 functions Windows 98 lacks: GDI32.DLL BitBlt (absent), USER32.DLL IsIconic (not known), USER32.DLL SetTimer (a stub there)" \
  "${out%%|*}|$(verdict "$out")"

# The optional header's MajorOperatingSystemVersion is at 40, MinorOperatingSystemVersion
# at 42, MajorSubsystemVersion at 48.
out=$(run_patched 48 5)
check "a header asking for a newer subsystem fails and says which" "1 yes" \
  "${out%%|*} $(yes_if grep -q 'asks for Windows 5\.0 or newer (its subsystem version)' <<<"$out")"
out=$(run_patched 42 10)
check "a header asking for Windows 4.10 fails and says which" "1 yes" \
  "${out%%|*} $(yes_if grep -q 'asks for Windows 4\.10 or newer (its OS version)' <<<"$out")"

out=$(run '/^USER32.DLL *SetTimer /d')
check "an import missing from the allowlist fails and is named" "1 yes" \
  "${out%%|*} $(yes_if grep -q '|  USER32.DLL SetTimer|' <<<"$out|")"

out=$(run '/^USER32.DLL *ShowWindow /s/ 98$//')
check "a line without a Windows 98 mark fails and is named" "1 yes" \
  "${out%%|*} $(yes_if grep -q '|  USER32.DLL  *ShowWindow *|' <<<"$out|")"
finish "check_exe"
