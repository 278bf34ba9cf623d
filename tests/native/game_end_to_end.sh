#!/usr/bin/env bash
# pagewright-clip events, maps and take, --game for dump, export and list, and
# list of game files and with names, as a user runs them on the sample game;
# the game's code page, from its RPG_RT.ini where its texts agree; and
# every bad game, file or selector, which is said in one line with exit code 1
# and leaves the clipboard as it was.
# Usage: game_end_to_end.sh PROGRAM_FOLDER FIXTURE_FOLDER
set -euo pipefail
programs=$1
fixtures=$2
source "$(dirname "$0")/lib.sh"
game=$fixtures/game

# Each content alone on the clipboard, as the sample data holds it, and read
# by --game as the clipboard's copy is read.
for taken in map1/event1=563 map1/event1/page1=564 troop1/page1=565 \
    map1/event1/page1/commands=566 troop1=578 common1=584; do
    selector=${taken%=*}
    format=${taken#*=}
    clip load 1 "$fixtures/text.bin"
    clip take "$game" "$selector"
    [ "$(clip formats | cut -f1)" = "$format" ] || fail "$selector: the clipboard holds $(clip formats)"
    clip save "$format" "$work/taken"
    same "$fixtures/$format.bin" "$work/taken" "$selector: not the bytes of the game"
    for command in dump export list; do
        clip "$command" --game "$game" "$selector" >"$work/from-game"
        clip "$command" >"$work/from-clipboard"
        same "$work/from-clipboard" "$work/from-game" "$command --game $selector: not as taken"
    done
done

printf '%s\t%s\t%s\t%s\t%s\n' map1/event1 '"Gate é"' '(12,300)' '2 pages' '"Harbour"' \
    troop1 '"Gate é"' - '2 pages' - common1 '"Gate é"' autostart '1 page' - >"$work/expected"
clip events "$game" >"$work/events"
same "$work/expected" "$work/events" "events: $(cat "$work/events")"

# File names in any case, as Windows finds them.
mkdir "$work/cased"
cp "$game/RPG_RT.ldb" "$work/cased/rpg_rt.LDB"
cp "$game/Map0001.lmu" "$work/cased/MAP0001.LMU"
cp "$game/RPG_RT.lmt" "$work/cased/Rpg_Rt.lmt"
clip events "$work/cased" | cmp -s - "$work/expected" || fail "names in another case were missed"

# The tree's order, not the ids', each level indented; an area and a map
# without its file are marked.
printf '%s\t%s\t%s%s\n' map3 '"Lighthouse"' - $'\tno file' map1 '"Harbour"' - '' \
    '  map2' '"Quay"' map1 $'\tarea' >"$work/expected"
clip maps "$game" >"$work/maps"
[ "$(head -1 "$work/maps")" = "## code page 1252, the default, which reads the game's texts" ] ||
    fail "maps: no note of the code page: $(head -1 "$work/maps")"
tail -n +2 "$work/maps" | same "$work/expected" - "maps: $(cat "$work/maps")"

# RPG_RT.ini's code page where the texts agree, else the one they are in;
# PAGEWRIGHT_CODEPAGE and --codepage, in that order, over both.
cp -r "$game" "$work/ini"
chmod u+w "$work/ini"
printf '[RPG_RT]\r\nGameTitle=Sample\r\n[easyrpg]\r\nencoding=1250\r\n' >"$work/ini/RPG_RT.ini"
clip events "$work/ini" --verbose 2>"$work/said" >/dev/null
grep -qxF "pagewright-clip: code page 1250, given by RPG_RT.ini" "$work/said" ||
    fail "an ini that agrees: $(cat "$work/said")"
printf '[EasyRPG]\nEncoding=932\n' >"$work/ini/RPG_RT.ini"
[ "$(clip maps "$work/ini" | head -1)" = \
    "## code page 1252, the default, which reads the game's texts; RPG_RT.ini's 932 does not fit them" ] ||
    fail "an ini that disagrees: $(clip maps "$work/ini" | head -1)"
PAGEWRIGHT_CODEPAGE=1251 clip maps "$work/ini" | head -1 |
    grep -qxF "## code page 1251, given by PAGEWRIGHT_CODEPAGE" || fail "PAGEWRIGHT_CODEPAGE was not taken"
PAGEWRIGHT_CODEPAGE=1251 clip list "$game/Map0001.lmu" --codepage 932 --verbose 2>&1 >/dev/null |
    grep -qxF "pagewright-clip: code page 932, given by --codepage" || fail "--codepage was not taken"

# Ids carry the database's names, but only where it has them; import skips
# the names, so the named listing gives the same bytes.
printf '%s\n' '<>Control Switches: [0001] ON' '<>Control Variables: [0001] += 1' \
    '<>Call Event: [0001]' '<>Control Switches: [0002] ON' >"$work/commands.txt"
clip import "$work/commands.txt" --to "$work/commands.bin"
clip list --from "$work/commands.bin" 566 --database "$game/RPG_RT.ldb" >"$work/named.txt"
for line in '<>Control Switches: [0001:Door open] ON' '<>Control Variables: [0001:Keys] += 1' \
    '<>Call Event: [0001:Gate é]' '<>Control Switches: [0002] ON'; do
    grep -qxF "$line" "$work/named.txt" || fail "--database: no line $line in $(cat "$work/named.txt")"
done
clip import "$work/named.txt" --to "$work/renamed.bin"
same "$work/commands.bin" "$work/renamed.bin" "import of a named listing: other bytes"

# Maps are named by the game's tree, which lies beside the database.
printf '%s\n' '<>Transfer Player: [0003] (1, 13)' '<>Transfer Player: [0007] (2, 5)' >"$work/moves.txt"
clip import "$work/moves.txt" --to "$work/moves.bin"
clip list --from "$work/moves.bin" 566 --database "$game/RPG_RT.ldb" | tail -n +2 >"$work/named.txt"
printf '%s\n' '<>Transfer Player: [0003:Lighthouse] (1, 13)' '<>Transfer Player: [0007] (2, 5)' |
    same - "$work/named.txt" "maps were not named: $(cat "$work/named.txt")"

# A game file's listing: its events, each under a note of its selector, which
# import skips. A map's number is that of the name it ends in.
{
    echo "## map1/event1"
    clip list --game "$game" map1/event1
} >"$work/expected"
clip list "$game/Map0001.lmu" >"$work/listed"
same "$work/expected" "$work/listed" "list of a map file: $(head -3 "$work/listed")"
cp "$game/Map0001.lmu" "$work/x1Q_Map0001.lmu"
clip list "$work/x1Q_Map0001.lmu" | same "$work/expected" - "list of a copy of a map file"
cp "$game/Map0001.lmu" "$work/backup.lmu"
[ "$(clip list "$work/backup.lmu" | head -1)" = "## event1" ] || fail "list of a map of no number"
clip import "$work/listed" --to "$work/imported"
same "$fixtures/563.bin" "$work/imported" "import of a map file's listing: other bytes"
{
    echo "## troop1"
    clip list --game "$game" troop1
    echo
    echo "## common1"
    clip list --game "$game" common1
} >"$work/expected"
clip list "$game/RPG_RT.ldb" | same "$work/expected" - "list of a database"

# Bad games, files and selectors. A game of the sample's files with one of
# them replaced: by half of it, by bytes of no game file, by the other kind.
bad_game() {
    rm -rf "$work/$1"
    cp -r "$game" "$work/$1"
    chmod u+w "$work/$1"/*
    cp "$2" "$work/$1/$3"
}
head -c 150 "$game/Map0001.lmu" >"$work/half.lmu"
head -c 200 "$game/RPG_RT.ldb" >"$work/half.ldb"
bad_game cut-map "$work/half.lmu" Map0001.lmu
bad_game cut-database "$work/half.ldb" RPG_RT.ldb
bad_game foreign-map "$fixtures/563.bin" Map0001.lmu
bad_game foreign-database "$fixtures/text.bin" RPG_RT.ldb
bad_game database-as-map "$game/RPG_RT.ldb" Map0001.lmu
head -c 30 "$game/RPG_RT.lmt" >"$work/half.lmt"
bad_game cut-tree "$work/half.lmt" RPG_RT.lmt
bad_game foreign-tree "$game/RPG_RT.ldb" RPG_RT.lmt
mkdir "$work/no-database" "$work/no-tree"
cp "$game/Map0001.lmu" "$work/no-database"
cp "$game/Map0001.lmu" "$game/RPG_RT.ldb" "$work/no-tree"

clip load 563 "$fixtures/563.bin"
cp -r "$PAGEWRIGHT_CLIPBOARD_DIR" "$work/clipboard-before"
# Each refusal leaves the clipboard as it was.
kept=$PAGEWRIGHT_CLIPBOARD_DIR
kept_copy=$work/clipboard-before
refused "$work/no-database holds no RPG_RT.ldb" take "$work/no-database" map1/event1
refused "cannot read $work/none: No such file or directory" events "$work/none"
refused "map9999/event1 names nothing: $game holds no Map9999.lmu" take "$game" map9999/event1
refused "map1/event9 names nothing: there is no event 9 in $game/Map0001.lmu" \
    take "$game" map1/event9
refused "map1/event1/page3 names nothing: event 1 has no page 3" take "$game" map1/event1/page3
refused "troop2 names nothing: there is no troop 2 in $game/RPG_RT.ldb" take "$game" troop2
refused "troop1/page3/commands names nothing: troop 1 has no page 3" \
    take "$game" troop1/page3/commands
refused "common2 names nothing: there is no common event 2" export --game "$game" common2
for selector in map1 map1/event01 common1/page1 troop1/commands MAP1/EVENT1; do
    refused "\"$selector\" is no selector: one is mapN/eventN," take "$game" "$selector"
done
refused "$work/cut-map/Map0001.lmu: cut short at byte" take "$work/cut-map" map1/event1
refused "$work/cut-map/Map0001.lmu: cut short at byte" events "$work/cut-map"
refused "$work/cut-database/RPG_RT.ldb: cut short at byte" take "$work/cut-database" troop1
refused "$work/cut-database/RPG_RT.ldb: cut short at byte" events "$work/cut-database"
refused "$work/cut-tree/RPG_RT.lmt: cut short at byte" maps "$work/cut-tree"
refused "$work/foreign-tree/RPG_RT.lmt: not a map tree of a game" events "$work/foreign-tree"
refused "$work/no-tree holds no RPG_RT.lmt: it lists no maps" maps "$work/no-tree"
refused "$work/foreign-map/Map0001.lmu: not a map file or database" \
    list --game "$work/foreign-map" map1/event1
refused "$work/foreign-database/RPG_RT.ldb: not a map file or database" \
    dump --game "$work/foreign-database" common1
refused "$work/database-as-map/Map0001.lmu: not a map file" take "$work/database-as-map" map1/event1
refused "--from and --game are each a source" export --game "$game" troop1 --from "$fixtures/578.bin"
refused "--game takes the format its SELECTOR names" list 578 --game "$game" troop1
refused "$work/half.lmu: cut short at byte" list "$work/half.lmu"
refused "$fixtures/563.bin: not a map file or database" list "$fixtures/563.bin"
refused "$game/Map0001.lmu: not a database" list --database "$game/Map0001.lmu"
refused "$game/Map0001.lmu is a source already; give no --from or --game" \
    list "$game/Map0001.lmu" --game "$game" map1/event1

# A map that another program holds so that it cannot be read, as the editor
# does on Windows: here one that the user may not read. Root reads anything,
# so the case runs as another user.
if [ "$(id -u)" = 0 ]; then
    bad_game locked "$game/Map0001.lmu" Map0001.lmu
    chmod 000 "$work/locked/Map0001.lmu"
    chmod 711 "$work"
    chmod 755 "$work/locked"
    rc=0
    setpriv --reuid=65534 --regid=65534 --clear-groups "$programs/pagewright-clip" \
        take "$work/locked" map1/event1 </dev/null >/dev/null 2>"$work/said" || rc=$?
    [ "$rc" = 1 ] || fail "an unreadable map: exit code $rc"
    grep -qxF "pagewright-clip: cannot read $work/locked/Map0001.lmu: Permission denied" \
        "$work/said" || fail "an unreadable map was not said as such"
else
    chmod 000 "$work/foreign-map/Map0001.lmu"
    refused "cannot read $work/foreign-map/Map0001.lmu: Permission denied" \
        take "$work/foreign-map" map1/event1
fi
echo "game end to end: all cases passed"
