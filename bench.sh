#!/usr/bin/env bash
# Builds the program and its speed benchmark in the release build (no
# sanitizers, the flags of run.sh) and prints the figures.
# Usage: ./bench.sh [--runs N] [--only start|add|upload|learn]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/scripts/deps.sh"
ensure_packages

build="$here/build/run"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVM_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target vorle-control vorle-bench
exec "$build/vorle-bench" "$@"
