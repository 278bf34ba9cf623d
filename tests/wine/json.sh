#!/usr/bin/env bash
# json.sh: pagewright-clip.exe under Wine writes the same JSON as the native
# pagewright-clip, in code pages 932 and 1252, and reads it back into the same
# bytes: for the sample data of every format and, when PAGEWRIGHT_CORPUS is
# set, for an evenly spread choice of PAGEWRIGHT_WINE_JSON_PER_FORMAT real
# events of each format (default 10). The sample data also goes through the
# Windows clipboard: import onto it, export from it. No text is placed on the
# clipboard.
source "$(dirname "$0")/lib.sh"

: "${PAGEWRIGHT_CLIP_EXE:?}"
native=${PAGEWRIGHT_NATIVE_BUILD:?}/app/pagewright-clip
[ -x "$native" ] || fail "the native pagewright-clip is missing: build the native preset first"
per_format=${PAGEWRIGHT_WINE_JSON_PER_FORMAT:-10}

begin_case json
list=$case_dir/inputs.tsv
: >"$list"
for format in 563 564 565 566 578 584; do
    printf '%s\t%s\n' "$format" "$PAGEWRIGHT_FIXTURES/$format.bin" >>"$list"
done
if [ -n "${PAGEWRIGHT_CORPUS:-}" ]; then
    for format in 563 564 565 566 578 584; do
        find "$PAGEWRIGHT_CORPUS" -path "*/$format/*.bin" | sort >"$case_dir/corpus-$format"
        step=$((($(wc -l <"$case_dir/corpus-$format") + per_format - 1) / per_format))
        awk -v step="$((step > 0 ? step : 1))" '(NR - 1) % step == 0' "$case_dir/corpus-$format" |
            while read -r file; do printf '%s\t%s\n' "$format" "$file" >>"$list"; done
    done
else
    echo "PAGEWRIGHT_CORPUS is not set: the sample data only."
fi

clip_exe() {
    wine "$PAGEWRIGHT_CLIP_EXE" "$@" >"$case_dir/clip.out" 2>"$case_dir/clip.err" ||
        fail "pagewright-clip.exe $*: $(cat "$case_dir/clip.err")"
}

number=0
while IFS=$'\t' read -r format file; do
    number=$((number + 1))
    for codepage in 932 1252; do
        out=$case_dir/$number-$codepage
        # What was there is replaced.
        printf 'stale' | tee "$out.wine.json" >"$out.wine.bin"
        "$native" export "$format" --from "$file" --codepage "$codepage" -o "$out.native.json"
        clip_exe export "$format" --from "Z:$file" --codepage "$codepage" -o "Z:$out.wine.json"
        cmp -s "$out.native.json" "$out.wine.json" ||
            fail "$file in $codepage: the JSON differs ($out.*.json)"
        "$native" import "$out.native.json" --codepage "$codepage" --to "$out.native.bin"
        clip_exe import "Z:$out.wine.json" --codepage "$codepage" --to "Z:$out.wine.bin"
        cmp -s "$out.native.bin" "$out.wine.bin" || fail "$file in $codepage: the import differs"
    done
done <"$list"
echo "$number inputs: the same JSON and the same bytes in code pages 932 and 1252"

# Through the clipboard, and the JSON through standard output as it is.
for format in 563 564 565 566 578 584; do
    json=$case_dir/$format.native.json
    "$native" export "$format" --from "$PAGEWRIGHT_FIXTURES/$format.bin" -o "$json"
    clip_exe import "Z:$json"
    snapshot "after-$format"
    expect_formats "after-$format" "$format"
    clip_exe export
    cmp -s "$json" "$case_dir/clip.out" ||
        fail "$format: the JSON exported from the Windows clipboard differs"
done
echo "the sample data of every format through the Windows clipboard"
