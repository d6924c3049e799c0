#!/usr/bin/env bash
# Installs a build into a staging folder and checks what a desktop and a package get: the
# program, the guide pages, the desktop entry, the AppStream metainfo, the icons, the manual
# page and the package's documents.
#   check_install.sh BUILD_DIR SOURCE_DIR
# Exits 77 (skipped) when desktop-file-validate or appstreamcli is not installed.
set -euo pipefail

build=$(realpath "$1")
source=$(realpath "$2")
cmake=${CMAKE:-cmake}
app_id=org.example.Orvane

for tool in desktop-file-validate appstreamcli; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (bash tools/deps.sh test installs it)"
    exit 77
  fi
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

"$cmake" --install "$build" --prefix "$stage" >/dev/null

# The program.
[ -f "$stage/bin/orvane" ] && [ -x "$stage/bin/orvane" ] || fail "bin/orvane missing or not executable"

# The guide: every page and picture of guide/ installed unchanged, and nothing else but folders.
guide=$stage/share/orvane/guide
[ -f "$guide/study/1.html" ] || fail "share/orvane/guide/study/1.html missing"
[ -d "$guide/answers" ] || fail "share/orvane/guide/answers/ missing"
if [ -f "$source/guide/answers/1.html" ] && [ ! -f "$guide/answers/1.html" ]; then
  fail "share/orvane/guide/answers/1.html missing"
fi
while IFS= read -r -d '' file; do
  relative=${file#"$source/guide/"}
  case $(basename "$relative") in result.html | .result-*) continue ;; esac
  cmp -s "$file" "$guide/$relative" || fail "guide/$relative not installed as it is in the source tree"
done < <(find "$source/guide" -type f -print0)
while IFS= read -r -d '' file; do
  relative=${file#"$guide/"}
  [ -f "$source/guide/$relative" ] || fail "guide/$relative installed but not in the source tree"
done < <(find "$guide" -type f -print0)

# The desktop entry starts the program wherever the menu does: it finds its own folder.
desktop=$stage/share/applications/$app_id.desktop
if [ -f "$desktop" ]; then
  desktop-file-validate "$desktop" || fail "desktop-file-validate rejects $app_id.desktop"
  # The main group's keys; the French action's group has an Exec of its own.
  key() { sed -n "/^\[Desktop Entry\]/,/^\[/ s/^$1=//p" "$desktop"; }
  [ "$(key Exec)" = orvane ] || fail "desktop entry: Exec is '$(key Exec)', not orvane"
  [ "$(key Icon)" = "$app_id" ] || fail "desktop entry: Icon is '$(key Icon)', not $app_id"
  [ "$(key Categories)" = "Education;" ] || fail "desktop entry: Categories is '$(key Categories)'"
  [ -z "$(key Path)" ] || fail "desktop entry: Path '$(key Path)' ties it to one folder"
  # Docks match the window to its launcher by the window's class, which is the program's name.
  grep -qx 'Exec=env LANGUAGE=fr orvane' "$desktop" || fail "desktop entry: no action starts the French edition"
  [ "$(key StartupWMClass)" = orvane ] || fail "desktop entry: StartupWMClass is '$(key StartupWMClass)', not orvane"
else
  fail "share/applications/$app_id.desktop missing"
fi

# The metainfo, alone and with the tree it describes (its launchable desktop entry).
metainfo=$stage/share/metainfo/$app_id.metainfo.xml
if [ -f "$metainfo" ]; then
  appstreamcli validate --no-net --strict "$metainfo" || fail "appstreamcli validate rejects the metainfo"
  appstreamcli validate-tree --no-net --strict "$stage" || fail "appstreamcli validate-tree rejects the install tree"
else
  fail "share/metainfo/$app_id.metainfo.xml missing"
fi

# The icons, at the sizes their folders name.
png_size() { # width x height from the PNG header
  local w h
  [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || return 1
  w=$(od -An -tu4 --endian=big -j 16 -N 4 "$1" | tr -d ' ')
  h=$(od -An -tu4 --endian=big -j 20 -N 4 "$1" | tr -d ' ')
  echo "${w}x$h"
}
icons=$stage/share/icons/hicolor
for size in 16 24 32 48 64 128 256; do
  icon=$icons/${size}x$size/apps/$app_id.png
  if [ -f "$icon" ]; then
    got=$(png_size "$icon") || got="not a PNG"
    [ "$got" = "${size}x$size" ] || fail "${size}x$size icon is $got"
  else
    fail "${size}x$size/apps/$app_id.png missing"
  fi
done
svg=$icons/scalable/apps/$app_id.svg
[ -f "$svg" ] && grep -q '<svg' "$svg" || fail "scalable/apps/$app_id.svg missing or not SVG"

# The manual page and the documents a Debian package must carry, compressed as Debian does.
for file in share/man/man1/orvane.1.gz share/man/fr/man1/orvane.1.gz share/doc/orvane/changelog.gz; do
  if [ -f "$stage/$file" ]; then
    gzip -t "$stage/$file" || fail "$file is not a gzip file"
  else
    fail "$file missing"
  fi
done
for page in man1 fr/man1; do
  if command -v man >/dev/null && [ -f "$stage/share/man/$page/orvane.1.gz" ]; then
    warnings=$(MANWIDTH=80 man --warnings -E UTF-8 -l "$stage/share/man/$page/orvane.1.gz" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man reports problems in $page/orvane.1: $warnings"
  fi
done
grep -q '^Files: \*' "$stage/share/doc/orvane/copyright" 2>/dev/null || fail "share/doc/orvane/copyright missing"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "install layout OK"
