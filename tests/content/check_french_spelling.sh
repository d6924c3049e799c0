#!/usr/bin/env bash
# Every word of the French edition is a French word or a name the project lists: hunspell with
# Debian's French dictionary runs over the pages (as HTML), the bank, the practice list, the
# chapter titles, the window's words (the translations in src/i18n/orvane_fr.ts) and the French
# manual page; tests/content/fr_words.txt holds the proper names, the English titles that the
# pages quote, and the commands and fonts the messages name. Exits 77 (skipped) without
# hunspell or its French dictionary.
set -euo pipefail
root=$1
command -v hunspell >/dev/null || { echo "skipped: no hunspell"; exit 77; }
[ -e /usr/share/hunspell/fr_FR.dic ] || { echo "skipped: no French dictionary (hunspell-fr)"; exit 77; }
words=$(mktemp)
trap 'rm -f "$words"' EXIT
cp "$root/tests/content/fr_words.txt" "$words"
# The text of every <translation>, its markup and entities undone. In it and the manual page,
# the placeholders (%1, '%1', %n), paths, file names and command options are not words.
words_only() {
  sed -e "s/'\\?%[0-9n]'\\?//g" \
    -E -e 's#[^ ]*[/_][^ ]*##g; s#\*?[a-z0-9-]*\.[a-z]+\b##g; s#(^| )--?[a-z-]+\b##g'
}
translations() {
  awk '/<translation/ { inside = 1 } inside { print } /<\/translation>/ { inside = 0 }' "$1" |
    sed -e 's/<\/\?translation[^>]*>//g; s/<\/\?numerusform>//g; s/&#xa0;/ /g' \
      -e "s/&apos;/'/g; s/&quot;/\"/g; s/&lt;/</g; s/&gt;/>/g; s/&amp;/\\&/g" | words_only
}
# The manual page's text without its macros and escapes, nor the names of variables (LANG).
manual() {
  sed -E -e 's/^\.[A-Z]+ ?//; s/\\f[BIPR]//g; s/\\-/-/g; s/\\ / /g' \
    -e 's/"//g; s/\b[A-Z][A-Z_]+\b//g' "$1"
}
unknown=$(
  {
    hunspell -d fr_FR -p "$words" -l -H "$root"/guide/fr/study/*.html "$root"/guide/fr/answers/*.html
    hunspell -d fr_FR -p "$words" -l "$root"/src/content/fr/*.txt
    translations "$root"/src/i18n/orvane_fr.ts | hunspell -d fr_FR -p "$words" -l -H
    manual "$root"/packaging/orvane.fr.1 | words_only | hunspell -d fr_FR -p "$words" -l
  } | sort | uniq -c | sort -rn
)
if [ -n "$unknown" ]; then
  echo "FAIL: words hunspell does not know (times seen, word); fix them or list the names in tests/content/fr_words.txt:"
  echo "$unknown"
  exit 1
fi
echo "French spelling: every word known"
