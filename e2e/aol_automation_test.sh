#!/usr/bin/env bash
# Window automation across a real process boundary: aol_fixture.exe opens the AOL
# client's window tree (with decoys) and logs every message that arrives; aolctl.exe runs
# the finders, readers and senders against it through user32.
# Run by e2e/run_all.sh, which provides BW_BUILD, DISPLAY, WINEPREFIX and LC_ALL.
set -uo pipefail
bin=$BW_BUILD/e2e
work=$(mktemp -d "${TMPDIR:-/tmp}/bw-aol.XXXXXX")
log=$work/fixture.log
fixture_pid=
failed=0
cases=0

stop_fixture() {
  [ -n "$fixture_pid" ] || return 0
  kill "$fixture_pid" 2>/dev/null
  wait "$fixture_pid" 2>/dev/null
  fixture_pid=
}
trap 'stop_fixture; rm -rf "$work"' EXIT

# A window that never answers would hold SendMessageA, and with it the run, forever.
ctl() { timeout 30 wine "$bin/aolctl.exe" "$@" | tr -d '\r'; }
hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n' | tr a-f A-F; }
handle() { awk -v w="$1" '$1 == w && $2 == "hwnd" { print $3 }' "$log"; }
lines() { wc -l < "$log"; }
since() { tail -n +"$(($1 + 1))" "$log"; }

check() {  # check LABEL EXPECTED ACTUAL
  cases=$((cases + 1))
  if [ "$2" != "$3" ]; then
    failed=$((failed + 1))
    printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
  fi
}

start_fixture() {
  : > "$log"
  wine "$bin/aol_fixture.exe" "Z:${log//\//\\}" "$@" &
  fixture_pid=$!
  for _ in $(seq 200); do
    grep -qx ready "$log" && return 0
    kill -0 "$fixture_pid" 2>/dev/null || break
    sleep 0.05
  done
  echo "aol_fixture did not get ready"; cat "$log"
  exit 1
}

# --- The full tree: every finder and reader picks the real window over the decoys.
start_fixture
for f in aol:frame mdi:mdi chat:room im:im welcome:welcome; do
  check "find-${f%%:*}" "$(handle "${f#*:}")" "$(ctl "find-${f%%:*}")"
done
check "room name, bytes above 0x7F included" "$(hex $'Caf\xE9 \xBC Lounge')" "$(ctl room)"
check "IM partner, inner spaces kept" "$(hex 'Mo SsWhIrLz')" "$(ctl partner)"
check "screen name from the Welcome window" "$(hex $'Zo\xEB Velde')" "$(ctl me)"
check "class of a window in another process" "$(hex _AOL_Image)" "$(ctl class "$(handle room.image)")"

# --- SendChat: the text lands two places before the first _AOL_Image and is in place
# when the press reaches the control just before it; no other window hears anything.
chat=$(hex $'<FONT COLOR=#FF0000>\xBC \x99 \x80\x81\x8D\x9F\xFF</FONT>')
mark=$(lines)
ctl send-chat-hex "$chat"
check "SendChat messages, in order, and nothing else" \
  "room.input settext $chat|room.send down 0 0|room.send up 0 0|room.send pressed $chat" \
  "$(since "$mark" | paste -sd '|')"
check "chat box keeps what the client left" "$chat" "$(ctl text "$(handle room.input)")"

# --- SendIM: the "To:" window wins over the "From:" one above it; the box is emptied
# after the press.
im=$(hex $'<B>\xBC\x99</B> caf\xE9')
mark=$(lines)
ctl send-im-hex "$im"
check "SendIM messages, in order, and nothing else" \
  "im.input settext $im|im.send down 0 0|im.send up 0 0|im.send pressed $im|im.input settext " \
  "$(since "$mark" | paste -sd '|')"
check "IM box empty after the send" "" "$(ctl text "$(handle im.input)")"

# --- StayOnTop moves the frame into and out of the top band.
mark=$(lines)
ctl topmost "$(handle frame)" 1
ctl topmost "$(handle frame)" 0
check "StayOnTop on and off" "frame topmost 1|frame topmost 0" "$(since "$mark" | paste -sd '|')"

check "a malformed HEX is refused" 2 "$(ctl send-chat-hex ABC 2>/dev/null; echo "${PIPESTATUS[0]}")"
room_input=$(handle room.input)
stop_fixture

# --- A client with no documents open: only the frame and MDI client are found, and the
# senders send nothing at all.
start_fixture --bare
check "bare: find-aol" "$(handle frame)" "$(ctl find-aol)"
for f in chat im welcome; do check "bare: find-$f" 0 "$(ctl "find-$f")"; done
for r in room partner me; do check "bare: $r" "" "$(ctl "$r")"; done
mark=$(lines)
ctl send-chat-hex 4869
ctl send-im-hex 4869
check "bare: senders message no window" "" "$(since "$mark")"
stop_fixture

# --- No client at all; a handle whose window has gone reads as no window.
for f in aol mdi chat im welcome; do check "none: find-$f" 0 "$(ctl "find-$f")"; done
for r in room partner me; do check "none: $r" "" "$(ctl "$r")"; done
check "none: senders return quietly" "0:0" \
  "$(ctl send-chat-hex 4869; echo -n "${PIPESTATUS[0]}:"; ctl send-im-hex 4869; echo "${PIPESTATUS[0]}")"
check "gone window: text" "" "$(ctl text "$room_input")"
check "gone window: class keeps its 255 spaces" "$(printf '20%.0s' $(seq 255))" \
  "$(ctl class "$room_input")"

echo "aol automation: $((cases - failed)) of $cases checks passed"
[ "$failed" -eq 0 ]
