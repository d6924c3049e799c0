#!/usr/bin/env bash
# Builds everything and runs the whole test suite: once plain, once under AddressSanitizer,
# LeakSanitizer and UBSan; fuzzes each libFuzzer target for a few seconds in a clang build;
# then builds the Debian package as tools/package.sh does, in a folder of its own, and checks
# it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/deps.sh test
echo "== format"
# The sources as the project's .clang-format writes them.
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror
for preset in dev asan; do
  echo "== $preset build and tests"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset"
done
echo "== fuzz build and short runs"
if command -v clang++ >/dev/null; then
  cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz
  ctest --preset fuzz
else
  echo "skipped: no clang++, which libFuzzer needs (Debian: clang, libclang-rt-14-dev)"
fi
echo "== package"
package=build/test-package
rm -f "$package"/orvane_*.deb
bash tools/package.sh "$package"
bash tests/install/check_package.sh "$package"/orvane_*.deb
