#!/usr/bin/env bash
# Every word of the French edition is a French word or a name the project lists: hunspell with
# Debian's French dictionary runs over the pages (as HTML), the bank, the practice list, the
# chapter titles; tests/content/fr_words.txt holds the proper names
# and the English titles that the pages quote. Exits 77 (skipped) without hunspell or its
# French dictionary.
set -euo pipefail
root=$1
command -v hunspell >/dev/null || { echo "skipped: no hunspell"; exit 77; }
[ -e /usr/share/hunspell/fr_FR.dic ] || { echo "skipped: no French dictionary (hunspell-fr)"; exit 77; }
words=$(mktemp)
trap 'rm -f "$words"' EXIT
cp "$root/tests/content/fr_words.txt" "$words"
unknown=$(
  {
    hunspell -d fr_FR -p "$words" -l -H "$root"/guide/fr/study/*.html "$root"/guide/fr/answers/*.html
    hunspell -d fr_FR -p "$words" -l "$root"/src/content/fr/*.txt
  } | sort | uniq -c | sort -rn
)
if [ -n "$unknown" ]; then
  echo "FAIL: words hunspell does not know (times seen, word); fix them or list the names in tests/content/fr_words.txt:"
  echo "$unknown"
  exit 1
fi
echo "French spelling: every word known"
