#!/usr/bin/env bash
# The color swatches, the fade preview and the shout-out ticker as a person sees them:
# screenshots give the preview's seven bands and the swatches' colors, the color dialog
# is opened with a click and answered with the keyboard, and the ticker box changes
# between two screenshots. Run by e2e/run_all.sh (BW_BUILD, DISPLAY, WINEPREFIX).
set -uo pipefail
settings='HKCU\Software\VB and VBA Program Settings\ZornaVelde\Brindlewick for AOL 4.0'
work=$(mktemp -d "${TMPDIR:-/tmp}/bw-colors.XXXXXX")
bw_pid=
failed=0 cases=0
trap '[ -n "$bw_pid" ] && kill "$bw_pid" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
for tool in "$BW_BUILD/app/Brindlewick.exe" "$BW_BUILD/e2e/main_probe.exe"; do
  [ -x "$tool" ] || { echo "missing $tool (build it first)"; exit 1; }
done
. "$(dirname "$0")/main_drive.sh"

# Control IDs of the main window.
lblAltColor2=115 lblFrom=118 picResult=132 picShoutz=133

check() {  # check LABEL EXPECTED ACTUAL
  cases=$((cases + 1))
  if [ "$2" != "$3" ]; then
    failed=$((failed + 1))
    printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
  fi
}
shot() { import -window root "$work/shot.png"; }
pixel() { convert "$work/shot.png" -format "%[pixel:p{$1,$2}]" info:; }  # pixel X Y
rect() { awk -v id="$1" '$1 == id { print $3, $4, $5, $6 }' <<<"$bw_controls"; }
center_pixel() {  # center_pixel ID: the color in the middle of a control
  local left top width height
  read -r left top width height <<<"$(rect "$1")"
  pixel $((bw_client_x + left + width / 2)) $((bw_client_y + top + height / 2))
}
# The preview's seven visible bands, left to right: 2 of its 13.95 units (13 or 14 pixels)
# each over the 93 x 29 pixel interior inside the sunken border.
bands() {
  local left top _w _h x out=
  read -r left top _w _h <<<"$(rect $picResult)"
  for x in 6 20 33 46 60 73 86; do
    out+="$(pixel $((bw_client_x + left + 2 + x)) $((bw_client_y + top + 2 + 14))) "
  done
  echo "${out% }"
}
dialog() { xdotool search --onlyvisible --name '^Color$' 2>/dev/null | head -1; }
wait_dialog() {  # wait_dialog yes|no
  for _ in $(seq 50); do
    [ "$([ -n "$(dialog)" ] && echo yes || echo no)" = "$1" ] && return 0
    sleep 0.1
  done
}

wine reg delete "$settings" /f >/dev/null 2>&1  # first run: fade from red to blue
bw_start || { echo "FAIL the main window did not show"; exit 1; }
sleep 0.3
shot
red_to_blue="srgb(219,0,36) srgb(183,0,72) srgb(147,0,108) srgb(111,0,144) srgb(75,0,180) srgb(39,0,216) srgb(3,0,252)"
check "preview: red to blue in seven bands, none the start color" "$red_to_blue" "$(bands)"

# The ticker moves: its box differs between two moments. The picture rests for half a
# second on its way, so a few moments are tried.
read -r left top width height <<<"$(rect $picShoutz)"
crop="$((width - 4))x$((height - 4))+$((bw_client_x + left + 2))+$((bw_client_y + top + 2))"
convert "$work/shot.png" -crop "$crop" +repage "$work/ticker1.png"
changed=0
for _ in $(seq 8); do
  sleep 0.3
  shot
  convert "$work/shot.png" -crop "$crop" +repage "$work/ticker2.png"
  changed=$(compare -metric AE "$work/ticker1.png" "$work/ticker2.png" null: 2>&1)
  [[ $changed =~ ^[1-9] ]] && break
done
check "ticker: the box changes as it scrolls" yes "$([[ $changed =~ ^[1-9] ]] && echo yes || echo "no: $changed")"
lit=$(convert "$work/ticker1.png" "$work/ticker2.png" -append -format '%[fx:maxima.r > 0]' info:)
check "ticker: something is drawn in it" 1 "$lit"

# Cancel leaves the swatch's color; the dialog covered the preview, which repaints.
bw_click $lblFrom
wait_dialog yes
check "swatch click opens the color dialog" yes "$([ -n "$(dialog)" ] && echo yes || echo no)"
xdotool key Escape
wait_dialog no
sleep 0.2
shot
check "cancel: the swatch keeps red" "srgb(255,0,0)" "$(center_pixel $lblFrom)"
check "cancel: the preview is drawn again, unchanged" "$red_to_blue" "$(bands)"

# A chosen color becomes the swatch's and redraws the preview. The dialog opens on the
# swatch's color with the focus in its Red field.
bw_click $lblFrom
wait_dialog yes
xdotool type --delay 40 0
xdotool key Tab
xdotool type --delay 40 255
xdotool key Tab
xdotool type --delay 40 0
xdotool key Return
wait_dialog no
sleep 0.2
shot
check "chosen color: the swatch turns green" "srgb(0,255,0)" "$(center_pixel $lblFrom)"
green_to_blue="srgb(0,219,36) srgb(0,183,72) srgb(0,147,108) srgb(0,111,144) srgb(0,75,180) srgb(0,39,216) srgb(0,3,252)"
check "chosen color: the preview fades from green" "$green_to_blue" "$(bands)"

# An alternate color changes only its swatch.
bw_click $lblAltColor2
wait_dialog yes
xdotool type --delay 40 255
xdotool key Tab
xdotool type --delay 40 255
xdotool key Return
wait_dialog no
sleep 0.2
shot
check "alternate color 2 turns yellow" "srgb(255,255,0)" "$(center_pixel $lblAltColor2)"
check "alternate color leaves the preview" "$green_to_blue" "$(bands)"

bw_probe close >/dev/null
bw_wait_closed
stored=$(wine reg query "$settings" /v FadeColor1 2>/dev/null | tr -d '\r' | sed -n 's/^ *FadeColor1 *REG_SZ *//p')
check "the chosen fade color is kept for the next run" 65280 "$stored"
wine reg delete "$settings" /f >/dev/null 2>&1

echo "colors and ticker: $((cases - failed)) of $cases checks passed"
[ "$failed" -eq 0 ]
