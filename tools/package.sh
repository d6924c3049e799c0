#!/usr/bin/env bash
# Builds the Debian package orvane_<version>_<arch>.deb in BUILD_DIR (build/release when not
# given). Install it with
#   apt-get install ./build/release/orvane_*.deb
# The build is optimised and hardened as Debian builds its packages, and configured for /usr,
# the prefix the package installs into.
#   package.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
bash tools/deps.sh run
# dpkg-shlibdeps (dpkg-dev, file) computes the package's library dependencies.
missing=()
for p in dpkg-dev file; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The same settings as the release preset, in a folder of the caller's choice.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build "$build"
# Files and folders in the package get the usual modes whatever the caller's umask.
(umask 022 && cd "$build" && cpack -G DEB)
ls -l "$build"/orvane_*.deb
