# Drives Brindlewick.exe from outside as a person would: starts it through its splash
# screen, clicks its controls where they are on the screen, waits for it to close.
# Source it with BW_BUILD set (the mingw build folder), under a Wine session
# (e2e/wine_session.sh) with pipefail set. main_probe.exe reads the window; xdotool
# clicks and types. Every wait here has a bound and returns 1 when it runs out.

# main_probe messages Brindlewick's controls; a Brindlewick that stopped answering must
# not hold the caller for good.
bw_probe() { timeout 20 wine "$BW_BUILD/e2e/main_probe.exe" "$@" | tr -d '\r'; }

# Runs a command up to TRIES times, DELAY seconds apart, until it succeeds (status 0);
# returns 1 if it never did.
bw_poll() {
  local tries=$1 delay=$2
  shift 2
  for _ in $(seq "$tries"); do "$@" && return 0; sleep "$delay"; done
  return 1
}

bw_shown() { [ "$(bw_probe window 2>/dev/null | awk '{ print $11 }')" = 1 ]; }
bw_gone() { ! bw_probe window >/dev/null 2>&1; }
bw_focus_is() { [ "$(bw_probe focus)" = "$1" ]; }

# A click on the splash screen, if it is up. It lands where, should the main window have
# just taken the splash's place (centered, as in every run here), there is only the main
# window's "From Color:" label, which ignores clicks: a click that comes too late must not
# open a swatch's color dialog.
bw_click_splash() {
  local left top _w _h visible
  read -r left top _w _h visible <<<"$(bw_probe splash)"
  [ "$visible" = 1 ] && xdotool mousemove $((left + 1 + 60)) $((top + 1 + 150)) click 1
}

# A layout's pixels (at 96 dpi) on a screen of DPI dots per inch, rounded halves to even,
# as the program scales them.
bw_scale() {  # DPI PIXELS
  awk -v d="$1" -v v="$2" 'BEGIN { q = v * d / 96; f = int(q); r = q - f
    if (r > 0.5 || (r == 0.5 && f % 2 == 1)) f++; print f }'
}

# The splash's status box on the screen: sets box_x, box_y, box_w, box_h to its interior
# (inside its one-pixel border) and splash_dpi to the density the splash was laid out at,
# from its 400-pixel-wide layout. Returns 1 when the splash is not shown.
bw_status_box() {
  local left top width _h visible right bottom
  read -r left top width _h visible <<<"$(bw_probe splash)"
  [ "$visible" = 1 ] || return 1
  splash_dpi=$(((width - 2) * 96 / 400))
  box_x=$((left + 1 + $(bw_scale "$splash_dpi" 200) + 1))
  box_y=$((top + 1 + $(bw_scale "$splash_dpi" 152) + 1))
  right=$((left + 1 + $(bw_scale "$splash_dpi" 377) - 1))
  bottom=$((top + 1 + $(bw_scale "$splash_dpi" 177) - 1))
  box_w=$((right - box_x)) box_h=$((bottom - box_y))
}

# The splash's loading display is done: its status bar's left band, seen on the screen,
# has the last tick's color (blue 255 less one step of 255 / 13).
bw_splash_done() {
  bw_status_box || return 1
  [ "$(import -window root png:- | convert - -format \
        "%[pixel:p{$((box_x + 2)),$((box_y + 1))}]" info:)" = "srgb(19,0,236)" ]
}

# Starts Brindlewick, clicks its splash screen until the main window shows (clicks are
# ignored while it loads and while the main window starts up), and leaves in bw_window the
# probe's window line and in bw_controls its controls, for bw_click. Returns 1 if the main
# window has not shown after about 40 seconds.
bw_start() {
  wine "$BW_BUILD/app/Brindlewick.exe" &
  bw_pid=$!
  bw_open_main
}

# The second half of bw_start, for a Brindlewick already started (bw_pid set).
bw_open_main() {
  for _ in $(seq 200); do
    if bw_window=$(bw_probe window) && [ "$(awk '{ print $11 }' <<<"$bw_window")" = 1 ]; then
      read -r _ _ _ _ bw_client_x bw_client_y _ <<<"$bw_window"
      bw_controls=$(bw_probe controls)
      return 0
    fi
    bw_click_splash
    sleep 0.2
  done
  return 1
}

# Waits (some 10 seconds at most) until typed keys go to the control with the given ID.
bw_wait_focus() { bw_poll 50 0.2 bw_focus_is "$1"; }

# Sets left, top, width and height to the rectangle of the control with the given ID.
bw_rect() { read -r _ _ left top width height _ < <(grep "^$1 " <<<"$bw_controls"); }

# A left click in the middle of the control with the given ID.
bw_click() {
  bw_rect "$1"
  xdotool mousemove $((bw_client_x + left + width / 2)) $((bw_client_y + top + height / 2)) click 1
  sleep 0.15
}

# Waits until the main window is gone and its process has ended: some 20 seconds for the
# window (closing plays the end sound and sends two lines), 10 for the process, which is
# then ended. Returns 1 if either had to be cut short.
bw_wait_closed() {
  local status=0
  bw_poll 100 0.2 bw_gone || status=1
  if ! bw_poll 50 0.2 eval '! kill -0 "$bw_pid" 2>/dev/null'; then
    kill "$bw_pid" 2>/dev/null
    status=1
  fi
  wait "$bw_pid" 2>/dev/null
  bw_pid=
  return "$status"
}
