#!/usr/bin/env bash
# The practice room as the receiving end: PracticeRoom.exe runs under Wine, aolctl.exe
# finds its windows and sends to them from another process exactly as Brindlewick does,
# xdotool types and clicks as a person would, and the room's --log shows what arrived.
# Run by e2e/run_all.sh, which provides BW_BUILD, BW_NATIVE_BUILD, DISPLAY, WINEPREFIX
# and LC_ALL.
set -uo pipefail
room_exe=$BW_BUILD/practice/PracticeRoom.exe
aolctl=$BW_BUILD/e2e/aolctl.exe
compose=${BW_NATIVE_BUILD:-}/cli/brindlewick-compose
work=$(mktemp -d "${TMPDIR:-/tmp}/bw-practice.XXXXXX")
log=$work/room.log
room_pid=
failed=0
cases=0

stop_room() {
  [ -n "$room_pid" ] || return 0
  kill "$room_pid" 2>/dev/null
  wait "$room_pid" 2>/dev/null
  room_pid=
}
trap 'stop_room; rm -rf "$work"' EXIT

for tool in "$room_exe" "$aolctl" "$compose"; do
  [ -x "$tool" ] || { echo "missing $tool (build it first)"; exit 1; }
done

ctl() { wine "$aolctl" "$@" | tr -d '\r'; }
hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n' | tr a-f A-F; }
lines() { wc -l < "$log"; }
since() { tail -n +"$(($1 + 1))" "$log" | paste -sd '|'; }

check() {  # check LABEL EXPECTED ACTUAL
  cases=$((cases + 1))
  if [ "$2" != "$3" ]; then
    failed=$((failed + 1))
    printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
  fi
}

start_room() {
  : > "$log"
  wine "$room_exe" --log "Z:${log//\//\\}" "$@" &
  room_pid=$!
  for _ in $(seq 300); do
    grep -qx ready "$log" && return 0
    kill -0 "$room_pid" 2>/dev/null || break
    sleep 0.05
  done
  echo "PracticeRoom did not get ready"; cat "$log"
  exit 1
}

# Waits until the log has grown past line MARK (a person's input arrives asynchronously).
wait_for_line() {
  for _ in $(seq 100); do
    [ "$(lines)" -gt "$1" ] && return 0
    sleep 0.05
  done
}

# --- The names a session reads come from the room's own titles, bytes above 0x7F
# included (the command line is UTF-8 here; the titles read back as Windows-1252).
start_room --sn 'Zoë Velde' --room 'Café ¼ Lounge' --partner 'Mo SsWhIrLz'
for f in aol mdi chat im welcome; do
  check "find-$f finds a window" yes "$([ "$(ctl "find-$f")" != 0 ] && echo yes)"
done
check "room name" "$(hex $'Caf\xE9 \xBC Lounge')" "$(ctl room)"
check "IM partner" "$(hex 'Mo SsWhIrLz')" "$(ctl partner)"
check "screen name" "$(hex $'Zo\xEB Velde')" "$(ctl me)"

# --- Lines sent as Brindlewick sends them arrive byte for byte, once each.
chat=$(hex $'<FONT COLOR=#FF0000>\xBC \x99 \x80\x81\x8D\x9F\xE9\xFF</FONT> <SUB></SUB>')
mark=$(lines)
ctl send-chat-hex "$chat"
ctl send-chat-hex 4869
check "chat lines, exact bytes, one log line per press" "chat $chat|chat 4869" "$(since "$mark")"
im=$(hex $'<B>\xBC\x99</B> caf\xE9')
mark=$(lines)
ctl send-im-hex "$im"
check "IM line, exact bytes" "im $im" "$(since "$mark")"
mark=$(lines)
ctl send-chat-hex ""
check "a press on an empty box is logged as empty" "chat " "$(since "$mark")"

# --- A person types into each box and clicks its Send button. The points are those of
# the room's layout on the 1024 x 768 screen: chat input and Send at the left, the IM's
# at the right.
person() {  # person INPUT_X INPUT_Y SEND_X SEND_Y TEXT
  xdotool mousemove "$1" "$2" click 1
  sleep 0.2
  xdotool type --delay 5 "$5"
  xdotool mousemove "$3" "$4" click 1
}
mark=$(lines)
person 127 610 275 610 'typed by hand'
wait_for_line "$mark"
check "a person's click on the chat room's Send" "chat $(hex 'typed by hand')" "$(since "$mark")"
mark=$(lines)
person 800 433 956 433 'an IM by hand'
wait_for_line "$mark"
check "a person's click on the IM's Send" "im $(hex 'an IM by hand')" "$(since "$mark")"
stop_room

# --- A fade from red to blue is drawn as one: red at the left of the line, blue at the
# right. The line is the first in a fresh room, so it is the only colored text in the
# chat transcript (below the room's header, above its input box).
fade=$("$compose" --effect=fade --fade-colors='#FF0000,#0000FF' --encoding=windows-1252 \
  'A fade from red to blue' | xxd -p | tr -d '\n' | tr a-f A-F)
fade=${fade%0A}
check "composer gave a fade" yes "$(case $fade in 3C464F4E5420434F4C4F523D23464630303030*) echo yes;; esac)"
start_room
mark=$(lines)
ctl send-chat-hex "$fade"
check "fade line arrived" "chat $fade" "$(since "$mark")"
sleep 0.5
shot=$work/fade.png
import -window root "$shot"
# x y of every red-ish and blue-ish pixel in the transcript's area.
colored=$(convert "$shot" -crop 290x490+10+95 +repage txt:- | awk -F'[,:() ]+' '
  /^#/ { next }
  { x = $1; y = $2; r = $3; g = $4; b = $5 }
  r >= 180 && g < 100 && b < 100 { print "red", x, y }
  b >= 180 && g < 100 && r < 100 { print "blue", x, y }')
red_right=$(awk '$1 == "red" { if ($2 > m) m = $2 } END { print m + 0 }' <<<"$colored")
blue_left=$(awk '$1 == "blue" { if (m == "" || $2 < m) m = $2 } END { print m + 0 }' <<<"$colored")
red_count=$(grep -c '^red' <<<"$colored")
blue_count=$(grep -c '^blue' <<<"$colored")
check "red-ish pixels drawn" yes "$([ "$red_count" -ge 20 ] && echo yes)"
check "blue-ish pixels drawn" yes "$([ "$blue_count" -ge 20 ] && echo yes)"
check "red stays left of blue ($red_right < $blue_left)" yes \
  "$([ "$red_right" -lt "$blue_left" ] && echo yes)"
first_red=$(awk '$1 == "red" { print $2 + 10, $3 + 95; exit }' <<<"$colored")
last_blue=$(awk '$1 == "blue" { p = $2 + 10 " " $3 + 95 } END { print p }' <<<"$colored")
echo "fade pixels: red at ${first_red/ /,} $(convert "$shot" -format "%[pixel:p{${first_red/ /,}}]" info:)," \
  "blue at ${last_blue/ /,} $(convert "$shot" -format "%[pixel:p{${last_blue/ /,}}]" info:)"
stop_room

# --- Windows left out are not found, and a send to a missing window arrives nowhere.
start_room --no-chat
check "--no-chat: no chat room" 0 "$(ctl find-chat)"
check "--no-chat: no room name" "" "$(ctl room)"
check "--no-chat: the IM is still there" yes "$([ "$(ctl find-im)" != 0 ] && echo yes)"
mark=$(lines)
ctl send-chat-hex 4869
check "--no-chat: a chat send arrives nowhere" "" "$(since "$mark")"
stop_room
start_room --no-im --no-welcome
check "--no-im: no IM window" 0 "$(ctl find-im)"
check "--no-welcome: no Welcome window" 0 "$(ctl find-welcome)"
check "--no-welcome: no screen name" "" "$(ctl me)"
check "--no-im: the chat room is still there" "$(hex 'Town Square')" "$(ctl room)"
stop_room

echo "practice room: $((cases - failed)) of $cases checks passed"
[ "$failed" -eq 0 ]
