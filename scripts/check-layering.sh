#!/usr/bin/env bash
# The program's own folders talk to the toolkit, the audio libraries and the
# HTTP library only through platform/; fail when one of their headers slips in.
set -euo pipefail
cd "$(dirname "$0")/.."

pattern='#[[:space:]]*include[[:space:]]*[<"](Q[A-Za-z]+|Qt[A-Za-z]*/|libav|libsw|SDL|curl/|fluidsynth|png\.h)'
if hits=$(grep -rnE "$pattern" app search playback radio download 2>/dev/null); then
    echo "Toolkit or engine headers in the program's own folders (keep them behind platform/):"
    echo "$hits"
    exit 1
fi
