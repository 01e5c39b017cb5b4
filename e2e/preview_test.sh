#!/usr/bin/env bash
# The preview under Brindlewick's window, where only real windows show it: kept on from the
# last run it comes up docked under the main window, follows a move, a roll and a
# minimize, its rich edit control follows typing with the placeholders filled from the
# practice room, and F2 and the window menu's "Preview" hide and show it. main_probe reads
# it from outside. (What a send delivers with it on, and the choice kept, are the form's
# and tested natively.)
. "$(dirname "$0")/lib.sh"
need "$BW_BUILD/app/Brindlewick.exe" "$room" "$BW_BUILD/e2e/main_probe.exe"

# The preview window's fields: LEFT TOP WIDTH HEIGHT VISIBLE TOPMOST ENABLED TEXTHEX NOTEHEX.
preview() { bw_probe preview; }
field() { preview | awk -v n="$1" '{ print $n }'; }
visible() { [ "$(field 5)" = 1 ]; }
hidden() { [ "$(field 5)" = 0 ]; }
shows() { [ "$(field 8)" = "$(hex "$1")" ]; }
# Under the main window: the same left and width, its top at the main window's bottom.
docked() {
  local left top width height
  read -r left top width height _ <<<"$(bw_probe window)"
  [ "$(preview | awk '{ print $1, $2, $3 }')" = "$left $((top + height)) $width" ]
}

wine reg delete "$settings" /f >/dev/null 2>&1
wine reg add "$settings" /v Preview /d 1 /f >/dev/null 2>&1
start_logged "$room" --log "$wlog" --sn ZornaVelde --room 'Town Square' --partner MoSsWhIrLz
bw_start || { echo "FAIL the main window did not show"; exit 1; }
wait_for docked
check "on from the last run: docked under the main window, topmost, never enabled for input" \
  "yes 1 0" "$(yes_if docked) $(field 6) $(field 7)"
check "... and the focus is in the text box" $txtSend "$(bw_probe focus)"

type_in 'Hi from %me% in %room%'
wait_for shows 'ZornaVelde: Hi from ZornaVelde in Town Square'
check "it follows typing, the sender first and the placeholders filled" \
  "$(hex 'ZornaVelde: Hi from ZornaVelde in Town Square')" "$(field 8)"

bw_probe move 100 120
wait_for docked
check "it follows a move" yes "$(yes_if docked)"
read -r _ _ _ _ bw_client_x bw_client_y _ <<<"$(bw_probe window)"  # where bw_click aims
bw_click $cmdRoll
wait_for docked
check "and a roll up" yes "$(yes_if docked)"
bw_click $cmdRoll
wait_for docked
bw_probe minimize
wait_for hidden
check "it goes with the main window when that is minimized" 0 "$(field 5)"
bw_probe restore
wait_for visible
wait_for docked
check "and comes back docked when it is restored" "1 yes" "$(field 5) $(yes_if docked)"

# Random Colors draw anew at every send, which the grey line under the preview says.
bw_click $optRandom
wait_for eval '[ "$(field 9)" = "$(hex "The colors change with every send.")" ]'
check "Random Colors: the note under the preview" "$(hex 'The colors change with every send.')" \
  "$(field 9)"

bw_click $txtSend
xdotool key F2
wait_for hidden
check "F2 hides it" 0 "$(field 5)"
# The window menu (Alt+Space), then its last item.
xdotool key alt+space
sleep 0.5
xdotool key Up Return
wait_for visible
check "the window menu's last item shows it again" 1 "$(field 5)"
xdotool key alt+F4
bw_wait_closed
finish "preview"
