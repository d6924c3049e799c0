#!/usr/bin/env bash
# Builds the Debian package build/release/orvane_<version>_<arch>.deb. Install it with
#   apt-get install ./build/release/orvane_*.deb
# The release build is configured for /usr, the prefix the package installs into, so that the
# desktop entry starts the program in /usr/share/orvane/guide.
set -euo pipefail
cd "$(dirname "$0")/.."
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
cmake --preset release -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build --preset release
(cd build/release && cpack -G DEB)
ls -l build/release/orvane_*.deb
