#!/usr/bin/env bash
# Sets up everything and runs every test: native unit tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the Windows build, two release builds that must be
# byte-identical, and the end-to-end tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh native windows

cmake --preset debug -DBRINDLEWICK_WERROR=ON >/dev/null
cmake --build --preset debug
ctest --preset debug --parallel "$(nproc)"

cmake --preset mingw -DBRINDLEWICK_WERROR=ON >/dev/null
cmake --build --preset mingw
tools/check_exe.sh build/mingw/app/Brindlewick.exe

# The release is reproducible: HEAD built twice from fresh clones gives the same exe and
# zip. Two builds of the exe alone, a minute or two each on two cores.
status=0
timeout --kill-after=10 2400 tools/release.sh --verify || status=$?
if [ "$status" -ne 0 ]; then
  [ "$status" -ne 124 ] || echo "test: tools/release.sh --verify did not finish within 2400 s" >&2
  exit "$status"
fi

# The end-to-end tests run the build that Wine runs here: the product's 32-bit one, or the
# 64-bit one of the same sources where the machine runs no 32-bit program; the checks that
# only read the program file read the 32-bit one either way.
. tools/wine_arch.sh
preset=$(bw_wine_preset)
if [ "$preset" != mingw ]; then
  echo "test: this machine runs no 32-bit program; the end-to-end tests run the 64-bit build" >&2
  cmake --preset "$preset" -DBRINDLEWICK_WERROR=ON >/dev/null
  cmake --build --preset "$preset"
fi
BW_I686_BUILD=$PWD/build/mingw e2e/run_all.sh "build/$preset"
