#!/usr/bin/env bash
# What the end-to-end tests share: counted checks, Wine programs that write a log and say
# "ready" in it, hex of exact bytes, waiting, windows found by name, screenshots and
# pixels, the practice room, and Brindlewick driven from outside (main_drive.sh) by its
# controls' IDs. Sourced by each test, which e2e/run_all.sh runs with BW_BUILD,
# BW_NATIVE_BUILD, DISPLAY, WINEPREFIX and LC_ALL set.
set -uo pipefail
work=$(mktemp -d "${TMPDIR:-/tmp}/bw-e2e.XXXXXX")
log=$work/log
wlog="Z:${log//\//\\}"  # the same file as a Windows program names it
settings='HKCU\Software\VB and VBA Program Settings\ZornaVelde\Brindlewick for AOL 4.0'
failed=0 cases=0 app_pid= bw_pid=
room=$BW_BUILD/practice/PracticeRoom.exe
# Control IDs of Brindlewick's main window.
txtSend=100 cmdSendChat=101 cmdSendIM=102 cmdRoll=103 optNoEffect=105 optGrowShrink=107
optRandom=110 lblAltColor2=115 lblFrom=118 chkBold=123 chkBackwards=131
picResult=132 picShoutz=133
. "$(dirname "${BASH_SOURCE[0]}")/main_drive.sh"
type_in() { bw_click $txtSend; xdotool type --delay 30 "$1"; }  # into the text box

# A stopped program (kill -STOP, as a client that stopped answering) must go on to end.
stop_app() {
  [ -z "$app_pid" ] || { kill -CONT "$app_pid" && kill "$app_pid" && wait "$app_pid"; } 2>/dev/null
  app_pid=
}
trap 'stop_app; [ -n "$bw_pid" ] && kill "$bw_pid" 2>/dev/null; wait; rm -rf "$work"' EXIT

need() { for t; do [ -x "$t" ] || { echo "missing $t (build it first)"; exit 1; }; done; }
check() {  # check LABEL EXPECTED ACTUAL
  cases=$((cases + 1))
  [ "$2" = "$3" ] && return 0
  failed=$((failed + 1))
  printf 'FAIL %s\n  expected: %s\n  actual:   %s\n' "$1" "$2" "$3"
}
finish() { echo "$1: $((cases - failed)) of $cases checks passed"; [ "$failed" -eq 0 ]; }
yes_if() { "$@" && echo yes || echo no; }
# Polls a command until it succeeds, for some 15 seconds at most.
wait_for() { for _ in $(seq 300); do "$@" && return 0; sleep 0.05; done; return 1; }

hex() { printf '%s' "$1" | od -An -tx1 | tr -d ' \n' | tr a-f A-F; }
lines() { wc -l <"$log"; }
since() { tail -n +"$(($1 + 1))" "$log" | paste -sd '|'; }  # the log after line MARK
grown() { [ "$(lines)" -ge $(($1 + $2)) ]; }                # MARK COUNT: that many more
setting() {  # NAME: a value Brindlewick keeps
  wine reg query "$settings" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_SZ *//p"
}

# Starts a Wine program that logs to $log (named in its arguments as $wlog), in place of
# the one started before, and waits for its "ready" line: some 60 seconds, since the
# first program of a fresh prefix on a busy machine spends many seconds on Wine's own
# start (its fonts, its services).
start_logged() {
  stop_app
  : >"$log"
  wine "$@" &
  app_pid=$!
  for _ in $(seq 600); do grep -qx ready "$log" && return 0; sleep 0.1; done
  echo "$(basename "$1") did not get ready within 60 seconds"; cat "$log"
  exit 1
}

# aolctl.exe: the automation from another process. A window that never answers would
# hold SendMessageA, and with it the run, forever.
ctl() { timeout 30 wine "$BW_BUILD/e2e/aolctl.exe" "$@" | tr -d '\r'; }
finds() { for f in aol mdi chat im welcome; do ctl "find-$f"; done | paste -sd ' '; }
reads() { echo "$(ctl room)|$(ctl partner)|$(ctl me)"; }

xwin() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1; }  # REGEX
shown() { [ -n "$(xwin "$1")" ]; }
shot() { import -window root "$work/shot.png"; }
pixel() { convert "$work/shot.png" -format "%[pixel:p{$1,$2}]" info:; }  # X Y
