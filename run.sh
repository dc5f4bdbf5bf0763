#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the program and starts it.
# Without a display (neither DISPLAY nor WAYLAND_DISPLAY set) the program
# starts inside a virtual X display on a free display number.
# Usage: ./run.sh [project.dvp]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/scripts/deps.sh"
if [ -n "${DISPLAY:-}" ]; then
    ensure_packages
    virtual=no
elif [ -n "${WAYLAND_DISPLAY:-}" ]; then
    ensure_packages qt6-wayland # a Wayland session without X needs Qt's Wayland plugin
    virtual=no
else
    ensure_packages xvfb xauth
    virtual=yes
fi

build="$here/build/run"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQVM_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
if [ "$virtual" = no ]; then
    exec "$build/vorle-control" "$@"
fi
# xvfb-run -a picks the first free display number; the line names it.
exec xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
    'echo "No display found: Vorle-Control runs inside a virtual display (Xvfb) on $DISPLAY."; exec "$0" "$@"' \
    "$build/vorle-control" "$@"
