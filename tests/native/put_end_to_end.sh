#!/usr/bin/env bash
# pagewright-clip put and remove as a user runs them on a copy of the sample
# game: a listing written into a common event, a map event added and removed,
# the old file kept as NAME.bak, the warning to reopen the project in the
# user guide's words; and every bad input and refused put, which is said in one
# line with exit code 1 and changes no file.
# Usage: put_end_to_end.sh PROGRAM_FOLDER FIXTURE_FOLDER GUIDE
set -euo pipefail
programs=$1
fixtures=$2
guide=$3
source "$(dirname "$0")/lib.sh"
game=$work/game
cp -r "$fixtures/game" "$game"
chmod -R u+w "$game"
cp -r "$game" "$work/before"

# Nothing in the game folder but its files and their backups.
no_new_files() {
    local left
    left=$(find "$game" -name '*.incoming-*')
    [ -z "$left" ] || fail "left behind: $left"
}

printf '%s\n' '<>Control Switches: [0001] ON' '<>Call Event: [0001]' >"$work/scene.txt"
clip import "$work/scene.txt"
clip save 566 "$work/scene.566"
clip put "$game" common1/commands >"$work/said" 2>"$work/warned"
clip take "$game" common1/commands
clip save 566 "$work/taken"
same "$work/scene.566" "$work/taken" "put common1/commands: take gives other bytes"
same "$work/before/RPG_RT.ldb" "$game/RPG_RT.ldb.bak" "the database's backup is not the old file"
warning=$(sed 's/^pagewright-clip: //' "$work/warned")
[ -n "$warning" ] && grep -qF "$warning" "$guide" || fail "the warning is not the guide's: $warning"

cp "$game/RPG_RT.ldb" "$work/written.ldb"
clip put "$game" common1/commands --from "$work/scene.566" >"$work/said"
grep -q "holds this content already; nothing written" "$work/said" || fail "no word of nothing to do"
same "$work/written.ldb" "$game/RPG_RT.ldb" "a put of what the file holds changed it"

# A new map event of another format needs a position; with one it is added,
# and removed again the file is the old one but for its save counter.
clip load 563 "$fixtures/563.bin"
clip put "$game" map1/event2 --at 3,4 --dry-run >"$work/said"
same "$work/before/Map0001.lmu" "$game/Map0001.lmu" "--dry-run wrote"
clip put "$game" map1/event2 --at 3,4 >/dev/null 2>&1
clip events "$game" | grep -qxF "$(printf 'map1/event2\t"Gate é"\t(3,4)\t2 pages\t"Harbour"')" ||
    fail "map1/event2 is not at (3,4): $(clip events "$game")"
rc=0
clip put "$game" map1/event3 --from "$fixtures/563.bin" --at 3,4 2>"$work/said" || rc=$?
[ "$rc" = 1 ] && grep -qF 'map1/event3: (3,4) is where map1/event2 "Gate é" stands' "$work/said" ||
    fail "a place where another event stands was not refused"
clip remove "$game" map1/event2 --no-backup >/dev/null 2>&1
same "$work/before/Map0001.lmu" "$game/Map0001.lmu.bak" "--no-backup replaced the backup"
[ "$(cmp -l "$work/before/Map0001.lmu" "$game/Map0001.lmu" | wc -l)" -le 1 ] ||
    fail "an event added and removed changed more than the save counter"
no_new_files

clip remove "$game" troop1/page2 >/dev/null 2>&1
head -c 150 "$fixtures/game/Map0001.lmu" >"$game/Map0002.lmu"
cp -r "$game" "$work/unchanged"
# Each refusal changes no file of the game.
kept=$game
kept_copy=$work/unchanged
clip load 566 "$work/scene.566"
refused "map1/event2: a new map event made of another format has no position; give --at X,Y" \
    put "$game" map1/event2
refused "map1/event2: (12,300) lies outside the map, which is 20 by 15" put "$game" map1/event2 \
    --from "$fixtures/563.bin"
refused "troop1/page3: troop1 has 1 page; a page is added only as page 2" put "$game" troop1/page3
refused "troop3: one is added only as the next after the last, troop1" put "$game" troop3
refused "common1: remove takes a map event" remove "$game" common1
refused "troop1/page1: it is the only page of troop1, and a monster group keeps one" \
    remove "$game" troop1/page1
refused "map1/event1: the content is no" put "$game" map1/event1 --from "$work/scene.txt"
refused "--at 1: give X,Y, two numbers" put "$game" map1/event1 --at 1
refused "--at -1,3: give X,Y, two numbers from 0" put "$game" map1/event1 --at -1,3
refused "troop1: --at places only a map event; nothing written" put "$game" troop1 --at 1,1
refused "\"map1/page1\" is no selector" put "$game" map1/page1
refused "map9/event1 names nothing: $game holds no Map0009.lmu" put "$game" map9/event1
refused "$game/Map0002.lmu: cut short at byte" put "$game" map2/event1
clip clear
refused "no event data on the clipboard" put "$game" map1/event1
no_new_files
