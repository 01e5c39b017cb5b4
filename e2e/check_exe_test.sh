#!/usr/bin/env bash
# tools/check_exe.sh against allowlists made wrong on purpose: a missing import or a line
# without a Windows 98 mark fails the check, and the Windows 98 verdict names exactly the
# imports marked otherwise than "98", whatever the allowlist says of functions not imported.
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
verdict() { sed -n 's/.*check_exe: relies on \([^|]*\).*/\1/p' <<<"$1"; }

out=$(run 's/ stub / 98 /')
check "all allowed, every one on Windows 98" "0|no function that Windows 98 lacks" \
  "${out%%|*}|$(verdict "$out")"

out=$(run 's/ stub / 98 /; /^GDI32.DLL *BitBlt /s/ 98$/ no/; /^USER32.DLL *IsIconic /s/ 98$/ ?/
           /^GDI32.DLL *CreateCompatibleBitmap /s/ 98$/ no/')
check "absent and unknown imports named; a function not imported is not" \
  "2 functions Windows 98 lacks: GDI32.DLL BitBlt (absent), USER32.DLL IsIconic (not known)" \
  "$(verdict "$out")"

out=$(run '/^USER32.DLL *SetTimer /d')
check "an import missing from the allowlist fails and is named" "1 yes" \
  "${out%%|*} $(yes_if grep -q '|  USER32.DLL SetTimer|' <<<"$out|")"

out=$(run '/^USER32.DLL *ShowWindow /s/ 98$//')
check "a line without a Windows 98 mark fails and is named" "1 yes" \
  "${out%%|*} $(yes_if grep -q '|  USER32.DLL  *ShowWindow *|' <<<"$out|")"
finish "check_exe"
