#!/usr/bin/env bash
# Installs what is missing, builds the Windows programs and runs Brindlewick beside the
# practice room (a stand-in for the AOL client) under Wine.
#
# With a display ($DISPLAY set), both open on it: type a line into Brindlewick, pick a
# style and press "To Chat"; the styled line shows up in the practice room. Closing
# Brindlewick ends the run.
# Without a display, a scripted demo runs on a virtual screen: it types a line, picks bold
# and a color fade, sends the line to the chat room and saves a screenshot of both
# programs to build/demo/screenshot.png.
# BW_MINGW_BUILD=DIR uses an already configured Windows build folder instead of the preset.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
tools/setup.sh
if [ -z "${BW_MINGW_BUILD:-}" ]; then
  cmake --preset mingw >/dev/null
  BW_MINGW_BUILD=build/mingw
fi
cmake --build "$BW_MINGW_BUILD" --target Brindlewick PracticeRoom main_probe >/dev/null

export BW_BUILD=$(cd "$BW_MINGW_BUILD" && pwd)
demo=$root/build/demo
mkdir -p "$demo"
interactive=
if [ -n "${DISPLAY:-}" ]; then
  interactive=1
  export BW_USE_DISPLAY=1
fi
set +e  # the session script polls with commands that may fail on the way
. e2e/wine_session.sh "$demo" || exit 1
set -e
. e2e/main_drive.sh
# A desktop's window manager frames the windows and keeps Brindlewick on top; the virtual
# screen has none, and its windows are best left unmanaged.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$([ -n "$interactive" ] && echo Y || echo N)" \
  /f >/dev/null 2>&1

room_pid= bw_pid=
stop_all() {
  [ -n "$bw_pid" ] && kill "$bw_pid" 2>/dev/null
  [ -n "$room_pid" ] && kill "$room_pid" 2>/dev/null
  bw_wine_stop
}
trap stop_all EXIT

log=$demo/room.log
: > "$log"
wine "$BW_BUILD/practice/PracticeRoom.exe" --log "Z:${log//\//\\}" &
room_pid=$!
for _ in $(seq 300); do grep -qx ready "$log" && break; sleep 0.05; done

if [ -n "$interactive" ]; then
  wine "$BW_BUILD/app/Brindlewick.exe" &
  bw_pid=$!
  echo "Brindlewick and the practice room are open on $DISPLAY."
  echo "Click the splash screen once it has loaded, type a line, pick a style, press \"To Chat\"."
  echo "Close Brindlewick to end."
  wait "$bw_pid" || true
  bw_pid=
  exit 0
fi

txtSend=100 cmdSendChat=101 optColorFade=108 chkBold=123
echo "No display: running the demo on a virtual screen..."
bw_start || { echo "Brindlewick's main window did not show" >&2; exit 1; }
bw_click $txtSend
xdotool type --delay 40 'Hello from %me% in %room%!'
bw_click $chkBold
bw_click $optColorFade
sent=$(wc -l < "$log")
bw_click $cmdSendChat
for _ in $(seq 100); do [ "$(wc -l < "$log")" -gt "$sent" ] && break; sleep 0.05; done
xdotool mousemove 0 0  # no tooltip over the picture
sleep 0.5              # let the room draw the line
import -window root "$demo/screenshot.png"
echo "Sent to the chat room:"
tail -n +"$((sent + 1))" "$log" | head -1 | cut -d' ' -f2 | xxd -r -p | iconv -f CP1252 -t UTF-8
echo
bw_probe close
bw_wait_closed
echo "Screenshot of the practice room and Brindlewick: build/demo/screenshot.png"
