#!/usr/bin/env bash
# Installs what is missing, builds the Windows programs and the composer, and runs
# Brindlewick beside the practice room (a stand-in for the AOL client) under Wine.
#
# With a display ($DISPLAY set), both open on it: type a line into Brindlewick, pick a
# style and press "To Chat"; the styled line shows up in the practice room. Closing
# Brindlewick (or Ctrl+C here) ends the run.
# Without a display, the scripted demo (tools/demo.sh) runs on a virtual screen and checks
# what arrived; it exits non-zero, saying which step failed, if anything goes wrong.
#
# BW_MINGW_BUILD=DIR uses an already configured Windows build folder instead of the preset;
# BW_DEMO_DIR=DIR keeps the Wine prefix and the demo's output there (build/demo).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
step() { printf '==> %s\n' "$*"; }

# A build's output goes to a log; only a failure shows (the end of) it.
build() {  # build LOG CMAKE_ARGS...
  local log=$1
  shift
  if ! "$@" >>"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "run: the build failed; its whole output is in $log" >&2
    exit 1
  fi
}

step "Checking the Debian packages"
tools/setup.sh native windows

mkdir -p build
buildlog=$root/build/run-build.log
: >"$buildlog"
# The 32-bit program, or its 64-bit build where this machine runs no 32-bit program.
. tools/wine_arch.sh
BW_MINGW_BUILD=${BW_MINGW_BUILD:-build/$(bw_wine_preset)}
step "Building Brindlewick.exe and the practice room ($BW_MINGW_BUILD; log: build/run-build.log)"
[ "$BW_MINGW_BUILD" != "build/$(bw_wine_preset)" ] ||
  build "$buildlog" cmake --preset "$(bw_wine_preset)"
build "$buildlog" cmake --build "$BW_MINGW_BUILD" --target Brindlewick PracticeRoom main_probe aolctl
step "Building the composer (build/release/cli/brindlewick-compose)"
build "$buildlog" cmake --preset release
build "$buildlog" cmake --build --preset release --target brindlewick-compose
export BW_COMPOSE=$root/build/release/cli/brindlewick-compose

export BW_BUILD=$(cd "$BW_MINGW_BUILD" && pwd)
demo=${BW_DEMO_DIR:-$root/build/demo}
mkdir -p "$demo"
demo=$(cd "$demo" && pwd)
interactive=
if [ -n "${DISPLAY:-}" ]; then
  interactive=1
  export BW_USE_DISPLAY=1
  step "Starting Wine on $DISPLAY"
else
  step "Starting Wine on a virtual screen (Xvfb)"
fi
set +e  # the session script polls with commands that may fail on the way
. e2e/wine_session.sh "$demo" || exit 1
set -e
. e2e/main_drive.sh

# Wine frames its windows itself unless a window manager does: a desktop's window manager
# frames them and keeps Brindlewick on top; on a bare X server, or the virtual screen,
# Wine's own frames and caption buttons are the ones to use.
managed=N
if [ -n "$interactive" ] && xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
  managed=Y
fi
timeout 60 wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1

room_pid= bw_pid=
# Ends everything the run started, whatever has already ended by itself.
stop_all() {
  local pid
  for pid in $bw_pid $room_pid; do kill "$pid" 2>/dev/null || true; done
  bw_wine_stop
}
trap stop_all EXIT
trap 'echo; echo "run: interrupted"; exit 130' INT TERM

# The practice room, signed on as a screen name, in a chat room, with an IM partner: the
# values Brindlewick puts in for %me%, %room% and %you%.
me=ZornaVelde room="Town Square" you=MoSsWhIrLz
log=$demo/room.log
# Starts the practice room and waits, a minute at most, for its "ready" line; says how it
# failed when the line does not come.
start_room() {
  local status
  : >"$log"
  wine "$BW_BUILD/practice/PracticeRoom.exe" --sn "$me" --room "$room" --partner "$you" \
    --log "Z:${log//\//\\}" &
  room_pid=$!
  for _ in $(seq 1200); do
    grep -qx ready "$log" && return 0
    if ! kill -0 "$room_pid" 2>/dev/null; then
      wait "$room_pid" && status=0 || status=$?
      room_pid=
      echo "run: the practice room ended before it was ready (status $status)" >&2
      return 1
    fi
    sleep 0.05
  done
  echo "run: the practice room did not get ready within 60 seconds" >&2
  return 1
}
if ! start_room; then
  # Once more, as a person would: on a fresh prefix the first program has been seen to
  # fail while Wine was still busy with the prefix.
  [ -z "$room_pid" ] || kill "$room_pid" 2>/dev/null || true
  echo "run: starting the practice room again" >&2
  start_room || exit 1
fi

if [ -n "$interactive" ]; then
  wine "$BW_BUILD/app/Brindlewick.exe" &
  bw_pid=$!
  echo "Brindlewick and the practice room are open on $DISPLAY."
  echo "Click the splash screen once it has loaded, type a line, pick a style, press \"To Chat\"."
  [ "$managed" = N ] && echo "(No window manager runs here: Wine draws the windows' frames.)"
  echo "Close Brindlewick (its close button, or Alt+F4) to end the run; Ctrl+C here ends it too."
  # The run lasts as long as the person uses Brindlewick: this wait ends when they close
  # it, or with Ctrl+C.
  wait "$bw_pid" || true
  bw_pid=
  exit 0
fi

step "Running the demo"
. tools/demo.sh
