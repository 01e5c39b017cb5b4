#!/usr/bin/env bash
# Holds Brindlewick.exe to what runs on Windows 98 and later: every imported DLL and
# function must be in tools/exe_imports.txt and marked there as one Windows 98 has, the
# file must say it is a program for Windows 4.0 (as 95, 98 and Me programs do), and it must
# stay within 1 MiB with every resource.
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
# Windows refuses a program whose header asks for a newer Windows than itself: 98 is 4.10,
# XP 5.1. Both the subsystem's version and the operating system's, where the linker wrote
# one, must be 4.0 at most.
for field in Subsystem OSystem; do
  label=$([ "$field" = Subsystem ] && echo subsystem || echo OS)
  version=$(awk -v field="$field" '$1 == "Major" field "Version" { major = $2 }
                                   $1 == "Minor" field "Version" { minor = $2 }
                                   END { if (major != "") print major "." minor }' <<<"$headers")
  [ -n "$version" ] || continue
  if [ "${version%.*}" -gt 4 ] || { [ "${version%.*}" -eq 4 ] && [ "${version#*.}" -gt 0 ]; }; then
    echo "check_exe: $exe asks for Windows $version or newer (its $label version); it must ask for 4.0, as programs for Windows 98 do" >&2
    status=1
  fi
done

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

# Windows 98: the imports whose mark is not "98" fail the check.
lacking=$(awk 'NR == FNR { mark[$1 " " $2] = $3; next }
  ($0 in mark) && mark[$0] != "98" {
    list = list (n++ ? ", " : "") $0 " (" \
      (mark[$0] == "stub" ? "a stub there" : mark[$0] == "no" ? "absent" : "not known") ")"
  }
  END { if (n > 0) printf "%d function%s Windows 98 lacks: %s\n", n, (n > 1 ? "s" : ""), list }' \
  <(cat <<<"$allowed") <(cat <<<"$imports"))
[ -z "$lacking" ] || status=1
[ "$status" -eq 0 ] && echo "check_exe: $(basename "$exe") $size bytes, $(wc -l <<<"$imports") imports, all allowed"
if [ -z "$lacking" ]; then
  echo "check_exe: relies on no function that Windows 98 lacks"
else
  echo "check_exe: relies on $lacking" >&2
fi
exit "$status"
