#!/usr/bin/env bash
# game.sh: pagewright-clip.exe reads games under Wine. take puts the sample
# game's contents on the Windows clipboard as the sample data holds them, its
# file names found in another case too; events and list of its files list as
# the native pagewright-clip does, of the sample game and, when
# PAGEWRIGHT_CORPUS is set, of the real game with the most maps; and a map
# that another program holds open without sharing it, as the editor does, is
# said as unreadable and leaves the clipboard as it was; put into a map held
# so, or held readable but not to be replaced, is said in one line with exit
# code 1 and leaves the map as it was and nothing beside it; and export-texts
# and import-texts of the same games, of a translation of every text, write
# what the native tool writes.
source "$(dirname "$0")/lib.sh"

: "${PAGEWRIGHT_CLIP_EXE:?}"
native=${PAGEWRIGHT_NATIVE_BUILD:?}/app/pagewright-clip
[ -x "$native" ] || fail "the native pagewright-clip is missing: build the native preset first"

begin_case game
game=$case_dir/game
mkdir "$game"
cp "$PAGEWRIGHT_FIXTURES/game/RPG_RT.ldb" "$game/rpg_rt.LDB"
cp "$PAGEWRIGHT_FIXTURES/game/Map0001.lmu" "$game/MAP0001.lmu"
# Beside them, a file whose name the ANSI code page cannot spell.
printf 'notes' >"$game/門番の小屋.txt"

for taken in map1/event1=563 troop1/page1=565 common1/commands=566 troop1=578; do
    selector=${taken%=*}
    format=${taken#*=}
    wine "$PAGEWRIGHT_CLIP_EXE" take "Z:$game" "$selector" >"$case_dir/clip.out" \
        2>"$case_dir/clip.err" || fail "take $selector: $(cat "$case_dir/clip.err")"
    snapshot "$format"
    expect_formats "$format" "$format"
    expected=$PAGEWRIGHT_FIXTURES/$format.bin
    cmp -s -n "$(stat -c %s "$expected")" "$expected" "$case_dir/$format/$format" ||
        fail "take $selector: not the bytes of the game"
done
echo "take: the sample game's contents on the Windows clipboard"

# list_as_natively FILE [DATABASE]: the listing of the file as the native tool
# writes it.
list_as_natively() {
    local native_names=() wine_names=()
    if [ -n "${2:-}" ]; then
        native_names=(--database "$2")
        wine_names=(--database "Z:$2")
    fi
    "$native" list "$1" "${native_names[@]}" --codepage 932 >"$case_dir/list.native"
    wine "$PAGEWRIGHT_CLIP_EXE" list "Z:$1" "${wine_names[@]}" --codepage 932 \
        >"$case_dir/list.wine" 2>"$case_dir/clip.err" || fail "list $1: $(cat "$case_dir/clip.err")"
    cmp -s "$case_dir/list.native" "$case_dir/list.wine" ||
        fail "list $1: not as the native tool lists it"
    echo "list of $1: $(wc -l <"$case_dir/list.wine") lines, as natively"
}

# The native tool's events of the same game; Windows writes paths its own way,
# but events writes none.
games=("$game")
if [ -n "${PAGEWRIGHT_CORPUS:-}" ]; then
    games+=("$(for folder in "$PAGEWRIGHT_CORPUS"/../games/*/; do
        echo "$(find "$folder" -iname 'map*.lmu' | wc -l) ${folder%/}"
    done | sort -n | tail -n 1 | cut -d ' ' -f 2-)")
fi
for folder in "${games[@]}"; do
    "$native" events "$folder" --codepage 932 >"$case_dir/events.native"
    wine "$PAGEWRIGHT_CLIP_EXE" events "Z:$folder" --codepage 932 >"$case_dir/events.wine" \
        2>"$case_dir/clip.err" || fail "events $folder: $(cat "$case_dir/clip.err")"
    cmp -s "$case_dir/events.native" "$case_dir/events.wine" ||
        fail "events $folder: not as the native tool lists it"
    echo "events of $folder: $(wc -l <"$case_dir/events.wine") lines, as natively"
    # The listings of its database, with its own names, and of its largest
    # map, with the database's.
    database=$(find "$folder" -maxdepth 1 -iname rpg_rt.ldb)
    largest=$(find "$folder" -maxdepth 1 -iname 'map*.lmu' -printf '%s %p\n' | sort -n |
        tail -n 1 | cut -d ' ' -f 2-)
    list_as_natively "$database"
    list_as_natively "$largest" "$database"
done

# export_texts_as_natively FOLDER: its PO files, and the game with every text
# translated (its letters' case swapped), as the native tool writes them.
export_texts_as_natively() {
    local texts=$case_dir/texts
    rm -rf "$texts"
    mkdir -p "$texts/translated"
    "$native" export-texts "$1" -o "$texts/po.native" 2>/dev/null
    wine "$PAGEWRIGHT_CLIP_EXE" export-texts "Z:$1" -o "Z:$texts/po.wine" 2>"$case_dir/clip.err" ||
        fail "export-texts $1: $(cat "$case_dir/clip.err")"
    diff -r "$texts/po.native" "$texts/po.wine" >/dev/null ||
        fail "export-texts $1: not as the native tool writes the PO files"
    for po in "$texts"/po.native/*.po; do
        msgen "$po" | msgfilter --keep-header -o "$texts/translated/$(basename "$po")" \
            tr a-zA-Z A-Za-z
    done
    "$native" import-texts "$1" "$texts/translated" -o "$texts/game.native" >/dev/null 2>&1
    wine "$PAGEWRIGHT_CLIP_EXE" import-texts "Z:$1" "Z:$texts/translated" -o "Z:$texts/game.wine" \
        >/dev/null 2>"$case_dir/clip.err" || fail "import-texts $1: $(cat "$case_dir/clip.err")"
    diff -r "$texts/game.native" "$texts/game.wine" >/dev/null ||
        fail "import-texts $1: not as the native tool writes the translated game"
    echo "export-texts and import-texts of $1: $(find "$texts/po.wine" -name '*.po' | wc -l)" \
        "PO files and the translated game, as natively"
}
for folder in "${games[@]}"; do
    export_texts_as_natively "$folder"
done

snapshot before
wine "$WINETOOL_EXE" lock "Z:$game/MAP0001.lmu" 5000 "Z:$case_dir/locked" \
    >"$case_dir/locker.out" 2>"$case_dir/locker.err" &
locker=$!
wait_for "$case_dir/locked" || fail "the map was not locked: $(cat "$case_dir/locker.err")"
rc=0
wine "$PAGEWRIGHT_CLIP_EXE" take "Z:$game" map1/event1 >"$case_dir/clip.out" \
    2>"$case_dir/clip.err" || rc=$?
wait "$locker"
[ "$rc" = 1 ] || fail "take of a locked map: exit code $rc"
grep -q "^pagewright-clip: cannot read Z:.*MAP0001.lmu: Permission denied" "$case_dir/clip.err" ||
    fail "take of a locked map said: $(cat "$case_dir/clip.err")"
snapshot after
expect_unchanged
echo "a map held open by another program: said, and the clipboard as it was"

# put_held SHARING EXPECTED: put into the map while another program holds it.
put_held() {
    cp "$game/MAP0001.lmu" "$case_dir/map.before"
    rm -f "$case_dir/locked"
    wine "$WINETOOL_EXE" lock "Z:$game/MAP0001.lmu" 5000 "Z:$case_dir/locked" $1 \
        >"$case_dir/locker.out" 2>"$case_dir/locker.err" &
    locker=$!
    wait_for "$case_dir/locked" || fail "the map was not locked: $(cat "$case_dir/locker.err")"
    rc=0
    wine "$PAGEWRIGHT_CLIP_EXE" put "Z:$game" map1/event1/page1/commands \
        --from "Z:$case_dir/scene.566" >"$case_dir/clip.out" 2>"$case_dir/clip.err" ||
        rc=$?
    wait "$locker"
    [ "$rc" = 1 ] || fail "put into a held map ($1): exit code $rc"
    [ "$(wc -l <"$case_dir/clip.err")" = 1 ] && grep -q "$2" "$case_dir/clip.err" ||
        fail "put into a held map ($1) said: $(cat "$case_dir/clip.err")"
    cmp -s "$case_dir/map.before" "$game/MAP0001.lmu" || fail "put into a held map ($1) wrote"
    [ -z "$(find "$game" -name '*.incoming-*')" ] || fail "put into a held map ($1) left a file"
}
printf '%s\n' '<>Control Switches: [0001] ON' >"$case_dir/scene.txt"
"$native" import "$case_dir/scene.txt" --to "$case_dir/scene.566"
put_held "" "^pagewright-clip: cannot read Z:.*MAP0001.lmu: Permission denied"
put_held read "^pagewright-clip: cannot replace Z:.*MAP0001.lmu: .* (does the editor hold it open?); nothing written"
echo "put into a map held by another program: said, the map as it was, nothing beside it"
