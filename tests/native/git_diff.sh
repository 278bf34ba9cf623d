#!/usr/bin/env bash
# pagewright-clip list as git's diff driver for game files, set up as the
# README says: a map changed in one message text, in place and keeping its
# length, diffs as that one command line, under the note of its event, though
# git lists the old side from a copy outside the game. The map is a real
# game's when PAGEWRIGHT_CORPUS is given, else the sample's, in a repository
# of its game's files.
# Usage: git_diff.sh PROGRAM_FOLDER FIXTURE_FOLDER
programs=$(cd "$1" && pwd)
fixtures=$(cd "$2" && pwd)
source "$(dirname "$0")/lib.sh"
export PATH=$programs:$PATH HOME=$work GIT_CONFIG_NOSYSTEM=1

map=$fixtures/game/Map0001.lmu
real=${PAGEWRIGHT_CORPUS:-}/../games/testgame-2000/Map0001.lmu
[ -n "${PAGEWRIGHT_CORPUS:-}" ] && map=$real
repo=$work/repo
mkdir "$repo"
cp "$map" "$(dirname "$map")/RPG_RT.ldb" "$(dirname "$map")/RPG_RT.lmt" "$repo"
cd "$repo"
git init -q
printf '%s\n' '*.lmu diff=rpgmaker' '*.ldb diff=rpgmaker' >.gitattributes
git config diff.rpgmaker.textconv "pagewright-clip list --database RPG_RT.ldb"
git config diff.rpgmaker.xfuncname '^## .*'
git add .
git -c user.name=test -c user.email=test@example.com commit -q -m map

# The first message whose text stands once in the file, as plain letters.
old='' line=''
while IFS= read -r listed; do
    text=${listed#*<>Message: }
    [ ${#text} -ge 4 ] || continue
    count=$(TEXT=$text perl -0777 -ne 'print scalar(() = /\Q$ENV{TEXT}\E/g)' Map0001.lmu)
    if [ "$count" = 1 ]; then
        old=$text line=$listed
        break
    fi
done < <(pagewright-clip list Map0001.lmu | grep -E '^ *<>Message: [A-Za-z][ -~]*$')
[ -n "$old" ] || fail "no message of $map stands once in it"
new=$([ "${old:0:1}" = X ] && echo Y || echo X)${old:1}
OLD=$old NEW=$new perl -0777 -pi -e 's/\Q$ENV{OLD}\E/$ENV{NEW}/' Map0001.lmu

git diff >"$work/said"
changed=$(grep -E '^[-+]' "$work/said" | grep -vE '^(---|\+\+\+) ')
indent=${line%%<>*}
[ "$changed" = "-$line"$'\n'"+$indent<>Message: $new" ] || fail "the diff is not the one message"
grep -qE '^@@ .* @@ ## map1/event[0-9]+$' "$work/said" || fail "the hunk names no event"
echo "git diff: the one message of $(basename "$(dirname "$map")")/Map0001.lmu that changed"
