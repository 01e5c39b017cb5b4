#!/usr/bin/env bash
# Brindlewick.exe as a person uses it, beside the practice room: xdotool clicks and types
# at the controls' places on the screen, the room's --log shows what arrived, main_probe
# reads the window from outside (geometry, controls, focus, message boxes) and `wine reg`
# the settings it keeps.
. "$(dirname "$0")/lib.sh"
need "$BW_BUILD/app/Brindlewick.exe" "$room" "$BW_BUILD/e2e/main_probe.exe"

# The lines after MARK, cut to 51 characters: "chat " and the first 23 bytes.
heads() { tail -n +"$(($1 + 1))" "$log" | cut -c1-51 | paste -sd '|'; }
# Presses a send button and prints what the room logged after it (or after line MARK).
send() { local m=${2:-$(lines)}; bw_click "$1"; wait_for grown "$m" 1; since "$m"; }
roll() {  # clicks the roll button; prints the outer height and the button's caption
  bw_click $cmdRoll
  echo "$(bw_probe window | awk '{ print $4 }') $(bw_probe text $cmdRoll)"
}

# --- First run: no settings yet. The window opens centered on the 1024 x 768 screen,
# topmost, at its layout size, and announces itself in the room.
wine reg delete "$settings" /f >/dev/null 2>&1
start_logged "$room" --log "$wlog"
bw_start || { echo "the main window did not show"; exit 1; }
wait_for grown 1 2
check "opening lines: bold faded from blue, bold green waves" \
  "chat $(hex '<B><FONT COLOR=#0000FF>')|chat $(hex '<B><FONT COLOR=#339933>')" "$(heads 1)"
check "outer place and size, client size, topmost, not minimized" \
  "325 227 375 314 369 289 1 0" "$(awk '{ print $1, $2, $3, $4, $7, $8, $9, $10 }' <<<"$bw_window")"

# --- The layout as the window made it: class, place, size and caption (client coordinates)
# of a control of each kind, at the window's level and inside each group, so every way a
# place is worked out; which option starts checked; the keyboard order.
while read -r id rest; do
  check "control $id: class, place, size, caption" "$id $rest" \
    "$(awk -v id="$id" '$1 == id { print $1, $2, $3, $4, $5, $6, $9 }' <<<"$bw_controls")"
done <<EOF2
100 Edit 8 8 233 19 -
103 Button 344 8 17 19 $(hex U)
107 Button 192 50 153 17 $(hex 'Grow and Shrink (IM Only)')
113 Static 72 112 33 33 -
117 Static 16 184 65 17 $(hex 'From Color:')
122 Button 8 224 161 57 $(hex Formatting)
125 Button 88 240 73 17 $(hex Underline)
129 Button 192 256 73 17 C96CEE74EA
132 BrindlewickDrawBox 256 176 97 33 -
133 BrindlewickDrawBox 209 91 160 75 -
EOF2
check "34 controls, only No Effect starts checked" "34 $optNoEffect" \
  "$(wc -l <<<"$bw_controls") $(awk '$8 == 1 { print $1 }' <<<"$bw_controls" | paste -sd ' ')"
bw_click $txtSend
order=$(for _ in $(seq 14); do bw_probe focus; xdotool key Tab; done | paste -sd ' ')
check "Tab visits the text box, the buttons, the selected option, the check boxes" \
  "100 101 102 103 105 123 124 125 126 128 129 130 131 100" "$order"

# --- Sending: a styled line to the room, placeholders filled before the transforms; the
# box empties and Enter never sends. Grow and Shrink (picked here) sizes an IM's font.
mark=$(lines)
type_in 'hi %me%'
xdotool key Return
bw_click $chkBold
bw_click $chkBackwards
check "To Chat: bold, backwards, %me% filled in first; the box emptied" \
  "chat $(hex '<B>edleVanroZ ih</B>') -" "$(send $cmdSendChat "$mark") $(bw_probe text $txtSend)"
bw_click $chkBold
bw_click $chkBackwards
bw_click $optGrowShrink
type_in hey
check "To IM with Grow and Shrink: font sizes" "im yes" \
  "$(send $cmdSendIM | sed -n "s/^\(im\) .*$(hex 'SIZE').*/\1 yes/p")"
bw_click $optNoEffect

# --- Up arrow brings back the last line sent, replacing what was typed.
type_in typed
xdotool key Up
check "Up recalls the last line" "$(hex hey)" "$(bw_probe text $txtSend)"

# --- An empty box: the message box, dismissed with Enter as a person would.
xdotool key ctrl+Home shift+End BackSpace
mark=$(lines)
bw_click $cmdSendChat
check "empty box: message, gone after Enter, nothing sent" "There is no text to send.|none|" \
  "$(bw_probe msgbox 3000)|$(xdotool key Return; bw_probe msgbox 0)|$(since "$mark")"

# --- Rolling up and down, then closing rolled up: the end lines and the eight settings.
check "rolled up to 60 pixels (900 twips) and down to 314 (4710), caption D then U" \
  "60 $(hex D) 314 $(hex U)" "$(roll) $(roll)"
bw_click $cmdRoll
mark=$(lines)
xdotool key alt+F4
bw_wait_closed
wait_for grown "$mark" 2
check "closing: bold faded from red, bold green waves, nothing more" \
  "chat $(hex '<B><FONT COLOR=#FF0000>')|chat $(hex '<B><FONT COLOR=#339933>')" "$(heads "$mark")"
check "settings written at close" "4875 3405 900 hey 65280 0 255 16711680" \
  "$(for k in Left Top Height LastSend AltColor1 AltColor2 FadeColor1 FadeColor2; do
      setting $k
    done | paste -sd ' ')"

# --- A restart beside a client with an IM window and a Welcome window but no chat room:
# it comes back rolled up in the same place and sends its opening and closing lines
# nowhere, not into the IM window either. (The room starts first: without a window
# manager, a window mapped later covers even a topmost one on the X screen, though not in
# the window system's own order.)
start_logged "$room" --log "$wlog" --no-chat
mark=$(lines)
bw_start || { echo "the main window did not show"; exit 1; }
check "restart: same place, rolled up, topmost above the room, caption D" \
  "325 227 60 1|1 Brindlewick for AOL 4.0 by ZornaVelde|$(hex D)" \
  "$(awk '{ print $1, $2, $4, $9 }' <<<"$bw_window")|$(bw_probe zorder | grep -m1 Brindlewick)|$(
    bw_probe text $cmdRoll)"
bw_click $cmdRoll

# --- The other message box, dismissed with its OK button; nothing is sent.
bw_click $cmdSendChat
check "no chat room: the message, gone after OK" "You aren't in chat.|none" \
  "$(bw_probe msgbox 3000)|$(bw_probe press-ok; bw_probe msgbox 0)"
bw_probe close
bw_wait_closed
check "with an IM window but no chat room, opening, refusal and closing send nothing" "" \
  "$(since "$mark")"
finish "main window"
