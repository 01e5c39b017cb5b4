#!/usr/bin/env bash
# The color swatches, the fade preview and the shout-out ticker as a person sees them:
# screenshots give the preview's seven bands and the swatches' colors, the color dialog
# is opened with a click and answered with the keyboard, and the ticker box changes
# between two screenshots.
. "$(dirname "$0")/lib.sh"
need "$BW_BUILD/app/Brindlewick.exe" "$BW_BUILD/e2e/main_probe.exe"

center() {  # center ID: the color in the middle of a control
  bw_rect "$1"
  pixel $((bw_client_x + left + width / 2)) $((bw_client_y + top + height / 2))
}
# The preview's seven visible bands, left to right: 2 of its 13.95 units (13 or 14 pixels)
# each over the 93 x 29 pixel interior inside the sunken border, as "R,G,B ...".
bands() {
  bw_rect $picResult
  for x in 6 20 33 46 60 73 86; do
    pixel $((bw_client_x + left + 2 + x)) $((bw_client_y + top + 2 + 14)) && echo
  done | tr -d 'srgb()' | paste -sd ' '
}
ticker() {  # ticker NAME: the ticker box's interior, cut from a fresh screenshot
  shot
  bw_rect $picShoutz
  convert "$work/shot.png" -crop \
    "$((width - 4))x$((height - 4))+$((bw_client_x + left + 2))+$((bw_client_y + top + 2))" \
    +repage "$work/$1.png"
}
# A later frame differs from t1 and shows something lit. The picture rests for half a
# second on its way, and a busy machine draws the first frames late, so a few moments are
# tried.
moved() {
  sleep 0.3
  ticker t2
  [[ $(compare -metric AE "$work/t1.png" "$work/t2.png" null: 2>&1) =~ ^[1-9] ]] &&
    [ "$(convert "$work/t2.png" -format '%[fx:maxima.r > 0]' info:)" = 1 ]
}
# Opens a swatch's color dialog with a click, says whether it opened, and answers it with
# KEYS (it opens on the swatch's color, focus in its Red field).
pick() {  # pick ID KEY...
  bw_click "$1"
  yes_if wait_for shown '^Color$'
  xdotool key --delay 40 "${@:2}"
  wait_for eval '! shown "^Color$"'
  sleep 0.2
  shot
}

wine reg delete "$settings" /f >/dev/null 2>&1  # first run: fade from red to blue
bw_start || { echo "FAIL the main window did not show"; exit 1; }
sleep 0.3
ticker t1
red_to_blue="219,0,36 183,0,72 147,0,108 111,0,144 75,0,180 39,0,216 3,0,252"
check "preview: red to blue in seven bands, none the start color" "$red_to_blue" "$(bands)"
check "ticker: the box changes as it scrolls, and something is drawn in it" yes \
  "$(yes_if wait_for moved)"

# Cancel leaves the swatch's color; the dialog covered the preview, which repaints.
check "cancel: the swatch keeps red, the preview is drawn again unchanged" \
  "yes srgb(255,0,0) $red_to_blue" "$(pick $lblFrom Escape) $(center $lblFrom) $(bands)"
# A chosen color becomes the swatch's and redraws the preview; only green is typed in, so
# red and blue stay as the dialog started them, from the swatch. An alternate color
# changes only its own swatch.
yellow_to_blue="219,219,36 183,183,72 147,147,108 111,111,144 75,75,180 39,39,216 3,3,252"
check "chosen color: red with green added turns yellow, the preview fades from yellow" \
  "yes srgb(255,255,0) $yellow_to_blue" \
  "$(pick $lblFrom Tab 2 5 5 Return) $(center $lblFrom) $(bands)"
check "alternate color 2 turns yellow, the preview stays" "yes srgb(255,255,0) $yellow_to_blue" \
  "$(pick $lblAltColor2 2 5 5 Tab 2 5 5 Return) $(center $lblAltColor2) $(bands)"

bw_probe close >/dev/null
bw_wait_closed
wine reg delete "$settings" /f >/dev/null 2>&1  # the next test starts from the defaults
finish "colors and ticker"
