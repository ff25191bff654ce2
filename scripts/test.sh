#!/usr/bin/env bash
# Sets up what is missing, then builds and runs every test: a normal build with
# warnings as errors, an ASan + UBSan build, and a TSan build of the threaded tests.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
./scripts/check-layering.sh

jobs=2
export QT_QPA_PLATFORM=offscreen

run() {  # run BUILD_DIR CTEST_ARGS... -- CMAKE_ARGS...
    local dir=$1; shift
    local ctest_args=()
    while [ "$1" != "--" ]; do ctest_args+=("$1"); shift; done
    shift
    cmake -S . -B "$dir" -G Ninja -DMELOVIA_WERROR=ON "$@" > /dev/null
    cmake --build "$dir" -j "$jobs"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" "${ctest_args[@]}"
}

run build/release -- -DCMAKE_BUILD_TYPE=RelWithDebInfo
run build/tsan -L threads -- -DCMAKE_BUILD_TYPE=Debug -DMELOVIA_SANITIZE=thread -DMELOVIA_BUILD_BENCHMARKS=OFF
run build/asan -- -DCMAKE_BUILD_TYPE=Debug -DMELOVIA_SANITIZE=address -DMELOVIA_BUILD_BENCHMARKS=OFF
