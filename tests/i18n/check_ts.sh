#!/usr/bin/env bash
# Fails when a word the user sees was added to or changed in the code without going into the
# translation files: lupdate is run over the sources into copies of src/i18n/*.ts, which must
# come out unchanged. `cmake --build <dir> --target update_translations` brings them up to date.
set -euo pipefail
root=$1
lupdate=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$root"/src/i18n/*.ts; do
  copy=$work/$(basename "$ts")
  cp "$ts" "$copy"
  (cd "$root" && "$lupdate" -silent -locations none -no-obsolete -source-language en src -ts "$copy")
  if ! diff -u "$ts" "$copy"; then
    echo "FAIL: $(basename "$ts") does not hold the program's words as they are in the code"
    status=1
  fi
  # Every translation complete: a word left untranslated would show in English.
  if [ "$(basename "$ts")" != orvane.ts ] && grep -q 'type="unfinished"' "$ts"; then
    echo "FAIL: $(basename "$ts") has messages not yet translated:"
    grep -B2 'type="unfinished"' "$ts" | grep '<source>'
    status=1
  fi
done
exit $status
