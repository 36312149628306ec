#!/usr/bin/env bash
# Fails where lupdate (the first argument, with the options after it) would change the texts or
# translator's comments the catalogues in translations/ hold: a text marked in the sources and
# missing from them, or one they keep that no source marks. (Its layout differs by release.)
set -euo pipefail
lupdate=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp translations/*.ts "$scratch"/
"$lupdate" -silent "$@" -ts "$scratch"/*.ts
texts() { tr -d '\n' <"$1" | grep -o '<source>[^<]*</source>[[:space:]]*\(<extracomment>[^<]*</extracomment>\)\?' | sort; }
for catalogue in translations/*.ts; do
  diff -u <(texts "$catalogue") <(texts "$scratch/${catalogue##*/}")
done
