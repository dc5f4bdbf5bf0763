#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the program and starts it.
# Usage: ./run.sh [project.dvp]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/scripts/deps.sh"
ensure_packages xvfb xauth

build="$here/build/run"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVM_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
exec "$build/vorle-control" "$@"
