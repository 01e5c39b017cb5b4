#!/usr/bin/env bash
# Every Windows program of the build stands alone: it imports no MinGW runtime DLL
# (libgcc, libstdc++, winpthread), only DLLs that Windows itself ships.
set -uo pipefail
failed=0 count=0
while IFS= read -r exe; do
  count=$((count + 1))
  runtime=$(i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print $3 }' |
            grep -iE '^lib(gcc|stdc\+\+|winpthread)' | tr '\n' ' ')
  if [ -n "$runtime" ]; then
    echo "FAIL ${exe#"$BW_BUILD"/} imports $runtime"
    failed=$((failed + 1))
  fi
done < <(find "$BW_BUILD" -name '*.exe' -not -path '*/CMakeFiles/*' -not -path '*/e2e-run/*')
echo "static exes: $((count - failed)) of $count stand alone"
[ "$count" -gt 0 ] && [ "$failed" -eq 0 ]
