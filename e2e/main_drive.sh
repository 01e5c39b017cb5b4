# Drives Brindlewick.exe from outside as a person would: starts it through its splash
# screen, clicks its controls where they are on the screen, waits for it to close.
# Source it with BW_BUILD set (the mingw build folder), under a Wine session
# (e2e/wine_session.sh) with pipefail set. main_probe.exe reads the window; xdotool
# clicks and types.

bw_probe() { wine "$BW_BUILD/e2e/main_probe.exe" "$@" | tr -d '\r'; }

# Starts Brindlewick, clicks its splash screen until the main window shows (clicks are
# ignored while it loads), and leaves in bw_window the probe's window line and in
# bw_controls its controls, for bw_click. Returns 1 if the main window never shows.
bw_start() {
  local visible
  wine "$BW_BUILD/app/Brindlewick.exe" &
  bw_pid=$!
  for _ in $(seq 200); do
    if bw_window=$(bw_probe window) && [ "$(awk '{ print $11 }' <<<"$bw_window")" = 1 ]; then
      read -r _ _ _ _ bw_client_x bw_client_y _ <<<"$bw_window"
      bw_controls=$(bw_probe controls)
      return 0
    fi
    read -r left top width height visible <<<"$(bw_probe splash)"
    [ "$visible" = 1 ] && xdotool mousemove $((left + width / 2)) $((top + height / 2)) click 1
    sleep 0.2
  done
  return 1
}

# Sets left, top, width and height to the rectangle of the control with the given ID.
bw_rect() { read -r _ _ left top width height _ < <(grep "^$1 " <<<"$bw_controls"); }

# A left click in the middle of the control with the given ID.
bw_click() {
  bw_rect "$1"
  xdotool mousemove $((bw_client_x + left + width / 2)) $((bw_client_y + top + height / 2)) click 1
  sleep 0.15
}

# Waits until the main window is gone and its process has ended.
bw_wait_closed() {
  for _ in $(seq 100); do bw_probe window >/dev/null && sleep 0.1 || break; done
  wait "$bw_pid" 2>/dev/null
  bw_pid=
}
