#!/usr/bin/env bash
# The practice room as the receiving end: PracticeRoom.exe runs under Wine, aolctl.exe
# finds its windows and sends to them from another process exactly as Brindlewick does,
# xdotool types and clicks as a person would, and the room's --log shows what arrived.
. "$(dirname "$0")/lib.sh"
compose=${BW_NATIVE_BUILD:-}/cli/brindlewick-compose
need "$room" "$BW_BUILD/e2e/aolctl.exe" "$compose"

# --- The names a session reads come from the room's own titles, bytes above 0x7F
# included (the command line is UTF-8 here; the titles read back as Windows-1252), each
# from the window its finder finds.
start_logged "$room" --log "$wlog" --sn 'Zoë Velde' --room 'Café ¼ Lounge' \
  --partner 'Mo SsWhIrLz'
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

# --- The transcripts are rich edit controls: a fade from red to blue is drawn as one, red
# at the left of the line and blue at the right, and a waved line rises and falls. This
# room runs at 144 dpi, where it lays itself out half as large again (the layout at 96 is
# the one the clicks above found). The room's lines are the only colored text in its chat
# transcript.
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
# Whatever happens here, the tests after this one run at 96 dpi.
trap 'set_dpi 96; stop_app; wait; rm -rf "$work"' EXIT
composed() {  # EFFECT TEXT: the line as Brindlewick sends it, as hex of its bytes
  local line
  line=$("$compose" --effect="$1" --fade-colors='#FF0000,#0000FF' --encoding=windows-1252 \
    -- "$2" | xxd -p | tr -d '\n' | tr a-f A-F)
  echo "${line%0A}"
}
# In a rectangle X Y W H of the last screenshot: the count of red-ish and of blue-ish
# pixels, the right-most red and the left-most blue.
colors_in() {
  convert "$work/shot.png" -crop "$3x$4+$1+$2" +repage txt:- | awk -F'[,:() ]+' '
    /^#/ { next }
    $3 >= 180 && $4 < 100 && $5 < 100 { reds++; if ($1 > red) red = $1 }
    $5 >= 180 && $4 < 100 && $3 < 100 { blues++; if (blue == "" || $1 < blue) blue = $1 }
    END { print reds + 0, blues + 0, red + 0, blue + 0 }'
}
# Where the letters of a rectangle X Y W H end below: the lowest gray ink (black text,
# smoothed; the sender's navy is not gray) of each column, and of those the highest and
# the lowest row, as "HIGHEST LOWEST".
bottoms() {
  convert "$work/shot.png" -crop "$3x$4+$1+$2" +repage txt:- | awk -F'[,:() ]+' '
    /^#/ { next }
    { hi = $3; lo = $3
      if ($4 > hi) hi = $4; if ($5 > hi) hi = $5; if ($4 < lo) lo = $4; if ($5 < lo) lo = $5
      if (hi < 200 && hi - lo < 40 && (!($1 in low) || $2 > low[$1])) low[$1] = $2 }
    END { for (x in low) { if (top == "" || low[x] < top) top = low[x]; if (low[x] > bottom) bottom = low[x] }
          print top + 0, bottom + 0 }'
}
# Waves alternate raised and lowered letters: the bottoms of a waved line's x's lie far
# further apart than those of level x's, which differ only by the smoothing of their edges,
# wherever each line's rows start.
fade=$(composed fade 'red to blue')
waves=$(composed waves 'xxxxxxxx')
level=$(hex 'xxxxxxxx')
set_dpi 144
start_logged "$room" --log "$wlog"
transcript=$(ctl first-child "$(ctl find-chat)")
check "the transcript is the room's first child, of class RICHCNTL" "$(hex RICHCNTL)" \
  "$(ctl class "$transcript")"
for h in "$fade" "$waves" "$level"; do ctl send-chat-hex "$h"; done
check "fade, waved and level lines arrived" "ready|chat $fade|chat $waves|chat $level" "$(since 0)"
check "WM_GETTEXT of the transcript holds the lines' characters" \
  "$(hex $'ZornaVelde: red to blue\r\nZornaVelde: xxxxxxxx\r\nZornaVelde: xxxxxxxx')" \
  "$(ctl text "$transcript")"
sleep 0.5
shot
# BW_SHOTS=FOLDER keeps the screenshot, to look at.
[ -z "${BW_SHOTS:-}" ] || cp "$work/shot.png" "$BW_SHOTS/practice_room.png"
# The transcript's area on the 1024 x 768 screen at 144 dpi, below the room's picture and
# above its input box, and the height of one entry.
area=(26 142 290 360) line=24
read -r reds blues red blue <<<"$(colors_in "${area[@]}")"
check "fade red at the left, blue at the right (reds blues red-x blue-x: $reds $blues $red $blue)" \
  yes "$(yes_if [ $((reds >= 20 && blues >= 20 && red < blue)) = 1 ])"
# The second and the third entry, a line each.
read -r wave_top wave_bottom <<<"$(bottoms "${area[0]}" $((area[1] + line)) "${area[2]}" "$line")"
read -r flat_top flat_bottom <<<"$(bottoms "${area[0]}" $((area[1] + line * 2)) "${area[2]}" "$line")"
check "waved x's end on rows further apart than level ones (rows: $wave_top..$wave_bottom, $flat_top..$flat_bottom)" \
  yes "$(yes_if [ $((flat_bottom > 0 && wave_bottom - wave_top >= flat_bottom - flat_top + 2)) = 1 ])"
stop_app
set_dpi 96
finish "practice room"
