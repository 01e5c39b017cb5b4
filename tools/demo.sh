# The headless demo, sourced by tools/run.sh once the Wine session and the practice room
# are up: Brindlewick driven as a person would drive it (xdotool on the virtual screen),
# each step checked from outside (main_probe), and the line that reaches the chat room
# compared byte for byte with what brindlewick-compose makes of the same text, options and
# placeholder values. The preview is on: the line it shows before the send must be the line
# the chat room then shows, as the room reads the markup.
#
# Every step has a bound. A step that fails says which it was and what it saw, keeps the
# screenshot, dismisses a message box left open, and ends the demo with status 1 (the
# caller's EXIT trap ends every process it started).
# Needs: BW_BUILD, BW_COMPOSE, demo (output folder), log (the room's log), me, room, you.

line='Hello from %me% in %room%!'
txtSend=100 cmdSendChat=101 optColorFade=108 chkBold=123
# The chat room's last line as its transcript shows it (the room's reading of the markup).
shown_in_room() { timeout 20 wine "$BW_BUILD/e2e/aolctl.exe" chat-transcript | tr -d '\r' |
  xxd -r -p | iconv -f CP1252 -t UTF-8 | tr '\r' '\n' | tail -n 1; }
# The preview's text (main_probe preview: its eighth field), and whether it is shown.
previewed() { demo_text "$(bw_probe preview | awk '{ print $8 }')"; }
preview_shown() { [ "$(bw_probe preview | awk '{ print $5 }')" = 1 ]; }
preview_holds() { [ "$(previewed)" = "$1" ]; }
settings='HKCU\Software\VB and VBA Program Settings\ZornaVelde\Brindlewick for AOL 4.0'
screenshot=$demo/screenshot.png
demo_step_name=

demo_step() {
  demo_step_name=$1
  echo "    $1"
}
demo_hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n' | tr a-f A-F; }
demo_text() { [ "$1" = - ] || xxd -r -p <<<"$1" | iconv -f CP1252 -t UTF-8; }
demo_screenshot() {  # [FILE], the screenshot by default
  xdotool mousemove 0 0  # no tooltip in the picture
  sleep 0.5              # let both windows draw
  import -window root "${1:-$screenshot}"
}

demo_fail() {
  echo "demo: FAILED at \"$demo_step_name\": $*" >&2
  echo "demo: the foreground window was $(bw_probe foreground 2>/dev/null)" >&2
  demo_screenshot
  echo "demo: screenshot: $screenshot" >&2
  local box
  box=$(bw_probe msgbox 0 2>/dev/null)
  if [ -n "$box" ] && [ "$box" != none ]; then
    echo "demo: Brindlewick showed the message \"$box\"; dismissed" >&2
    bw_probe press-ok >/dev/null 2>&1
  fi
  exit 1
}

# A color Brindlewick will load: the stored value when it is one the program wrote (plain
# decimal, 0 to 16777215), else the default the program falls back on.
stored_color() {  # KEY DEFAULT
  local value
  value=$(timeout 60 wine reg query "$settings" /v "$1" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$1 *REG_SZ *//p")
  if [[ $value =~ ^[0-9]{1,8}$ ]] && [ $((10#$value)) -le 16777215 ]; then
    echo $((10#$value))
  else
    echo "$2"
  fi
}
fade_colors="$(stored_color FadeColor1 255),$(stored_color FadeColor2 16711680)"

holds_line() { [ "$(bw_probe text $txtSend)" = "$(demo_hex "$line")" ]; }
checked() { bw_probe controls | awk -v id="$1" '$1 == id { found = $8 == 1 } END { exit !found }'; }
arrived() { [ "$(wc -l <"$log")" -gt "$sent" ]; }

demo_step "starting Brindlewick and clicking its splash screen once it has loaded"
bw_start || demo_fail "the main window did not show within 40 seconds"

demo_step "turning the preview on with F2 (unless it is on from the last run)"
bw_click $txtSend
preview_shown || xdotool key F2
bw_poll 50 0.2 preview_shown || demo_fail "the preview did not show after F2"

demo_step "typing \"$line\" into its text box"
bw_click $txtSend
bw_wait_focus $txtSend || demo_fail "typed keys would go to control $(bw_probe focus), not the text box"
xdotool type --delay 40 "$line"
bw_poll 50 0.2 holds_line ||
  demo_fail "the text box holds \"$(demo_text "$(bw_probe text $txtSend)")\" instead of the typed line"

demo_step "ticking Bold and picking Color Fade"
bw_click $chkBold
bw_click $optColorFade
{ bw_poll 25 0.2 checked $chkBold && bw_poll 25 0.2 checked $optColorFade; } ||
  demo_fail "Bold and Color Fade are not both selected"

filled="Hello from $me in $room!"
bw_poll 50 0.2 preview_holds "$me: $filled" ||
  demo_fail "the preview shows \"$(previewed)\" instead of \"$me: $filled\""
before=$(previewed)
demo_screenshot "$demo/preview.png"  # the line in the preview, before the room has it

demo_step "pressing \"To Chat\""
sent=$(wc -l <"$log")
bw_click $cmdSendChat
bw_poll 100 0.15 arrived || demo_fail "no line reached the practice room's chat within 15 seconds"
got=$(tail -n +"$((sent + 1))" "$log" | head -1 | cut -d' ' -f2)

demo_step "comparing the line with brindlewick-compose's markup"
markup=$("$BW_COMPOSE" --bold --effect=fade --fade-colors="$fade_colors" --me="$me" \
  --room="$room" --you="$you" --encoding=windows-1252 -- "$line") ||
  demo_fail "brindlewick-compose could not compose the line"
expected=$(demo_hex "$markup")
demo_screenshot
echo "Sent to the chat room:"
demo_text "$got"
echo
[ "$got" = "$expected" ] || demo_fail "the line differs from the composer's: $(demo_text "$expected")"
echo "It matches brindlewick-compose's markup for the same text, options and placeholders."
room_shows=$(shown_in_room)
[ "$room_shows" = "$before" ] ||
  demo_fail "the chat room shows \"$room_shows\", the preview showed \"$before\""
echo "The preview showed it as the chat room shows it: \"$before\""

demo_step "closing Brindlewick"
bw_probe close || true
bw_wait_closed || demo_fail "Brindlewick did not close within 30 seconds"
echo "Screenshot of the practice room and Brindlewick: ${screenshot#"$root"/}"
echo "and of the preview before the send: ${demo#"$root"/}/preview.png"
