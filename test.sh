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
echo "== fuzz the codeplug file reader (${VANTREL_FUZZ_SECONDS:-30} s)"
if command -v clang++ >/dev/null; then
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ \
        -DVANTREL_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
    cmake --build build-fuzz -j "$jobs" --target fuzz_qcf_reader
    mkdir -p build-fuzz/corpus
    build-fuzz/bin/fuzz_qcf_reader -max_total_time="${VANTREL_FUZZ_SECONDS:-30}" -max_len=4096 \
        build-fuzz/corpus tests/data
else
    echo "clang++ is missing: fuzzing skipped"
fi
echo "== build and test with sanitizers"
run_suite build-sanitize -DCMAKE_BUILD_TYPE=Debug -DVANTREL_SANITIZE=ON
