#!/usr/bin/env bash
# The committed sample data of the Windows end-to-end tests is what
# make-wine-fixtures writes now: a change of the fixture tree or of the
# encoder must come with fresh files.
# Usage: wine_fixtures_current.sh MAKE_WINE_FIXTURES FIXTURE_FOLDER
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$1" "$work"
count=0
while read -r made; do
    cmp "$work/$made" "$2/$made" || { echo "FAIL: $2/$made is out of date: run $1 $2" >&2; exit 1; }
    count=$((count + 1))
done < <(cd "$work" && find . -type f | sort)
echo "$count fixtures are current"
