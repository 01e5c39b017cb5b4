#!/usr/bin/env bash
# Sets up everything and runs the program.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target brindlewick-compose >/dev/null
sample=${1:-"Hello from %me% in %room%"}
echo "Composing: $sample" >&2
build/release/cli/brindlewick-compose --bold --effect=fade --me=ZornaVelde --room="Town Square" -- "$sample"
