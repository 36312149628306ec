#!/usr/bin/env bash
# Runs lupdate (the first argument, with the options after it) over copies of the catalogues in
# translations/ and fails, showing the difference, where that would change the texts one holds or
# their translator's comments: a text marked in the sources but missing from the catalogues, or
# one they keep that no source marks. (How lupdate lays the file out differs between releases.)
set -euo pipefail
lupdate=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp translations/*.ts "$scratch"/
"$lupdate" -silent "$@" -ts "$scratch"/*.ts
texts() { tr -d '\n' <"$1" | grep -o '<source>[^<]*</source>[[:space:]]*\(<extracomment>[^<]*</extracomment>\)\?' | sort; }
status=0
for catalogue in translations/*.ts; do
  diff -u <(texts "$catalogue") <(texts "$scratch/${catalogue##*/}") || status=1
done
exit $status
