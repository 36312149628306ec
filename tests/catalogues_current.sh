#!/usr/bin/env bash
# Runs lupdate (the first argument, with the options after it) over copies of the catalogues in
# translations/ and fails, showing the difference, where that would change one: a text marked
# in the sources but missing from the catalogues, or one they keep that no source marks.
set -euo pipefail
lupdate=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp translations/*.ts "$scratch"/
"$lupdate" -silent "$@" -ts "$scratch"/*.ts
diff -u translations "$scratch"
