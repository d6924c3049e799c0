#!/usr/bin/env bash
# Builds everything and runs the whole test suite: once plain, once under AddressSanitizer,
# LeakSanitizer and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh test
for preset in dev asan; do
  echo "== $preset build and tests"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
