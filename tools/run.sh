#!/usr/bin/env bash
# Builds the program and starts it in guide/, where it finds the study/ and answers/ pages.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release
cd guide
exec ../build/release/src/orvane "$@"
