#!/usr/bin/env bash
# Brindlewick at the densities people run it at: 96 dots per inch, 120 (Windows 7 at
# 125 %, Windows XP's large fonts) and 144 (150 %), set as Wine's LogPixels. Every window
# and control is its layout scaled by dpi / 96 (edges rounded, halves to even), twips
# convert at 1440 / dpi to the pixel, and screenshots show no caption, splash text or
# ticker name cut.
. "$(dirname "$0")/lib.sh"
need "$BW_BUILD/app/Brindlewick.exe" "$room" "$BW_BUILD/e2e/main_probe.exe"
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
# Whatever happens here, the tests after this one run at 96 dpi.
trap 'set_dpi 96; stop_app; [ -n "$bw_pid" ] && kill "$bw_pid" 2>/dev/null; wait; rm -rf "$work"' EXIT

# How many pixels of COLOR (#RRGGBB) the last screenshot has in a rectangle X Y W H.
count() { convert "$work/shot.png" -crop "$3x$4+$1+$2" +repage txt:- | grep -c "$5"; }
# Control rectangles (client coordinates) as "ID LEFT TOP WIDTH HEIGHT", one per line.
rects() { awk '{ print $1, $3, $4, $5, $6 }' <<<"$bw_controls"; }
# The same rectangles scaled from 96 dpi to DPI by their edges.
scaled() {  # DPI
  while read -r id x y w h; do
    local l t
    l=$(bw_scale "$1" "$x") t=$(bw_scale "$1" "$y")
    echo "$id $l $t $(($(bw_scale "$1" $((x + w))) - l)) $(($(bw_scale "$1" $((y + h))) - t))"
  done <<<"$layout"
}

# Check boxes and options: red captions end before the box's last column.
options_checks=(105 106 107 108 109 110 123 124 125 126 128 129 130 131)
# Labels and the control beside them that covers the end of their box.
labels=("112 113" "114 115" "117 118" "119 120" "121 132")

# Captions, seen whole: the ones that end inside their boxes, then each label with the
# control beside it hidden, whose text must end before that control begins. Prints the
# captions that are cut.
cut_captions() {
  local id pair label beside x y w h bx
  shot
  for id in "${options_checks[@]}"; do
    bw_rect "$id"
    x=$((bw_client_x + left + width - 1)) y=$((bw_client_y + top))
    [ "$(count "$x" "$y" 1 "$height" '#FF0000')" -eq 0 ] || echo "$id"
  done
  for pair in "${labels[@]}"; do
    read -r label beside <<<"$pair"
    bw_rect "$beside"
    bx=$((bw_client_x + left))
    bw_probe show "$beside" 0
    sleep 0.3
    shot
    bw_rect "$label"
    x=$((bw_client_x + left)) y=$((bw_client_y + top)) w=$width h=$height
    rightmost=$(convert "$work/shot.png" -crop "${w}x$h+$x+$y" +repage txt:- |
      awk -F'[,:]' -v x0="$x" '/#FF0000/ { if ($1 + x0 > m) m = $1 + x0 } END { print m + 0 }')
    [ "$rightmost" -lt "$bx" ] || echo "$label"
    bw_probe show "$beside" 1
  done
  sleep 0.3
}

# The splash's done text, black on the bar, inside the status box: no black on its edges.
splash_text_cut() {
  shot
  local edges
  edges=$(($(count $box_x $box_y 1 $box_h '#000000') + $(count $((box_x + box_w - 1)) $box_y 1 $box_h '#000000')
    + $(count $box_x $box_y $box_w 1 '#000000') + $(count $box_x $((box_y + box_h - 1)) $box_w 1 '#000000')))
  [ "$edges" -eq 0 ] && echo whole || echo "cut ($edges black pixels on its edges)"
}

# Screenshots of the ticker over some seconds, a whole pass of its names: no yellow in
# its first or last column.
ticker_names_cut() {
  local x y cut=0
  bw_rect 133
  x=$((bw_client_x + left + 2)) y=$((bw_client_y + top + 2))
  for _ in $(seq 25); do
    shot
    cut=$((cut + $(count $x $y 1 $((height - 4)) '#FFFF00') + $(count $((x + width - 5)) $y 1 $((height - 4)) '#FFFF00')))
    sleep 0.2
  done
  [ "$cut" -eq 0 ] && echo whole || echo "cut ($cut yellow pixels on its sides)"
}

# DPI, then the main window's outer place and size on a first run on the 1024 x 768 screen.
for run in "96 325 227 375 314" "120 278 188 469 392" "144 231 148 562 471"; do
  read -r dpi window <<<"$run"
  set_dpi "$dpi"
  wine reg delete "$settings" /f >/dev/null 2>&1
  start_logged "$room" --log "$wlog"
  wine "$BW_BUILD/app/Brindlewick.exe" &
  bw_pid=$!
  wait_for bw_splash_done || { echo "FAIL the splash did not finish loading at $dpi dpi"; exit 1; }
  bw_status_box
  read -r _ _ sw sh _ <<<"$(bw_probe splash)"
  check "$dpi dpi: splash client 400 x 200 scaled, centered; its done text whole" \
    "$(($(bw_scale "$dpi" 400) + 2))x$(($(bw_scale "$dpi" 200) + 2)) whole" \
    "${sw}x$sh $(splash_text_cut)"
  bw_open_main || { echo "FAIL the main window did not show at $dpi dpi"; exit 1; }
  check "$dpi dpi: the window's place and size, from twips at 1440 / $dpi to the pixel" \
    "$window" "$(awk '{ print $1, $2, $3, $4 }' <<<"$bw_window")"
  if [ "$dpi" = 96 ]; then
    layout=$(rects)
  else
    check "$dpi dpi: every control is its 96 dpi rectangle scaled" "$(scaled "$dpi")" "$(rects)"
  fi
  check "$dpi dpi: no caption cut" "" "$(cut_captions | paste -sd ' ')"
  check "$dpi dpi: no ticker name cut" whole "$(ticker_names_cut)"
  xdotool key alt+F4
  bw_wait_closed
  # Twips at the screen's density: 278 pixels are 3336 twips at 120 dpi, 12 to the pixel.
  read -r x y _ <<<"$window"
  check "$dpi dpi: stored place in twips at 1440 / $dpi to the pixel, height as set" \
    "$((x * 1440 / dpi)) $((y * 1440 / dpi)) 4710" \
    "$(setting Left) $(setting Top) $(setting Height)"
done
finish "screen densities"
