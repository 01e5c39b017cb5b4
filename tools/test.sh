#!/usr/bin/env bash
# Sets up everything and runs every test: native unit tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the Windows build, and the end-to-end tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh native windows

cmake --preset debug -DBRINDLEWICK_WERROR=ON >/dev/null
cmake --build --preset debug
ctest --preset debug --parallel "$(nproc)"

cmake --preset mingw -DBRINDLEWICK_WERROR=ON >/dev/null
cmake --build --preset mingw
tools/check_exe.sh build/mingw/app/Brindlewick.exe
e2e/run_all.sh build/mingw
