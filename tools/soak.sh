#!/usr/bin/env bash
# Runs the headless demo (tools/run.sh without a display) many times in a row and says how
# many worked: a soak, not a test. Some runs start from a fresh Wine prefix, the rest from
# the warm one the run before left; CPU hogs can run beside them to make every step slow.
#
# Usage: tools/soak.sh [-n RUNS] [--fresh-every K] [--hogs H]
#   -n RUNS          how many runs (30)
#   --fresh-every K  run 1 and every K-th run after it start from a fresh prefix (3)
#   --hogs H         busy loops to run beside the demo, one per process (0)
# Each run has its own log, and a failed run's screenshot is kept, in build/soak/.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=30 fresh_every=3 hogs=0
while [ $# -gt 0 ]; do
  case $1 in
    -n) runs=${2:?-n needs a number}; shift 2 ;;
    --fresh-every) fresh_every=${2:?--fresh-every needs a number}; shift 2 ;;
    --hogs) hogs=${2:?--hogs needs a number}; shift 2 ;;
    *) echo "usage: tools/soak.sh [-n RUNS] [--fresh-every K] [--hogs H]" >&2; exit 2 ;;
  esac
done

out=$PWD/build/soak
mkdir -p "$out"
hog_pids=()
stop_hogs() { [ ${#hog_pids[@]} -eq 0 ] || kill "${hog_pids[@]}" 2>/dev/null; }
trap stop_hogs EXIT
for _ in $(seq "$hogs"); do
  (while :; do :; done) &
  hog_pids+=($!)
done

worked=0
for i in $(seq "$runs"); do
  kind=warm
  if [ $(((i - 1) % fresh_every)) -eq 0 ]; then
    kind=fresh
    rm -rf "$out/demo/wineprefix"
  fi
  log=$out/run-$i.log
  rm -f "$out/demo/screenshot.png"
  start=$(date +%s.%N)
  # A run bounds each of its steps; this bound only catches what those miss.
  if env -u DISPLAY BW_DEMO_DIR="$out/demo" timeout --kill-after=10 300 tools/run.sh >"$log" 2>&1
  then
    result=worked
    worked=$((worked + 1))
  else
    result="FAILED (status $?): $(grep -m1 '^demo: FAILED\|^run: ' "$log" || tail -n 1 "$log")"
    [ -f "$out/demo/screenshot.png" ] && cp "$out/demo/screenshot.png" "$out/run-$i.png"
  fi
  printf 'run %2d of %d, %-5s prefix: %5.1f s  %s\n' "$i" "$runs" "$kind" \
    "$(echo "$(date +%s.%N) - $start" | bc)" "$result"
done
echo "$worked of $runs worked"
[ "$worked" -eq "$runs" ]
