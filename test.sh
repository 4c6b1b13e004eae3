#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test twice: once in a plain build,
# once built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"

tools/setup.sh

jobs=${VANTREL_JOBS:-2}
run_suite() {
    local dir=$1; shift
    cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
    cmake --build "$dir" -j "$jobs"
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" -j "$jobs" --output-on-failure
}

echo "== build and test"
run_suite build -DCMAKE_BUILD_TYPE=RelWithDebInfo
echo "== build and test with sanitizers"
run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=ON
