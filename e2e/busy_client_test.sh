#!/usr/bin/env bash
# Brindlewick beside a client that is slow, or stops answering: the practice room holds
# every text written into its input boxes for a while before taking it (--write-delay),
# or is stopped outright (SIGSTOP). Brindlewick must give up on it within its bound, say
# so in a message box and keep the line in its text box, go on handling its own input
# while the client stays stuck, close normally, never press a send control after a write
# that was not taken, and send again once a client answers.
. "$(dirname "$0")/lib.sh"
need "$BW_BUILD/app/Brindlewick.exe" "$room" "$BW_BUILD/e2e/main_probe.exe"
line='typed during start-up'
# The window takes queued keys one by one once it shows.
holds() { [ "$(bw_probe text $txtSend)" = "$(hex "$1")" ]; }

# --- Typing straight after the click that closes the splash, while start-up sends its
# two lines to a client that takes a second for each: every key waits for the text box,
# none reaches the client or its lines.
start_logged "$room" --log "$wlog" --write-delay 1000
wine "$BW_BUILD/app/Brindlewick.exe" &
bw_pid=$!
wait_for bw_splash_done || { echo "FAIL the splash did not finish loading"; exit 1; }
bw_click_splash
xdotool type --delay 40 "$line"
hidden=$(yes_if bw_shown)
bw_poll 100 0.2 bw_shown && wait_for holds "$line"
check "keys typed while start-up runs: typed before the window showed, all in its text box" \
  "no $(hex "$line")" "$hidden $(bw_probe text $txtSend)"
check "the two opening lines arrive whole" \
  "chat $(hex '<B><FONT COLOR=#0000FF>')|chat $(hex '<B><FONT COLOR=#339933>')" \
  "$(tail -n +2 "$log" | cut -c1-51 | paste -sd '|')"
bw_probe close
bw_wait_closed

told='AOL is busy or not responding, so your line may not have been sent. Try again in a moment.'
# Sends "To Chat" with the line typed to a client that stays stuck. Prints three lines:
# what the message box that follows says, what the text box holds meanwhile, and whether
# an "x" typed at the line's end once OK is pressed reached the text box.
send_to_stuck_client() {
  local start
  type_in "$1"
  start=$(date +%s.%N)
  bw_click $cmdSendChat
  echo "told: $(bw_probe msgbox 15000)"
  printf '  the message box showed %.1f s after the click on "To Chat"\n' \
    "$(echo "$(date +%s.%N) - $start" | bc)" >&2
  echo "box: $(bw_probe text $txtSend)"
  bw_probe press-ok || echo "  no message box to press OK in" >&2
  xdotool key ctrl+End
  xdotool type x
  if wait_long holds "$1x"; then
    echo handled
  else
    echo "not handled: the text box holds $(bw_probe text $txtSend)"
  fi
}
# The three checks of what send_to_stuck_client printed ($1) for the line $2.
check_told() {
  check "... the message box says AOL did not answer" "told: $told" "$(sed -n 1p <<<"$1")"
  check "... the line stays in the text box meanwhile" "box: $(hex "$2")" "$(sed -n 2p <<<"$1")"
  check "... and input is taken again while the client is stuck" handled "$(sed -n 3p <<<"$1")"
}
# Sends the text box's line "To Chat" to a client that answers and prints what arrived in
# the chat, what the text box holds afterwards and whether a message box showed.
send_to_answering_client() {
  local mark
  mark=$(lines)
  bw_click $cmdSendChat
  wait_long grown "$mark" 1
  echo "$(since "$mark") $(bw_probe text $txtSend) $(bw_probe msgbox 0)"
}
# Polls for some 40 seconds: far longer than any bound, so only a wait for good fails.
wait_long() { bw_poll 200 0.2 "$@"; }
closes_with_alt_f4() {
  xdotool key alt+F4
  wait_long bw_gone && bw_wait_closed && echo closed
}
# A click on the close button of the frame Wine draws (no window manager runs here).
closes_with_its_button() {
  local left top width
  read -r left top width _ <<<"$(bw_probe window)"
  xdotool mousemove $((left + width - 12)) $((top + 10)) click 1
  wait_long bw_gone && bw_wait_closed && echo closed
}
# A click on Bold ticks it.
click_ticks_bold() {
  bw_click $chkBold
  wait_long eval 'bw_probe controls | grep -q "^$chkBold .* 1 [0-9A-F-]*$"' && echo ticked
}

# --- A client that stops answering before the send (the whole program stopped).
start_logged "$room" --log "$wlog"
bw_start || { echo "FAIL the main window did not show"; exit 1; }
mark=$(lines)
kill -STOP "$app_pid"
stopped='to a stopped client'
echo "a send to a stopped client:"
check_told "$(send_to_stuck_client "$stopped")" "$stopped"
kill -CONT "$app_pid"
sleep 2  # the late write lands now; a press would follow it at once
check "... nothing was pressed, then or once the client went on" "" "$(since "$mark")"
check "... and the next send, once it answers, arrives and empties the text box" \
  "chat $(hex "${stopped}x") - none" "$(send_to_answering_client)"
kill -STOP "$app_pid"
check "... and closes with Alt+F4 while the client is stopped again" closed "$(closes_with_alt_f4)"
stop_app

# --- A client that stops while it takes the text: the room takes start-up's two lines at
# once and then holds every write for 15 s.
start_logged "$room" --log "$wlog" --write-delay 15000 --delay-after 2
bw_start || { echo "FAIL the main window did not show"; exit 1; }
: >"$log"
sent_at=$(date +%s)
stuck='to a stuck client'
echo "a send to a client stuck in the text write:"
check_told "$(send_to_stuck_client "$stuck")" "$stuck"
check "... a click ticks Bold while the client is still stuck" ticked "$(click_ticks_bold)"
# Past the room's hold of the write, plus a moment in which a press would follow it.
sleep $((sent_at + 18 - $(date +%s) > 0 ? sent_at + 18 - $(date +%s) : 0))
check "... the client, once it took the text, was never pressed" "" "$(cat "$log")"
start_logged "$room" --log "$wlog"  # a client that answers takes its place
# Without a window manager Wine maps the new room above Brindlewick on the X screen, though
# Brindlewick stays first in the window system's order: raise it there too for the click.
xdotool windowraise "$(xwin '^Brindlewick for AOL')"
check "... the next send, to a client that answers, arrives and empties the text box" \
  "chat $(hex "<B>${stuck}x</B>") - none" "$(send_to_answering_client)"
check "... and its close button closes it" closed "$(closes_with_its_button)"

# --- A long paste to a client that takes its time over a long text but answers: 100,000
# characters, pasted through the clipboard, are kept whole and sent whole.
start_logged "$room" --log "$wlog"
bw_start || { echo "FAIL the main window did not show"; exit 1; }
# Words, as a paste holds them. (Wine's edit control takes time that grows with the
# square of a long run of digits and dashes; that is no matter for the bound's test.)
for _ in $(seq 2000); do printf 'The quick brown fox jumps over the lazy dog again. '; done |
  head -c 100000 >"$work/paste.txt"
xclip -quiet -selection clipboard -i "$work/paste.txt" 2>/dev/null &
clip_pid=$!
paste_hex=$(hex "$(cat "$work/paste.txt")")
box_holds_paste() { [ "$(bw_probe text $txtSend)" = "$paste_hex" ]; }
bw_click $txtSend
xdotool key ctrl+v
wait_long box_holds_paste
check "a 100,000-character paste: kept whole in the text box" 200000 \
  "$(bw_probe text $txtSend | tr -d '\n' | wc -c)"
kill "$clip_pid" 2>/dev/null
mark=$(lines)
bw_click $cmdSendChat
wait_long grown "$mark" 1
check "... and sent whole to a client that answers" "chat $paste_hex" "$(since "$mark")"
xdotool key alt+F4
bw_wait_closed
finish "busy client"
