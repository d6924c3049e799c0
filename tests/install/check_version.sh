#!/usr/bin/env bash
# The version is written once, in project() of CMakeLists.txt; the package and --version take
# it from there, but the metainfo, the manual page, the Debian changelog and the README are
# written by hand. This checks that each names that version, and that the newest release has
# one date everywhere.
#   check_version.sh VERSION PROGRAM SOURCE_DIR
set -euo pipefail
version=$1 program=$2 source=$3
packaging=$source/packaging
export LC_ALL=C
failed=0

expect() { # what found wanted
  if [ "$2" = "$3" ]; then
    echo "ok: $1: $2"
  else
    echo "MISMATCH: $1 says '$2', not '$3'"
    failed=1
  fi
}

expect "orvane --version" "$("$program" --version)" "orvane $version"

changelog_version=$(sed -n '1s/^orvane (\([^)]*\)) .*/\1/p' "$packaging/changelog")
expect "packaging/changelog, first entry" "$changelog_version" "$version"
# The date of that entry, the one its trailer line gives.
stamp=$(sed -n '0,/^ -- /s/^ -- .*>  //p' "$packaging/changelog")
[ -n "$stamp" ] || { echo "packaging/changelog: no trailer line to the first entry"; exit 1; }
released=$(date -u -d "$stamp" +%F)

metainfo=$packaging/org.example.Orvane.metainfo.xml
newest=$(grep -m1 -o '<release [^>]*>' "$metainfo")
expect "metainfo, first release" "$(sed -n 's/.* version="\([^"]*\)".*/\1/p' <<<"$newest")" "$version"
expect "metainfo, its date" "$(sed -n 's/.* date="\([^"]*\)".*/\1/p' <<<"$newest")" "$released"

title=$(sed -n '1s/^\.TH ORVANE 1 //p' "$source/packaging/orvane.1")
expect "orvane.1, .TH line" "$title" "\"$(date -u -d "$released" '+%B %Y')\" \"orvane $version\" \"User Commands\""

while read -r named; do
  expect "README.md, package name" "$named" "orvane_${version}_<arch>.deb"
done < <(grep -o 'orvane_[^_ ]*_<arch>\.deb' "$source/README.md")

exit "$failed"
