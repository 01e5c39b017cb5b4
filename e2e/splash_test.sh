#!/usr/bin/env bash
# The splash screen as a person meets it: it comes first, centered and borderless, runs
# its six-second loading display, ignores a click before loading is done, closes on a
# click after it and leaves the main window shown and topmost. A second copy started
# meanwhile ends without a window.
. "$(dirname "$0")/lib.sh"
need "$BW_BUILD/app/Brindlewick.exe" "$BW_BUILD/e2e/main_probe.exe"
splash='^Brindlewick for AOL 4\.0$'
ended() { ! kill -0 "$1" 2>/dev/null; }

wine "$BW_BUILD/app/Brindlewick.exe" &
bw_pid=$!
wait_for shown "$splash" || { echo "FAIL no splash window"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$(xwin "$splash")")"  # X Y WIDTH HEIGHT, outer
check "splash: 400 x 200 inside a one-pixel border, centered, main window hidden" \
  "402x202 311,283 no" "${WIDTH}x${HEIGHT} $X,$Y $(yes_if bw_shown)"
# The status box's interior on the screen: client origin + (200, 152) + its border.
sx=$((X + 1 + 200 + 1)) sy=$((Y + 1 + 152 + 1))

wine "$BW_BUILD/app/Brindlewick.exe" &
second=$!
wait_for ended $second
check "a second copy ends at once and shows nothing" "yes 1" \
  "$(yes_if ended $second) $(xdotool search --onlyvisible --name '^Brindlewick' | wc -l)"

xdotool mousemove $((sx + 87)) $((sy + 11)) click 1
sleep 0.5
check "an early click keeps the splash and shows no main window" "yes no" \
  "$(yes_if shown "$splash") $(yes_if bw_shown)"

# Loading: the bar brightens each second; done, its left band is blue 255 less one step
# of 255 / 13, its right edge the full red.
done_left="srgb(19,0,236)"
loaded() { shot; [ "$(pixel $((sx + 2)) $((sy + 1)))" = "$done_left" ]; }
wait_for loaded
check "loading done: left and right bands, splash still up until clicked" \
  "$done_left srgb(255,0,0) yes" \
  "$(pixel $((sx + 2)) $((sy + 1))) $(pixel $((sx + 174)) $((sy + 1))) $(yes_if shown "$splash")"

xdotool mousemove $((sx + 87)) $((sy + 11)) click 1
wait_for bw_shown
check "a click after loading closes the splash; the main window is shown and topmost" "no 1 1" \
  "$(yes_if shown "$splash") $(bw_probe window | awk '{ print $11, $9 }')"
bw_probe close >/dev/null
bw_wait_closed
finish splash
