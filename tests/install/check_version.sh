#!/usr/bin/env bash
# The version is written once, in project() of CMakeLists.txt; the package and --version take
# it from there, but the metainfo, the manual page, the Debian changelog and the README are
# written by hand. Each must name that version, and the newest release one date.
#   check_version.sh VERSION PROGRAM SOURCE_DIR
set -euo pipefail
version=$1 program=$2 source=$3
packaging=$source/packaging
export LC_ALL=C
failed=0
expect() { # what found wanted
  if [ "$2" = "$3" ]; then echo "ok: $1: $2"; else echo "MISMATCH: $1 says '$2', not '$3'"; failed=1; fi
}

expect "orvane --version" "$("$program" --version)" "orvane $version"
expect "changelog, first entry" "$(sed -n 1p "$packaging/changelog")" \
  "orvane ($version) unstable; urgency=medium"
# That entry's date, from its trailer line, is the release's.
stamp=$(sed -n '0,/^ -- /s/^ -- .*>  //p' "$packaging/changelog")
released=$(date -u -d "${stamp:?no trailer line to the first changelog entry}" +%F)
expect "metainfo, newest release" \
  "$(grep -m1 -o '<release [^>]*>' "$packaging/org.example.Orvane.metainfo.xml")" \
  "<release version=\"$version\" date=\"$released\">"
expect "orvane.1, title line" "$(sed -n 1p "$packaging/orvane.1")" \
  ".TH ORVANE 1 \"$(date -u -d "$released" '+%B %Y')\" \"orvane $version\" \"User Commands\""
# The French page's date in French words, which no locale need be installed to give.
months=(janvier février mars avril mai juin juillet août septembre octobre novembre décembre)
month="${months[$(date -u -d "$released" +%-m) - 1]} $(date -u -d "$released" +%Y)"
expect "orvane.fr.1, title line" "$(sed -n 1p "$packaging/orvane.fr.1")" \
  ".TH ORVANE 1 \"$month\" \"orvane $version\" \"Commandes de l'utilisateur\""
while read -r named; do
  expect "README.md, package name" "$named" "orvane_${version}_<arch>.deb"
done < <(grep -o 'orvane_[^_ ]*_<arch>\.deb' "$source/README.md")
exit "$failed"
