#!/usr/bin/env bash
# Sets up what is missing, builds the player and starts it, with the demo
# service standing in for the online services on 127.0.0.1.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build build/release -j 2

service=build/release/tools/demo-service/melovia-demo-service
port=$(sed -n 's/^MELOVIA_DEMO_PORT:[A-Z]*=//p' build/release/CMakeCache.txt)
log=build/release/demo-service.log

answers() { (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; }

service_pid=""
stop_service() {
    if [ -n "$service_pid" ]; then
        kill -TERM "$service_pid" 2>/dev/null || true
        wait "$service_pid" 2>/dev/null || true
    fi
}
trap stop_service EXIT

if answers; then
    echo "Something already answers on 127.0.0.1:$port; using it as the demo service."
else
    "$service" --port "$port" > /dev/null 2> "$log" &
    service_pid=$!
    for _ in $(seq 100); do
        answers && break
        kill -0 "$service_pid" 2>/dev/null || { echo "The demo service did not start (see $log)."; exit 1; }
        sleep 0.1
    done
    answers || { echo "The demo service does not answer on 127.0.0.1:$port (see $log)."; exit 1; }
    echo "Demo service on http://127.0.0.1:$port (requests are logged to $log)."
fi

# The player reads its radio genres from this file and never writes it.
temp_folder=${TMPDIR:-/tmp}
genre_file="$temp_folder/стили.txt"
if [ ! -e "$genre_file" ]; then
    printf '%s\r\n' Ambient Jazz Chillout Lounge Classical Mix > "$genre_file"
fi

if [ ! -x build/release/app/melovia ]; then
    echo "The player is not built yet; the libraries and their tests are (see ./scripts/test.sh)."
    exit 1
fi
status=0
build/release/app/melovia || status=$?
exit "$status"
