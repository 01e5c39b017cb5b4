#!/usr/bin/env bash
# The splash screen as a person meets it: it comes first, centered and borderless, runs
# its six-second loading display, ignores a click before loading is done, closes on a
# click after it and leaves the main window shown and topmost. A second copy started
# meanwhile ends without a window. Run by e2e/run_all.sh (BW_BUILD, DISPLAY, WINEPREFIX).
set -uo pipefail
bw_exe=$BW_BUILD/app/Brindlewick.exe
probe_exe=$BW_BUILD/e2e/main_probe.exe
work=$(mktemp -d "${TMPDIR:-/tmp}/bw-splash.XXXXXX")
bw_pid=
failed=0 cases=0
trap '[ -n "$bw_pid" ] && kill "$bw_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT

for tool in "$bw_exe" "$probe_exe"; do
  [ -x "$tool" ] || { echo "missing $tool (build it first)"; exit 1; }
done

check() {  # check LABEL EXPECTED ACTUAL
  cases=$((cases + 1))
  if [ "$2" != "$3" ]; then
    failed=$((failed + 1))
    printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
  fi
}
probe() { wine "$probe_exe" "$@" 2>/dev/null | tr -d '\r'; }
main_visible() { [ "$(probe window | awk '{ print $11 }')" = 1 ] && echo yes || echo no; }
splash_window() { xdotool search --onlyvisible --name '^Brindlewick for AOL 4\.0$' 2>/dev/null | head -1; }
brindlewick_windows() { xdotool search --onlyvisible --name '^Brindlewick' 2>/dev/null | wc -l; }
pixel() { convert "$1" -format "%[pixel:p{$2,$3}]" info:; }  # pixel SHOT X Y

wine "$bw_exe" &
bw_pid=$!
for _ in $(seq 100); do
  splash=$(splash_window)
  [ -n "$splash" ] && break
  sleep 0.1
done
[ -n "$splash" ] || { echo "FAIL no splash window"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$splash")"  # X Y WIDTH HEIGHT: outer, on the screen
check "splash: 400 x 200 inside a one-pixel border" "402x202" "${WIDTH}x${HEIGHT}"
check "splash: centered on the 1024 x 768 screen" "311,283" "$X,$Y"
check "main window hidden while the splash shows" no "$(main_visible)"
# The status box's interior on the screen: client origin + (200, 152) + its border.
sx=$((X + 1 + 200 + 1)) sy=$((Y + 1 + 152 + 1))

# A second copy ends at once, without a window of its own.
wine "$bw_exe" &
second=$!
for _ in $(seq 100); do kill -0 "$second" 2>/dev/null || break; sleep 0.1; done
check "second copy has ended" no "$(kill -0 "$second" 2>/dev/null && echo yes || echo no)"
wait "$second" 2>/dev/null
check "second copy showed nothing" 1 "$(brindlewick_windows)"

# An early click is ignored: no sound needed, nothing closes.
xdotool mousemove $((sx + 87)) $((sy + 11)) click 1
sleep 0.5
check "early click keeps the splash" yes "$([ -n "$(splash_window)" ] && echo yes || echo no)"
check "early click shows no main window" no "$(main_visible)"

# Loading: the bar brightens each second; done, its left band is blue 255 less one step
# of 255 / 13, its right edge the full red.
done_left="srgb(19,0,236)" left=
for _ in $(seq 40); do
  import -window root "$work/shot.png"
  left=$(pixel "$work/shot.png" $((sx + 2)) $((sy + 1)))
  [ "$left" = "$done_left" ] && break
  sleep 0.25
done
check "loading done: leftmost band" "$done_left" "$left"
check "loading done: rightmost band" "srgb(255,0,0)" "$(pixel "$work/shot.png" $((sx + 174)) $((sy + 1)))"
check "loading done: splash still up until clicked" yes "$([ -n "$(splash_window)" ] && echo yes || echo no)"

xdotool mousemove $((sx + 87)) $((sy + 11)) click 1
for _ in $(seq 50); do [ "$(main_visible)" = yes ] && break; sleep 0.1; done
check "click after loading closes the splash" "" "$(splash_window)"
window=$(probe window)
check "main window shown" 1 "$(awk '{ print $11 }' <<<"$window")"
check "main window topmost" 1 "$(awk '{ print $9 }' <<<"$window")"

probe close >/dev/null
for _ in $(seq 100); do kill -0 "$bw_pid" 2>/dev/null || break; sleep 0.1; done
wait "$bw_pid" 2>/dev/null
bw_pid=

echo "splash: $((cases - failed)) of $cases checks passed"
[ "$failed" -eq 0 ]
