#!/usr/bin/env bash
# The real program on a real accessibility bus, as a screen reader meets it: a session bus,
# a virtual X display, and the tree and events read through AT-SPI.
#   run_atspi.sh PROGRAM SOURCE_DIR
# Exits 77 (skipped) where dbus, Xvfb, xdotool or python3-pyatspi are missing.
set -euo pipefail
program=$(realpath "$1")
source=$(realpath "$2")
for tool in dbus-run-session xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "SKIP: python3-pyatspi is not installed"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$source/guide/." "$work/"
cd "$work"
export XDG_DATA_HOME="$work/data" # its tests are remembered here, not in the home folder
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24" \
  /usr/bin/python3 "$source/tests/a11y/atspi_check.py" "$program"
