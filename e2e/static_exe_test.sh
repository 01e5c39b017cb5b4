#!/usr/bin/env bash
# Every Windows program of the build stands alone: it imports no MinGW runtime DLL
# (libgcc, libstdc++, winpthread), only DLLs that Windows itself ships.
. "$(dirname "$0")/lib.sh"
while IFS= read -r exe; do
  check "${exe#"$BW_I686_BUILD"/} imports no MinGW runtime DLL" "" \
    "$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }' |
      grep -iE '^lib(gcc|stdc\+\+|winpthread)' | paste -sd ' ')"
done < <(find "$BW_I686_BUILD" -name '*.exe' -not -path '*/CMakeFiles/*' -not -path '*/e2e-run/*')
[ "$cases" -gt 0 ] || check "programs found" yes no
finish "static exes"
