#!/usr/bin/env bash
# Brindlewick against the least a Windows program can do, side by side in one Wine prefix:
# a benchmark, not a test. It prints every round and the medians.
#
#   1. The first window: milliseconds from CreateProcess until the splash is visible, next
#      to a program that only shows a window (bench_window.exe), rounds alternating; timed by
#      first_window.exe.
#   2. CPU at rest: Brindlewick's main window, past the splash, idle, its ticker scrolling,
#      next to a window with a 1 ms timer that does nothing (bench_timer.exe); each
#      process's own utime+stime from /proc/PID/stat, both over the same seconds.
#
# Usage: tools/bench.sh [MINGW_BUILD_DIR]   (default: the build Wine runs here)
#   BENCH_START_ROUNDS  rounds of the first window (9)
#   BENCH_CPU_ROUNDS    rounds of CPU at rest (5)
#   BENCH_SECONDS       seconds each CPU round measures each program (20)
#   BENCH_SETTLE        seconds between the main window's showing and the first CPU round (30)
#   BENCH_EXE           the Brindlewick.exe to measure (MINGW_BUILD_DIR/app/Brindlewick.exe)
#   BW_DISPLAY_NUM      the Xvfb display to use (the first free one from :90)
# The machine's load (uptime) is printed with every round: other work skews the figures.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/wine_arch.sh"
build=${1:-$root/build/$(bw_wine_preset)}
export BW_BUILD=$(cd "$build" 2>/dev/null && pwd) || { echo "no build folder $build" >&2; exit 2; }
exe=${BENCH_EXE:-$BW_BUILD/app/Brindlewick.exe}
start_rounds=${BENCH_START_ROUNDS:-9} cpu_rounds=${BENCH_CPU_ROUNDS:-5} seconds=${BENCH_SECONDS:-20}
settle=${BENCH_SETTLE:-30}
for f in "$exe" "$BW_BUILD/e2e/main_probe.exe" "$BW_BUILD/bench/bench_window.exe" \
  "$BW_BUILD/bench/bench_timer.exe" "$BW_BUILD/bench/first_window.exe"; do
  [ -f "$f" ] || { echo "missing $f (build the mingw preset's targets first)" >&2; exit 2; }
done

. "$root/e2e/wine_session.sh" "$BW_BUILD/bench-run" || exit 1
. "$root/e2e/main_drive.sh"

windows_path() { local p=$1; echo "Z:${p//\//\\}"; }
load() { uptime | sed 's/.*load average: /load /'; }
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2];
  else printf "%.2f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

bw_pid= timer_pid=
# Every process this script started, by its PID, then the session (Wine and Xvfb).
stop_all() {
  local pid
  for pid in $bw_pid $timer_pid; do
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null
  done
  bw_pid= timer_pid=
  bw_wine_stop
}
trap stop_all EXIT
trap 'exit 130' INT TERM

if [ "$(bw_wine_arch)" = 64 ]; then
  echo "Wine runs the x86_64 build here ($(bw_wine_preset) preset; the machine runs no 32-bit program)"
else
  echo "Wine runs the i686 build here ($(bw_wine_preset) preset)"
fi
echo "build: $BW_BUILD"
echo "Brindlewick: $exe"
echo "machine: $(nproc) cores, $(load)"
# Wine's first programs of a prefix spend seconds on its own start: one of each, untimed.
warm() {
  timeout 120 wine "$BW_BUILD/bench/first_window.exe" "$1" 60000 "$(windows_path "$2")" \
    >/dev/null 2>&1 || echo "warm-up of $(basename "$2") showed no window within 60 seconds"
}
warm BenchWindow "$BW_BUILD/bench/bench_window.exe"
warm BrindlewickSplash "$exe"

# ---- 1. The first window -------------------------------------------------------------------
# first_window.exe bounds its own wait (30 s) and ends the program it started. Its output
# goes to a file, not a pipe, which a Wine process it started could hold open.
first_window() {  # CLASS EXE: milliseconds, or "timeout"
  local out=$BW_WINE_ROOT/first-window.out
  : >"$out"
  timeout 90 wine "$BW_BUILD/bench/first_window.exe" "$1" 30000 "$(windows_path "$2")" \
    >"$out" 2>/dev/null
  tr -d '\r' <"$out" | tail -n 1
}
echo
echo "== First window: ms from CreateProcess to a visible window, $start_rounds rounds"
: >"$BW_WINE_ROOT/start-window" && : >"$BW_WINE_ROOT/start-bw"
for r in $(seq "$start_rounds"); do
  if [ $((r % 2)) -eq 1 ]; then
    a=$(first_window BenchWindow "$BW_BUILD/bench/bench_window.exe")
    b=$(first_window BrindlewickSplash "$exe")
  else
    b=$(first_window BrindlewickSplash "$exe")
    a=$(first_window BenchWindow "$BW_BUILD/bench/bench_window.exe")
  fi
  printf 'round %d: bench_window %s ms, Brindlewick splash %s ms (%s)\n' "$r" "$a" "$b" "$(load)"
  [[ $a =~ ^[0-9.]+$ ]] && echo "$a" >>"$BW_WINE_ROOT/start-window"
  [[ $b =~ ^[0-9.]+$ ]] && echo "$b" >>"$BW_WINE_ROOT/start-bw"
done
ma=$(median <"$BW_WINE_ROOT/start-window") mb=$(median <"$BW_WINE_ROOT/start-bw")
if [ -n "$ma" ] && [ -n "$mb" ]; then
  echo "median: bench_window $ma ms, Brindlewick splash $mb ms, ratio $(awk -v a="$ma" -v b="$mb" \
    'BEGIN { printf "%.2f", b / a }')"
else
  echo "median: no figures (every round timed out)"
fi

# ---- 2. CPU at rest ------------------------------------------------------------------------
# The Wine process that runs EXE: PID itself, or the one of its descendants whose command
# line names EXE (a loader may start the program in a child).
program_pid() {  # PID EXE
  local pid=$1 name child
  name=$(basename "$2")
  for _ in 1 2 3; do
    tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -qF "$name" && { echo "$pid"; return 0; }
    child=$(pgrep -P "$pid" | head -n 1) || return 1
    pid=$child
  done
  return 1
}
cpu_ticks() {  # PID: utime + stime, in clock ticks
  sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | awk '{ print $12 + $13 }'
}
hz=$(getconf CLK_TCK)
percent() {  # TICKS_BEFORE TICKS_AFTER: % of one core over $seconds seconds
  awk -v d=$(($2 - $1)) -v hz="$hz" -v s="$seconds" 'BEGIN { printf "%.2f", 100 * d / hz / s }'
}
echo
echo "== CPU at rest: % of one core, both over the same $seconds s, $cpu_rounds rounds"
wine "$BW_BUILD/bench/bench_timer.exe" >/dev/null 2>&1 &
timer_pid=$!
wine "$exe" >/dev/null 2>&1 &
bw_pid=$!
# bw_open_main clicks the splash away once it says "Done Loading" (some 40 seconds at most).
if ! bw_open_main; then
  echo "Brindlewick's main window did not show within some 40 seconds"
  exit 1
fi
timer_proc=$(program_pid "$timer_pid" bench_timer.exe) ||
  { echo "no process runs bench_timer.exe under PID $timer_pid"; exit 1; }
bw_proc=$(program_pid "$bw_pid" "$exe") ||
  { echo "no process runs $(basename "$exe") under PID $bw_pid"; exit 1; }
# At rest: the start-up's announcements, first paints and the ticker's first pass through
# its entries (each entry's image is made then) are over.
echo "main window shown; $settle s to come to rest"
sleep "$settle"
: >"$BW_WINE_ROOT/cpu-timer" && : >"$BW_WINE_ROOT/cpu-bw" && : >"$BW_WINE_ROOT/cpu-diff"
for r in $(seq "$cpu_rounds"); do
  # Both over the same seconds: what the machine does meanwhile weighs on both alike.
  t0=$(cpu_ticks "$timer_proc") b0=$(cpu_ticks "$bw_proc")
  sleep "$seconds"
  t1=$(cpu_ticks "$timer_proc") b1=$(cpu_ticks "$bw_proc")
  if [ -z "$t0" ] || [ -z "$b0" ] || [ -z "$t1" ] || [ -z "$b1" ]; then
    echo "round $r: a process ended during the measurement"
    exit 1
  fi
  a=$(percent "$t0" "$t1") b=$(percent "$b0" "$b1")
  d=$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", b - a }')
  printf 'round %d: bench_timer %s %%, Brindlewick %s %%, difference %s (%s)\n' "$r" "$a" "$b" "$d" \
    "$(load)"
  echo "$a" >>"$BW_WINE_ROOT/cpu-timer" && echo "$b" >>"$BW_WINE_ROOT/cpu-bw"
  echo "$d" >>"$BW_WINE_ROOT/cpu-diff"
done
echo "median: bench_timer $(median <"$BW_WINE_ROOT/cpu-timer") %, Brindlewick" \
  "$(median <"$BW_WINE_ROOT/cpu-bw") %, difference $(median <"$BW_WINE_ROOT/cpu-diff") % of a core"
