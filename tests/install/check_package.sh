#!/usr/bin/env bash
# Checks a built Debian package as the archive would: lintian finds no error and no warning,
# and the package has no maintainer scripts (reports live in users' own folders, so removing
# the package leaves nothing behind, and no "rc" entry).
#   check_package.sh DEB
# Exits 77 (skipped) when lintian is not installed.
set -euo pipefail

deb=$(realpath "$1")
if ! command -v lintian >/dev/null; then
  echo "SKIP: lintian is not installed (bash tools/deps.sh test installs it)"
  exit 77
fi
failures=0

# Informational tags are shown, so that they can be judged, but do not fail the check.
if ! lintian --fail-on error,warning --display-info "$deb"; then
  echo "FAIL: lintian reports errors or warnings on $(basename "$deb")"
  failures=$((failures + 1))
fi

scripts=$(dpkg-deb --ctrl-tarfile "$deb" | tar -t | sed 's|^\./||' | grep -Ev '^(|control|md5sums)$' || true)
if [ -n "$scripts" ]; then
  echo "FAIL: the package has maintainer scripts or other control files: ${scripts//$'\n'/ }"
  failures=$((failures + 1))
fi

[ "$failures" -eq 0 ] || exit 1
echo "package OK: $(basename "$deb")"
