#!/usr/bin/env bash
# Window automation across a real process boundary: aol_fixture.exe opens the AOL
# client's window tree (with decoys) and logs every message that arrives; aolctl.exe runs
# the finders and senders against it through user32.
. "$(dirname "$0")/lib.sh"
fixture=$BW_BUILD/e2e/aol_fixture.exe
need "$fixture" "$BW_BUILD/e2e/aolctl.exe"
handle() { awk -v w="$1" '$1 == w && $2 == "hwnd" { print $3 }' "$log"; }

# --- Every finder picks the real window over the decoys, in user32's own order of the
# windows. (The readers cut the titles of what the finders find; the practice room's test
# reads them across processes.)
start_logged "$fixture" "$wlog"
check "finders: frame, MDI client, room, IM, Welcome" \
  "$(handle frame) $(handle mdi) $(handle room) $(handle im) $(handle welcome)" "$(finds)"

# --- SendChat: the text lands two places before the first _AOL_Image and is in place
# when the press reaches the control just before it; no other window hears anything.
# SendIM: the "To:" window wins over the "From:" one above it; its box is emptied after
# the press, while the chat box keeps what the client left.
chat=$(hex $'<FONT COLOR=#FF0000>\xBC \x99 \x80\x81\x8D\x9F\xFF</FONT>')
mark=$(lines)
ctl send-chat-hex "$chat"
check "SendChat messages, in order, and nothing else" \
  "room.input settext $chat|room.send down 0 0|room.send up 0 0|room.send pressed $chat" \
  "$(since "$mark")"
im=$(hex $'<B>\xBC\x99</B> caf\xE9')
mark=$(lines)
ctl send-im-hex "$im"
check "SendIM messages, in order, and nothing else" \
  "im.input settext $im|im.send down 0 0|im.send up 0 0|im.send pressed $im|im.input settext " \
  "$(since "$mark")"
check "after the sends: chat box keeps the line, IM box empty" "$chat|" \
  "$(ctl text "$(handle room.input)")|$(ctl text "$(handle im.input)")"

mark=$(lines)
ctl topmost "$(handle frame)" 1
ctl topmost "$(handle frame)" 0
check "StayOnTop on and off" "frame topmost 1|frame topmost 0" "$(since "$mark")"
# The two handles that user32 reads as "every top-level window" name no window here.
mark=$(lines)
check "broadcast handles: no text, and no window of the client is asked for its own" "||" \
  "$(ctl text 65535)|$(ctl text 4294967295)|$(since "$mark")"
room_input=$(handle room.input)
stop_app

# --- A handle whose window has gone reads as no window.
check "gone window: no text, class keeps its 255 spaces" "|$(printf '20%.0s' $(seq 255))" \
  "$(ctl text "$room_input")|$(ctl class "$room_input")"
finish "aol automation"
