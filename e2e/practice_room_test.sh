#!/usr/bin/env bash
# The practice room as the receiving end: PracticeRoom.exe runs under Wine, aolctl.exe
# finds its windows and sends to them from another process exactly as Brindlewick does,
# xdotool types and clicks as a person would, and the room's --log shows what arrived.
. "$(dirname "$0")/lib.sh"
room=$BW_BUILD/practice/PracticeRoom.exe
compose=${BW_NATIVE_BUILD:-}/cli/brindlewick-compose
need "$room" "$BW_BUILD/e2e/aolctl.exe" "$compose"
found() { finds | awk '{ for (i = 1; i <= NF; i++) printf "%d", $i != 0 }'; }  # 1 per window

# --- The names a session reads come from the room's own titles, bytes above 0x7F
# included (the command line is UTF-8 here; the titles read back as Windows-1252).
start_logged "$room" --log "$wlog" --sn 'Zoë Velde' --room 'Café ¼ Lounge' \
  --partner 'Mo SsWhIrLz'
check "every finder finds a window" 11111 "$(found)"
check "readers: room, IM partner, screen name" \
  "$(hex $'Caf\xE9 \xBC Lounge')|$(hex 'Mo SsWhIrLz')|$(hex $'Zo\xEB Velde')" "$(reads)"

# --- Lines sent as Brindlewick sends them arrive byte for byte, once each, empty or not.
chat=$(hex $'<FONT COLOR=#FF0000>\xBC \x99 \x80\x81\x8D\x9F\xE9\xFF</FONT> <SUB></SUB>')
im=$(hex $'<B>\xBC\x99</B> caf\xE9')
mark=$(lines)
for h in "$chat" 4869 ""; do ctl send-chat-hex "$h"; done
ctl send-im-hex "$im"
check "chat and IM lines, exact bytes, one log line per press" \
  "chat $chat|chat 4869|chat |im $im" "$(since "$mark")"

# --- A person types into each box and clicks its Send button, at the room's layout on
# the 1024 x 768 screen: chat input and Send at the left, the IM's at the right.
person() {  # person INPUT_X INPUT_Y SEND_X SEND_Y TEXT
  mark=$(lines)
  xdotool mousemove "$1" "$2" click 1
  sleep 0.2
  xdotool type --delay 5 "$5"
  xdotool mousemove "$3" "$4" click 1
  wait_for grown "$mark" 1
  since "$mark"
}
check "a person's click on the chat room's Send" "chat $(hex 'typed by hand')" \
  "$(person 127 610 275 610 'typed by hand')"
check "a person's click on the IM's Send" "im $(hex 'an IM by hand')" \
  "$(person 800 433 956 433 'an IM by hand')"
stop_app

# --- A fade from red to blue is drawn as one: red at the left of the line, blue at the
# right. It is the first line in a fresh room, so the only colored text in the chat
# transcript (below the room's header, above its input box).
fade=$("$compose" --effect=fade --fade-colors='#FF0000,#0000FF' --encoding=windows-1252 \
  'A fade from red to blue' | xxd -p | tr -d '\n' | tr a-f A-F)
fade=${fade%0A}
start_logged "$room" --log "$wlog"
ctl send-chat-hex "$fade"
check "fade line arrived" "ready|chat $fade" "$(since 0)"
sleep 0.5
shot
# The count of red-ish and blue-ish pixels, the right-most red and the left-most blue.
spread=$(convert "$work/shot.png" -crop 290x490+10+95 +repage txt:- | awk -F'[,:() ]+' '
  /^#/ { next }
  $3 >= 180 && $4 < 100 && $5 < 100 { reds++; if ($1 > red) red = $1 }
  $5 >= 180 && $4 < 100 && $3 < 100 { blues++; if (blue == "" || $1 < blue) blue = $1 }
  END { print reds + 0, blues + 0, red + 0, blue + 0 }')
read -r reds blues red blue <<<"$spread"
check "fade drawn red at the left, blue at the right (reds blues red-x blue-x: $spread)" yes \
  "$(yes_if [ $((reds >= 20 && blues >= 20 && red < blue)) = 1 ])"
stop_app

finish "practice room"
