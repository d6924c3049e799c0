#!/usr/bin/env bash
# Installs, from Debian 12's packages, whatever of the given group is missing.
#   deps.sh run    - what building and running the program needs
#   deps.sh test   - that, plus what the test suite needs (a virtual X server, fonts, xdotool,
#                    the screen reader Orca in a session of its own, lintian for the package,
#                    clang and its libFuzzer for the fuzz targets)
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n libqt6sql6-sqlite libjpeg62-turbo-dev libxcb1-dev fonts-dejavu-core fonts-liberation2)
if [ "${1:-run}" = test ]; then
  packages+=(xvfb xauth xdotool x11-utils imagemagick desktop-file-utils appstream dpkg-dev file
    man-db at-spi2-core dbus orca openbox lintian clang libclang-rt-14-dev xxd clang-format git
    hunspell hunspell-fr)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
