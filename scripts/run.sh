#!/usr/bin/env bash
# Sets up what is missing, builds the player and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build/release -j 2
if [ -x build/release/app/melovia ]; then
    exec build/release/app/melovia
fi
echo "The player is not built yet; the libraries and their tests are (see ./scripts/test.sh)."
