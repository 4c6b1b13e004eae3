#!/usr/bin/env bash
# Installs what is missing, builds Vantrel and starts it with a simulated radio.
set -euo pipefail
cd "$(dirname "$0")"

tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "${VANTREL_JOBS:-2}"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "run.sh: no display to show the window on (DISPLAY is not set)." >&2
    echo "        Without a screen, try: apt-get install xvfb && xvfb-run ./run.sh" >&2
    exit 1
fi
# A simulated radio stands in for the cable; see the README for a real one.
exec build/bin/vantrel --demo "$@"
