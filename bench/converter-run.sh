#!/usr/bin/env bash
# Times whole runs of the programs, as processes, on the largest events of the
# corpus: the converter on the largest that converts without asking for a
# target, each run finding it freshly loaded on a clipboard folder of its own;
# pagewright-clip export (of it on the clipboard, as JSON into a file) and
# import (of that JSON, onto the clipboard) on the largest of all, and list
# (as a listing into a file) and import of that listing; and pagewright-clip
# events, and list of its files, of the largest game beside the corpus (by the
# bytes of its files) and of the one with the most maps, and export-texts and
# import-texts of them, the latter of a translation of every text made with
# gettext's msgen and msgfilter; and pagewright-clip put of a page into the
# largest map of the games, with its flush, backup and rename, into a copy of
# the map restored before each run.
#
#   PAGEWRIGHT_CORPUS=<folder> bench/converter-run.sh
#
# PAGEWRIGHT_BUILD names the build folder whose programs are timed (default
# build/bench); PAGEWRIGHT_RUNS the number of timed runs (default 100);
# PAGEWRIGHT_CODEPAGE the code page of export and import (default 932, in
# which the largest event's names are text).
set -euo pipefail
cd "$(dirname "$0")/.."
corpus=${PAGEWRIGHT_CORPUS:?set PAGEWRIGHT_CORPUS to the folder of real event data}
build=${PAGEWRIGHT_BUILD:-build/bench}
runs=${PAGEWRIGHT_RUNS:-100}
export PAGEWRIGHT_CODEPAGE=${PAGEWRIGHT_CODEPAGE:-932}
clip=$build/app/pagewright-clip

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PAGEWRIGHT_CLIPBOARD_DIR="$work/clipboard"

# The largest event of the corpus whose path does not match $1 (which an
# empty pattern never does).
largest() {
    find "$corpus" -name '*.bin' ! -path "$1" -printf '%s %p\n' | sort -n | tail -n 1 |
        cut -d ' ' -f 2-
}

# hyperfine's figures for COMMAND, run after PREPARE each time.
timed() {
    local name=$1 prepare=$2 command=$3
    hyperfine --shell=none --warmup 3 --runs "$runs" --export-json "$work/results" \
        --prepare "$prepare" "$command" >"$work/hyperfine.log"
    jq -r --arg name "$name" '.results[0] | [.median, .mean, .min, .max | . * 100000 | round / 100] as [$median, $mean, $min, $max]
        | "\($name): median \($median) ms (mean \($mean), min \($min), max \($max)) over \(.times | length) runs"' \
        "$work/results"
}

# Bare event commands (566) would wait for the user to choose a target.
event=$(largest '*/566/*')
format=$(basename "$(dirname "$event")")
echo "converter run on $event ($(stat -c %s "$event") bytes, format $format)"
timed converter "$clip load $format $event" "$build/app/pagewright"

event=$(largest '')
format=$(basename "$(dirname "$event")")
"$clip" load "$format" "$event"
"$clip" export -o "$work/event.json"
echo "export and import of $event ($(stat -c %s "$event") bytes, format $format," \
    "$(stat -c %s "$work/event.json") bytes of JSON in code page $PAGEWRIGHT_CODEPAGE)"
timed export "$clip load $format $event" "$clip export -o $work/exported.json"
timed import "$clip clear" "$clip import $work/event.json"

"$clip" load "$format" "$event"
"$clip" list -o "$work/event.txt"
echo "list and import of it as a listing ($(stat -c %s "$work/event.txt") bytes," \
    "$(wc -l <"$work/event.txt") lines)"
timed list "$clip load $format $event" "$clip list -o $work/listed.txt"
timed "import of the listing" "$clip clear" "$clip import $work/event.txt"

bytes_of() { du -sb "$1" | cut -f 1; }
maps_of() { find "$1" -iname 'map*.lmu' | wc -l; }
# The game whose figure, by the function named, is the highest.
game_by() {
    for folder in "$corpus"/../games/*/; do
        echo "$("$1" "$folder") $(realpath "$folder")"
    done | sort -n | tail -n 1 | cut -d ' ' -f 2-
}
printf '%s\n' "$(game_by bytes_of)" "$(game_by maps_of)" | sort -u | while read -r game; do
    echo "events of $game ($(maps_of "$game") maps, $(bytes_of "$game") bytes," \
        "$("$clip" events "$game" | wc -l) lines)"
    timed events true "$clip events $game"
    # list of each of its files, the maps with the database's names, one
    # process a file, as a diff of the whole game runs it.
    database=$(find "$game" -maxdepth 1 -iname rpg_rt.ldb)
    largest=$(find "$game" -maxdepth 1 -iname 'map*.lmu' -printf '%s %p\n' | sort -n |
        tail -n 1 | cut -d ' ' -f 2-)
    printf '%s\n' "for map in $game/*.lmu; do $clip list \"\$map\" --database $database; done" \
        "$clip list $database" >"$work/list-game.sh"
    echo "list of $largest ($(stat -c %s "$largest") bytes," \
        "$("$clip" list "$largest" --database "$database" | wc -l) lines), of $database" \
        "($("$clip" list "$database" | wc -l) lines), and of every file" \
        "($(bash "$work/list-game.sh" | wc -l) lines)"
    timed "list of the largest map" true "$clip list $largest --database $database -o $work/map.txt"
    timed "list of the database" true "$clip list $database -o $work/database.txt"
    timed "list of every file" true "bash $work/list-game.sh"
    # In the game's own code page; each msgstr is its msgid with the letters'
    # case swapped, so that every text changes.
    rm -rf "$work/po" "$work/translated"
    env -u PAGEWRIGHT_CODEPAGE "$clip" export-texts "$game" -o "$work/po" 2>/dev/null
    mkdir -p "$work/translated"
    for po in "$work"/po/*.po; do
        msgen "$po" | msgfilter --keep-header -o "$work/translated/$(basename "$po")" \
            tr a-zA-Z A-Za-z
    done
    echo "export-texts of $game ($(find "$work/po" -name '*.po' | wc -l) PO files," \
        "$(cat "$work"/po/*.po | grep -c '^msgid') entries) and import-texts of all translated"
    timed export-texts true "env -u PAGEWRIGHT_CODEPAGE $clip export-texts $game -o $work/exported"
    timed import-texts "rm -rf $work/imported" \
        "env -u PAGEWRIGHT_CODEPAGE $clip import-texts $game $work/translated -o $work/imported"
done

map=$(find "$corpus"/../games -iname 'map*.lmu' -printf '%s %p\n' | sort -n | tail -n 1 |
    cut -d ' ' -f 2-)
mkdir "$work/game"
cp "$(dirname "$map")"/RPG_RT.ldb "$map" "$work/game"
chmod u+w "$work/game"/*
copy=$work/game/$(basename "$map")
number=$(basename "$map" | tr -dc 0-9 | sed 's/^0*//')
read -r first second < <("$clip" events "$work/game" | grep "^map$number/" | head -n 2 |
    cut -f 1 | paste -sd ' ')
"$clip" take "$work/game" "$second/page1"
"$clip" save 564 "$work/page.564"
echo "put of $second's page 1 as $first's into $map ($(stat -c %s "$map") bytes)"
timed put "cp $map $copy" "$clip put $work/game $first/page1 --from $work/page.564"
