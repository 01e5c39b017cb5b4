#!/usr/bin/env bash
# Window automation across a real process boundary: aol_fixture.exe opens the AOL
# client's window tree (with decoys) and logs every message that arrives; aolctl.exe runs
# the finders, readers and senders against it through user32.
. "$(dirname "$0")/lib.sh"
fixture=$BW_BUILD/e2e/aol_fixture.exe
need "$fixture" "$BW_BUILD/e2e/aolctl.exe"
handle() { awk -v w="$1" '$1 == w && $2 == "hwnd" { print $3 }' "$log"; }

# --- The full tree: every finder and reader picks the real window over the decoys.
start_logged "$fixture" "$wlog"
check "finders: frame, MDI client, room, IM, Welcome" \
  "$(handle frame) $(handle mdi) $(handle room) $(handle im) $(handle welcome)" "$(finds)"
check "readers: room, IM partner, screen name; bytes above 0x7F and inner spaces kept" \
  "$(hex $'Caf\xE9 \xBC Lounge')|$(hex 'Mo SsWhIrLz')|$(hex $'Zo\xEB Velde')" "$(reads)"
check "class of a window in another process" "$(hex _AOL_Image)" \
  "$(ctl class "$(handle room.image)")"

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
check "a malformed HEX is refused" 2 "$(ctl send-chat-hex ABC 2>/dev/null; echo "${PIPESTATUS[0]}")"
# The two handles that user32 reads as "every top-level window" name no window here.
mark=$(lines)
check "broadcast handles: no text, and no window of the client is asked for its own" "||" \
  "$(ctl text 65535)|$(ctl text 4294967295)|$(since "$mark")"
room_input=$(handle room.input)
stop_app

# --- A client with no documents open: only the frame and MDI client are found, and the
# senders send nothing at all.
start_logged "$fixture" "$wlog" --bare
check "bare: finders" "$(handle frame) $(handle mdi) 0 0 0" "$(finds)"
check "bare: readers" "||" "$(reads)"
mark=$(lines)
ctl send-chat-hex 4869
ctl send-im-hex 4869
check "bare: senders message no window" "" "$(since "$mark")"
stop_app

# --- No client at all; a handle whose window has gone reads as no window.
check "none: finders" "0 0 0 0 0" "$(finds)"
check "none: readers" "||" "$(reads)"
check "none: senders return quietly" "0 0" \
  "$(for s in chat im; do ctl send-$s-hex 4869; echo "${PIPESTATUS[0]}"; done | paste -sd ' ')"
check "gone window: no text, class keeps its 255 spaces" "|$(printf '20%.0s' $(seq 255))" \
  "$(ctl text "$room_input")|$(ctl class "$room_input")"
finish "aol automation"
