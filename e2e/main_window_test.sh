#!/usr/bin/env bash
# Brindlewick.exe as a person uses it, beside the practice room: xdotool clicks and types
# at the controls' places on the screen, the room's --log shows what arrived, main_probe
# reads the window from outside (geometry, controls, focus, message boxes) and `wine reg`
# the settings it keeps. Run by e2e/run_all.sh, which provides BW_BUILD, DISPLAY,
# WINEPREFIX and LC_ALL.
set -uo pipefail
bw_exe=$BW_BUILD/app/Brindlewick.exe
room_exe=$BW_BUILD/practice/PracticeRoom.exe
work=$(mktemp -d "${TMPDIR:-/tmp}/bw-main.XXXXXX")
log=$work/room.log
settings='HKCU\Software\VB and VBA Program Settings\ZornaVelde\Brindlewick for AOL 4.0'
room_pid= bw_pid=
failed=0 cases=0

# Control IDs of the main window.
txtSend=100 cmdSendChat=101 cmdSendIM=102 cmdRoll=103
optNoEffect=105 optGrowShrink=107 chkBold=123 chkBackwards=131

stop_pid() {
  [ -n "$1" ] || return 0
  kill "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}
trap 'stop_pid "$bw_pid"; stop_pid "$room_pid"; rm -rf "$work"' EXIT

for tool in "$bw_exe" "$room_exe" "$BW_BUILD/e2e/main_probe.exe"; do
  [ -x "$tool" ] || { echo "missing $tool (build it first)"; exit 1; }
done

. "$(dirname "$0")/main_drive.sh"
probe() { bw_probe "$@"; }
hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n' | tr a-f A-F; }
lines() { wc -l < "$log"; }
since() { tail -n +"$(($1 + 1))" "$log" | paste -sd '|'; }
line() { sed -n "$1p" "$log"; }
starts() { [[ "$1" == "$2"* ]] && echo yes || echo "no: ${1:0:90}"; }
setting() { wine reg query "$settings" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"; }

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
    sleep 0.05
  done
  echo "PracticeRoom did not get ready"
  exit 1
}

# Waits until the log holds COUNT lines after line MARK.
wait_for_lines() {  # MARK COUNT
  for _ in $(seq 100); do
    [ "$(lines)" -ge $(($1 + $2)) ] && return 0
    sleep 0.05
  done
}

outer_height() { probe window | awk '{ print $4 }'; }

# --- First run: no settings yet. The window opens centered on the 1024 x 768 screen,
# topmost, at its layout size, and announces itself in the room.
wine reg delete "$settings" /f >/dev/null 2>&1
start_room
bw_start || { echo "the main window did not show"; exit 1; }
wait_for_lines 1 2
check "opening line 1: bold, faded from blue" yes "$(starts "$(line 2)" "chat $(hex '<B><FONT COLOR=#0000FF><')")"
check "opening line 2: bold green waves" yes "$(starts "$(line 3)" "chat $(hex '<B><FONT COLOR=#339933>')")"
check "outer place and size, client size, topmost, not minimized" \
  "325 227 375 314 369 289 1 0" "$(awk '{ print $1, $2, $3, $4, $7, $8, $9, $10 }' <<<"$bw_window")"

# --- The layout table: place, size and caption of every control (client coordinates),
# which options and check boxes start checked, and the keyboard order.
expected_layout=$(cat <<EOF
100 Edit 8 8 233 19 -
101 Button 240 8 49 19 $(hex 'To Chat')
102 Button 288 8 49 19 $(hex 'To IM')
103 Button 344 8 17 19 $(hex U)
104 Button 8 34 353 57 $(hex 'Special FX')
105 Button 16 50 73 17 $(hex 'No Effect')
106 Button 104 50 65 17 $(hex Waves)
107 Button 192 50 153 17 $(hex 'Grow and Shrink (IM Only)')
108 Button 16 66 81 17 $(hex 'Color Fade')
109 Button 104 66 105 17 $(hex 'Alternate Colors')
110 Button 224 66 105 17 $(hex 'Random Colors')
111 Button 8 96 201 57 $(hex 'Alternate Colors')
112 Static 16 120 65 17 $(hex 'Color #1:')
113 Static 72 112 33 33 -
114 Static 120 120 57 17 $(hex 'Color #2:')
115 Static 168 112 33 33 -
116 Button 8 160 353 57 $(hex 'Color Fade')
117 Static 16 184 65 17 $(hex 'From Color:')
118 Static 72 176 33 33 -
119 Static 120 184 57 17 $(hex 'To Color:')
120 Static 168 176 33 33 -
121 Static 216 184 49 17 $(hex 'Result:')
122 Button 8 224 161 57 $(hex Formatting)
123 Button 16 240 57 17 $(hex Bold)
124 Button 16 256 57 17 $(hex Italic)
125 Button 88 240 73 17 $(hex Underline)
126 Button 88 256 73 17 $(hex Strikeout)
127 Button 184 224 177 57 $(hex Style)
128 Button 192 240 73 17 $(hex HaCKeR)
129 Button 192 256 73 17 C96CEE74EA
130 Button 272 240 81 17 $(hex 'S p a c e d')
131 Button 272 256 81 17 $(hex sdrawkcaB)
132 BrindlewickDrawBox 256 176 97 33 -
133 BrindlewickDrawBox 209 91 160 75 -
EOF
)
actual_layout=$(awk '{ print $1, $2, $3, $4, $5, $6, $9 }' <<<"$bw_controls" | sort -n)
while read -r id rest; do
  check "control $id: class, place, size, caption" "$id $rest" "$(grep "^$id " <<<"$actual_layout")"
done <<<"$expected_layout"
check "only No Effect starts checked" "$optNoEffect" "$(awk '$8 == 1 { print $1 }' <<<"$bw_controls" | paste -sd ' ')"

bw_click $txtSend
keyboard_order=""
for _ in $(seq 14); do
  keyboard_order+="$(probe focus) "
  xdotool key Tab
done
check "Tab visits the text box, the buttons, the selected option, the check boxes" \
  "100 101 102 103 105 123 124 125 126 128 129 130 131 100 " "$keyboard_order"

# --- Sending: a styled line to the room, placeholders filled before the transforms; the
# box empties and Enter never sends.
mark=$(lines)
bw_click $txtSend
xdotool type --delay 30 'hi %me%'
xdotool key Return
bw_click $chkBold
bw_click $chkBackwards
bw_click $cmdSendChat
wait_for_lines "$mark" 1
check "To Chat: bold, backwards, %me% filled in first" "chat $(hex '<B>edleVanroZ ih</B>')" "$(since "$mark")"
check "the box is emptied after a send" "-" "$(probe text $txtSend)"
bw_click $chkBold
bw_click $chkBackwards

bw_click $optGrowShrink
bw_click $txtSend
xdotool type --delay 30 'hey'
mark=$(lines)
bw_click $cmdSendIM
wait_for_lines "$mark" 1
check "To IM with Grow and Shrink: font sizes" "im yes" \
  "$(since "$mark" | sed -n "s/^\(im\) .*$(hex 'SIZE').*/\1 yes/p")"
bw_click $txtSend
xdotool type --delay 30 'hey'
mark=$(lines)
bw_click $cmdSendChat
wait_for_lines "$mark" 1
check "To Chat with Grow and Shrink: no font sizes" "chat $(hex hey)" "$(since "$mark")"
bw_click $optNoEffect

# --- Up arrow brings back the last line sent, replacing what was typed.
bw_click $txtSend
xdotool type --delay 30 'typed'
xdotool key Up
check "Up recalls the last line" "$(hex hey)" "$(probe text $txtSend)"

# --- An empty box: the message box, dismissed with Enter as a person would.
xdotool key ctrl+Home shift+End BackSpace
mark=$(lines)
bw_click $cmdSendChat
check "empty box: message" "There is no text to send." "$(probe msgbox 3000)"
xdotool key Return
check "the message box is gone after Enter" "none" "$(probe msgbox 0)"
check "nothing was sent" "" "$(since "$mark")"

# --- Rolling up and down, then closing rolled up: the end lines and the eight settings.
bw_click $cmdRoll
check "rolled up: 60 pixels (900 twips), caption D" "60 $(hex D)" "$(outer_height) $(probe text $cmdRoll)"
bw_click $cmdRoll
check "rolled down: 314 pixels (4710 twips), caption U" "314 $(hex U)" "$(outer_height) $(probe text $cmdRoll)"
bw_click $cmdRoll
mark=$(lines)
xdotool key alt+F4
bw_wait_closed
wait_for_lines "$mark" 2
check "closing line 1: bold, faded from red" yes \
  "$(starts "$(line $((mark + 1)))" "chat $(hex '<B><FONT COLOR=#FF0000><')")"
check "closing line 2: bold green waves" yes \
  "$(starts "$(line $((mark + 2)))" "chat $(hex '<B><FONT COLOR=#339933>')")"
check "exactly two closing lines" $((mark + 2)) "$(lines)"
check "settings written at close" "4875 3405 900 hey 65280 0 255 16711680" \
  "$(for k in Left Top Height LastSend AltColor1 AltColor2 FadeColor1 FadeColor2; do setting $k; done | paste -sd ' ')"

# --- A restart, now with no room and no IM open: it comes back rolled up in the same
# place, says nothing, and Up recalls a line an earlier install left in the store. (The
# room starts first: without a window manager, a window mapped later covers even a
# topmost one on the X screen, though not in the window system's own order.)
stop_pid "$room_pid"
start_room --no-chat --no-im
mark=$(lines)
wine reg add "$settings" /v LastSend /d 'from before' /f >/dev/null 2>&1
bw_start || { echo "the main window did not show"; exit 1; }
check "restart: same place, rolled up, caption D, topmost" "325 227 60 1 $(hex D)" \
  "$(awk '{ print $1, $2, $4, $9 }' <<<"$bw_window") $(probe text $cmdRoll)"
check "above the room in the window order" "1 Brindlewick for AOL 4.0 by ZornaVelde" \
  "$(probe zorder | grep -m1 Brindlewick)"
bw_click $txtSend
xdotool key Up
check "Up recalls the stored line" "$(hex 'from before')" "$(probe text $txtSend)"
bw_click $cmdRoll

# --- The two other message boxes, dismissed with their OK button; closing sends nothing.
bw_click $cmdSendChat
check "no chat room: message" "You aren't in chat." "$(probe msgbox 3000)"
probe press-ok
bw_click $cmdSendIM
check "no IM window: message" "You don't have any IM windows open." "$(probe msgbox 3000)"
probe press-ok
check "the box keeps its text after a refusal" "$(hex 'from before')" "$(probe text $txtSend)"
probe close
bw_wait_closed
check "with no room, opening and closing send nothing" "" "$(since "$mark")"
check "settings written again at close" "4710 from before" "$(setting Height) $(setting LastSend)"

echo "main window: $cases checks, $failed failed"
[ "$failed" -eq 0 ]
