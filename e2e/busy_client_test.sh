#!/usr/bin/env bash
# Brindlewick beside a client that is slow to take text: the practice room holds every
# text written into its input boxes for a while before taking it.
. "$(dirname "$0")/lib.sh"
room=$BW_BUILD/practice/PracticeRoom.exe
need "$BW_BUILD/app/Brindlewick.exe" "$room" "$BW_BUILD/e2e/main_probe.exe"
txtSend=100
line='typed during start-up'
# The window takes queued keys one by one once it shows.
holds() { [ "$(bw_probe text $txtSend)" = "$(hex "$1")" ]; }

# --- Typing straight after the click that closes the splash, while start-up sends its
# two lines to a client that takes 2 s for each: every key waits for the text box, none
# reaches the client or its lines.
start_logged "$room" --log "$wlog" --write-delay 2000
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
finish "busy client"
