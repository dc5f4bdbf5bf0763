#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds with sanitizers and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/deps.sh
ensure_packages

build=build/test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQVM_SANITIZE=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 120 --no-tests=error
