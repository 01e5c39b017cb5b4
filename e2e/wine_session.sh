#!/usr/bin/env bash
# Starts one Xvfb display and one Wine prefix for a whole run, exports DISPLAY, WINEPREFIX
# and the Wine settings every test process needs, and stops both on exit.
# Source it: `. e2e/wine_session.sh BUILD_DIR`.

BW_WINE_ROOT=${1:?usage: . e2e/wine_session.sh BUILD_DIR}
mkdir -p "$BW_WINE_ROOT"
BW_WINE_ROOT=$(cd "$BW_WINE_ROOT" && pwd)

# The ANSI code page follows LC_ALL: pin 1252 for every Wine process of the run.
export LC_ALL=C.UTF-8
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winealsa.drv=d;winemenubuilder.exe=d;mscoree,mshtml="
export WINEPREFIX="$BW_WINE_ROOT/wineprefix"

# Some machines run no 32-bit program at all (a kernel without IA-32 emulation), so
# Debian's `wine`, which always takes the 32-bit loader when it is installed, fails there.
# Wine's 64-bit loader then runs the 64-bit build of the same programs (tools/wine_arch.sh).
# `wine` and `wine-stable` on PATH stand in for Debian's, for every script and `timeout`.
. "$(dirname "${BASH_SOURCE[0]}")/../tools/wine_arch.sh"
if [ "$(bw_wine_arch)" = 64 ]; then
  mkdir -p "$BW_WINE_ROOT/bin"
  for bw_name in wine wine-stable; do
    printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' \
      >"$BW_WINE_ROOT/bin/$bw_name"
    chmod +x "$BW_WINE_ROOT/bin/$bw_name"
  done
  export PATH="$BW_WINE_ROOT/bin:$PATH"
fi

bw_free_display() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] || { echo "$n"; return; }
  done
  return 1
}

# Safe under `set -e` and when either has already ended.
bw_wine_stop() {
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  if [ -n "${BW_XVFB_PID:-}" ]; then kill "$BW_XVFB_PID" 2>/dev/null || true; fi
  BW_XVFB_PID=
}

# BW_USE_DISPLAY=1 keeps the caller's own $DISPLAY (a person's screen) and starts no Xvfb.
if [ -n "${BW_USE_DISPLAY:-}" ]; then
  : "${DISPLAY:?BW_USE_DISPLAY needs DISPLAY}"
  trap bw_wine_stop EXIT
else
  # BW_DISPLAY_NUM picks the display number; otherwise the first free one from :90 is used.
  if [ -z "${BW_DISPLAY_NUM:-}" ]; then
    BW_DISPLAY_NUM=$(bw_free_display) || { echo "no free X display" >&2; return 1; }
  fi
  Xvfb ":$BW_DISPLAY_NUM" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  BW_XVFB_PID=$!
  export DISPLAY=":$BW_DISPLAY_NUM"
  trap bw_wine_stop EXIT
  # Ready once the lock names our server and its socket is there. Xvfb exits at once when
  # the display is taken, and the other server's socket must not be mistaken for ours.
  bw_xvfb_ready=
  for _ in $(seq 100); do
    kill -0 "$BW_XVFB_PID" 2>/dev/null || break
    bw_lock_pid=$(tr -d ' \n' 2>/dev/null < "/tmp/.X${BW_DISPLAY_NUM}-lock")
    if [ "$bw_lock_pid" = "$BW_XVFB_PID" ] && [ -e "/tmp/.X11-unix/X$BW_DISPLAY_NUM" ]; then
      bw_xvfb_ready=1
      break
    fi
    sleep 0.1
  done
  if [ -z "$bw_xvfb_ready" ]; then
    echo "Xvfb could not start on :$BW_DISPLAY_NUM (display in use?)" >&2
    kill "$BW_XVFB_PID" 2>/dev/null
    BW_XVFB_PID=
    return 1
  fi
fi

# Wine's own start-up is bounded too: a prefix that cannot be made within two minutes, or
# a server that does not settle, ends the session instead of holding it.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating a Wine prefix in $WINEPREFIX (once, some 20 seconds)..." >&2
  if ! timeout 120 wineboot -i >/dev/null 2>&1 || ! timeout 120 wineserver -w; then
    echo "Wine could not create its prefix in $WINEPREFIX within two minutes" >&2
    bw_wine_stop
    return 1
  fi
  # Without a window manager every hide or destroy of a top-level window costs ~2 s;
  # unmanaged windows close at once.
  timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  timeout 60 wineserver -w
fi
# Wine's own fonts (Debian's fonts-wine: Marlett draws the caption buttons, Tahoma the
# dialogs and message boxes) are installed where this Wine does not look for them; a
# prefix's Fonts folder is where every Wine looks.
bw_fonts=$WINEPREFIX/drive_c/windows/Fonts
if [ -d /usr/share/wine/fonts ] && [ -d "$bw_fonts" ] && [ ! -e "$bw_fonts/marlett.ttf" ]; then
  cp /usr/share/wine/fonts/*.ttf "$bw_fonts/"
fi
wineserver -p >/dev/null 2>&1
