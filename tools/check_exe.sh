#!/usr/bin/env bash
# Holds Brindlewick.exe to what runs on old Windows: every imported DLL and function must
# be in tools/exe_imports.txt, the file must say it is a program for Windows XP or older,
# and it must stay within 1 MiB with every resource. Then says which of its imports
# Windows 98 lacks, by the allowlist's marks.
# Usage: tools/check_exe.sh EXE   (BW_EXE_IMPORTS names another allowlist)
set -euo pipefail
exe=${1:?usage: tools/check_exe.sh EXE}
allowlist=${BW_EXE_IMPORTS:-$(dirname "$0")/exe_imports.txt}
max_bytes=$((1024 * 1024))

size=$(stat -c %s "$exe")
status=0
if [ "$size" -gt "$max_bytes" ]; then
  echo "check_exe: $exe is $size bytes, over the limit of $max_bytes" >&2
  status=1
fi

headers=$(i686-w64-mingw32-objdump -p "$exe")
# Windows refuses a program that asks for a newer Windows than itself: XP is 5.1, 98 is 4.10.
subsystem=$(awk '/^MajorSubsystemVersion/ { major = $2 } /^MinorSubsystemVersion/ { minor = $2 }
                 END { print major "." minor }' <<<"$headers")
if [ "${subsystem%.*}" -gt 5 ] || { [ "${subsystem%.*}" -eq 5 ] && [ "${subsystem#*.}" -gt 1 ]; }; then
  echo "check_exe: $exe asks for Windows $subsystem or newer; Windows XP is 5.1" >&2
  status=1
fi

# "DLL function" pairs, DLL names upper-cased: objdump prints a "DLL Name:" line and then
# one "vma hint name" line per function (imports by ordinal have no name).
imports=$(awk '
  /^\tDLL Name: / { dll = toupper($3); next }
  dll != "" && /^\t[0-9a-f]+\t/ { print dll, ($3 == "" ? "ordinal-" $2 : $3); next }
  dll != "" && /^$/ { dll = "" }' <<<"$headers" | sort -u)

# The allowlist as "DLL FUNCTION MARK" lines, without comments and blank lines.
allowed=$(sed 's/#.*//' "$allowlist" | awk 'NF')
unmarked=$(awk 'NF != 3 || $3 !~ /^(98|stub|no|\?)$/' <<<"$allowed")
if [ -n "$unmarked" ]; then
  echo "check_exe: lines of $allowlist without a Windows 98 mark (98, stub, no or ?):" >&2
  sed 's/^/  /' <<<"$unmarked" >&2
  status=1
fi
unexpected=$(comm -23 <(cat <<<"$imports") <(awk '{ print $1, $2 }' <<<"$allowed" | sort -u))
if [ -n "$unexpected" ]; then
  echo "check_exe: imports not in $allowlist (add them only if they exist on the oldest Windows served):" >&2
  sed 's/^/  /' <<<"$unexpected" >&2
  status=1
fi
[ "$status" -eq 0 ] && echo "check_exe: $(basename "$exe") $size bytes, $(wc -l <<<"$imports") imports, all allowed"

# Windows 98: the imports whose mark is not "98", and the Windows the file asks for.
awk 'NR == FNR { mark[$1 " " $2] = $3; next }
  ($0 in mark) && mark[$0] != "98" {
    list = list (n++ ? ", " : "") $0 " (" \
      (mark[$0] == "stub" ? "a stub there" : mark[$0] == "no" ? "absent" : "not known") ")"
  }
  END {
    if (n == 0) print "check_exe: relies on no function that Windows 98 lacks"
    else printf "check_exe: relies on %d function%s Windows 98 lacks: %s\n", n, (n > 1 ? "s" : ""), list
  }' <(cat <<<"$allowed") <(cat <<<"$imports")
[ "${subsystem%.*}" -le 4 ] || echo "check_exe: Windows 98 refuses it: it asks for Windows $subsystem"
exit "$status"
