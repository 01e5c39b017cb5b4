#!/usr/bin/env bash
# Builds the fuzz preset and fuzzes each harness of fuzz/ for SECONDS (default 300), two at
# a time, at the lowest priority. Each harness grows its own corpus in
# build/fuzz/corpus/HARNESS/ from the seeds in fuzz/corpus/HARNESS/, which it only reads;
# whatever it finds stays in build/fuzz/findings/HARNESS/ and its log in build/fuzz/logs/.
# Prints executions, time and findings per harness; exits 1 when anything was found.
# usage: tools/fuzz.sh [SECONDS] [HARNESS...]    (harnesses: the names of fuzz/*_fuzz.cpp)
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=300
if [[ $# -gt 0 && $1 =~ ^[0-9]+$ ]]; then
  seconds=$1
  shift
fi
all=()
for source in fuzz/*_fuzz.cpp; do
  name=${source#fuzz/}
  all+=("${name%_fuzz.cpp}")
done
harnesses=("$@")
[ ${#harnesses[@]} -eq 0 ] && harnesses=("${all[@]}")
for harness in "${harnesses[@]}"; do
  if [[ " ${all[*]} " != *" $harness "* ]]; then
    echo "fuzz: no harness '$harness' (there are: ${all[*]})" >&2
    exit 2
  fi
done

tools/setup.sh native fuzz
mkdir -p build/fuzz/logs
if ! { cmake --preset fuzz && cmake --build --preset fuzz --parallel "$(nproc)"; } \
    >build/fuzz/logs/build.log 2>&1; then
  tail -n 40 build/fuzz/logs/build.log >&2
  echo "fuzz: the build failed; its whole output is in build/fuzz/logs/build.log" >&2
  exit 1
fi

# libFuzzer stops by itself after -max_total_time; the outer limit only catches a harness
# stuck where libFuzzer cannot interrupt it.
grace=120
run_one() {
  local harness=$1
  local work=build/fuzz/corpus/$harness found=build/fuzz/findings/$harness
  local log=build/fuzz/logs/$harness.log
  mkdir -p "$work" "$found"
  local dict=()
  [ -f "fuzz/$harness.dict" ] && dict=("-dict=fuzz/$harness.dict")
  touch "build/fuzz/logs/$harness.start"
  local start status=0
  start=$(date +%s)
  timeout --kill-after=30 $((seconds + grace)) nice -n 19 "build/fuzz/fuzz/${harness}_fuzz" \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$found/" "${dict[@]}" "$work" "fuzz/corpus/$harness" >"$log" 2>&1 ||
    status=$?
  echo "$status $(($(date +%s) - start))" >"build/fuzz/logs/$harness.status"
}

echo "fuzzing ${harnesses[*]} for ${seconds}s each, two at a time" >&2
running=0
for harness in "${harnesses[@]}"; do
  if [ "$running" -ge 2 ]; then
    wait -n || true
    running=$((running - 1))
  fi
  run_one "$harness" &
  running=$((running + 1))
done
wait

failed=0
printf '%-14s %14s %8s  %s\n' harness executions seconds findings
for harness in "${harnesses[@]}"; do
  log=build/fuzz/logs/$harness.log
  read -r status took <"build/fuzz/logs/$harness.status"
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  [ -n "$executions" ] || executions=$(sed -n 's/^#\([0-9]*\).*DONE.*/\1/p' "$log" | tail -n 1)
  mapfile -t artifacts < <(find "build/fuzz/findings/$harness" -type f \
    -newer "build/fuzz/logs/$harness.start" | sort)
  summary="none"
  if [ ${#artifacts[@]} -gt 0 ]; then
    summary="${#artifacts[@]}: ${artifacts[*]}"
    failed=1
  fi
  if [ "$status" -eq 124 ] || [ "$status" -eq 137 ]; then
    summary="$summary; gave up waiting for it after ${took}s (limit $((seconds + grace))s)"
    failed=1
  elif [ "$status" -ne 0 ]; then
    summary="$summary; exit status $status, see $log"
    failed=1
  fi
  printf '%-14s %14s %8s  %s\n' "$harness" "${executions:-?}" "$took" "$summary"
done
exit "$failed"
