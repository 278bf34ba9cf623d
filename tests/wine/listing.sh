#!/usr/bin/env bash
# listing.sh CASE: pagewright-clip.exe's listings under Wine.
#   same:           it writes the same listing as the native pagewright-clip,
#                   in code pages 932 and 1252, and reads it back into the same
#                   bytes: for the sample data of every format and, when
#                   PAGEWRIGHT_CORPUS is set, for an evenly spread choice of
#                   PAGEWRIGHT_WINE_LISTING_PER_FORMAT real events of each
#                   format (default 10).
#   clipboard-text: list --as-text puts the listing on the Windows clipboard
#                   as Unicode text, a Japanese name included, and import
#                   --text reads it back into the event. Text goes on to the X
#                   selection, so this case runs after every other.
source "$(dirname "$0")/lib.sh"

: "${PAGEWRIGHT_CLIP_EXE:?}"
native=${PAGEWRIGHT_NATIVE_BUILD:?}/app/pagewright-clip
[ -x "$native" ] || fail "the native pagewright-clip is missing: build the native preset first"

clip_exe() {
    wine "$PAGEWRIGHT_CLIP_EXE" "$@" >"$case_dir/clip.out" 2>"$case_dir/clip.err" ||
        fail "pagewright-clip.exe $*: $(cat "$case_dir/clip.err")"
}

begin_case "listing-$1"
case $1 in
same)
    per_format=${PAGEWRIGHT_WINE_LISTING_PER_FORMAT:-10}
    list=$case_dir/inputs.tsv
    for sample in "$PAGEWRIGHT_FIXTURES"/5[0-9][0-9].bin; do
        printf '%s\t%s\n' "$(basename "$sample" .bin)" "$sample" >>"$list"
    done
    if [ -n "${PAGEWRIGHT_CORPUS:-}" ]; then
        for format in $(cut -f1 "$list"); do
            find "$PAGEWRIGHT_CORPUS" -path "*/$format/*.bin" | sort >"$case_dir/corpus-$format"
            step=$((($(wc -l <"$case_dir/corpus-$format") + per_format - 1) / per_format))
            awk -v step="$((step > 0 ? step : 1))" '(NR - 1) % step == 0' "$case_dir/corpus-$format" |
                while read -r file; do printf '%s\t%s\n' "$format" "$file" >>"$list"; done
        done
    fi
    number=0
    while IFS=$'\t' read -r format file; do
        number=$((number + 1))
        for codepage in 932 1252; do
            out=$case_dir/$number-$codepage
            "$native" list "$format" --from "$file" --codepage "$codepage" -o "$out.native.txt"
            clip_exe list "$format" --from "Z:$file" --codepage "$codepage" -o "Z:$out.wine.txt"
            cmp -s "$out.native.txt" "$out.wine.txt" ||
                fail "$file in $codepage: the listing differs ($out.*.txt)"
            "$native" import "$out.native.txt" --codepage "$codepage" --to "$out.native.bin"
            clip_exe import "Z:$out.wine.txt" --codepage "$codepage" --to "Z:$out.wine.bin"
            cmp -s "$out.native.bin" "$out.wine.bin" || fail "$file in $codepage: the import differs"
        done
    done <"$list"
    echo "$number inputs: the same listings and the same bytes in code pages 932 and 1252"
    ;;
clipboard-text)
    name=門番の小屋
    printf '# Pagewright listing: Map event (563)\n#event kind=map name="%s"\n#page number=1\n<>Message: %s\n' \
        "$name" "$name" >"$case_dir/event.txt"
    "$native" import "$case_dir/event.txt" --codepage 932 --to "$case_dir/event.bin"
    put_clipboard 563 "$case_dir/event.bin"
    clip_exe list --as-text --codepage 932
    snapshot as-text
    expect_formats as-text "1 7 13 16"
    # The Unicode text holds the name as UTF-16.
    utf16=$(printf '%s' "$name" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 | tr -d ' \n')
    od -An -tx1 "$case_dir/as-text/13" | tr -d ' \n' | grep -q "$utf16" ||
        fail "the clipboard's Unicode text lacks the name"
    clip_exe import --text --codepage 932
    snapshot back
    expect_formats back 563
    # The block holds the content and one zero byte after it.
    cmp -s -n "$(stat -c %s "$case_dir/event.bin")" "$case_dir/event.bin" "$case_dir/back/563" ||
        fail "the event did not come back as it was"
    echo "list --as-text and import --text through the Windows clipboard, $name included"
    ;;
*) fail "unknown case $1" ;;
esac
