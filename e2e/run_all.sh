#!/usr/bin/env bash
# Runs every end-to-end test (e2e/*_test.sh) under one Xvfb display and one Wine prefix.
# Usage: e2e/run_all.sh MINGW_BUILD_DIR [NAME_FILTER]
# BW_DISPLAY_NUM=NN picks the Xvfb display number; BW_NATIVE_BUILD the native build folder;
# BW_TEST_TIMEOUT the seconds one test may take (600); BW_I686_BUILD the 32-bit build.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
export BW_BUILD=$(cd "${1:?usage: e2e/run_all.sh MINGW_BUILD_DIR}" && pwd)
# Native tools (such as brindlewick-compose) come from this build folder.
export BW_NATIVE_BUILD=${BW_NATIVE_BUILD:-$(cd "$here/.." && pwd)/build/debug}
# The 32-bit build, which the checks that only read the program file read: BW_BUILD itself
# unless Wine runs a 64-bit build here (tools/wine_arch.sh).
export BW_I686_BUILD=${BW_I686_BUILD:-$BW_BUILD}
. "$here/wine_session.sh" "$BW_BUILD/e2e-run" || exit 1
# A test that hangs (a window that never answers a message) fails instead of holding the
# run; timeout also ends the test's own Wine processes.
timeout=${BW_TEST_TIMEOUT:-600}

passed=0 failed=0
for t in "$here"/*${2:-}*_test.sh; do
  [ -e "$t" ] || continue
  name=$(basename "$t" .sh)
  echo "=== $name"
  if timeout --kill-after=10 "$timeout" bash "$t"; then passed=$((passed + 1)); echo "--- ok: $name"
  else failed=$((failed + 1)); echo "--- FAILED: $name"; fi
done
echo "e2e: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
