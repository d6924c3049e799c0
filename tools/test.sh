#!/usr/bin/env bash
# Builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh test
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
