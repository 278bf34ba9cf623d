#!/usr/bin/env bash
# pagewright-clip export and import as a user runs them, one process after
# another over a private clipboard folder: the sample data of every format
# through the clipboard and through files, conversions with --as, bad input
# that changes nothing, and every export checked against the JSON Schema.
# With PAGEWRIGHT_CORPUS set, an evenly spread choice of real data too:
# PAGEWRIGHT_JSON_CORPUS_PER_FORMAT files of each format (default 20).
# Usage: json_end_to_end.sh PROGRAM_FOLDER SAMPLE_FOLDER SCHEMA
set -euo pipefail
programs=$1
samples=$2
schema=$3
source "$(dirname "$0")/lib.sh"
exports=$work/exports
mkdir -p "$exports"

# The sample data is the encoder's own writing, which it writes again as it is.
for sample in "$samples"/5[0-9][0-9].bin; do
    format=$(basename "$sample" .bin)
    json=$exports/sample-$format.json
    clip load "$format" "$sample"
    clip export -o "$json"
    clip clear
    clip import "$json"
    [ "$(clip formats | cut -f1)" = "$format" ] || fail "$format: import left $(clip formats)"
    clip save "$format" "$work/back"
    same "$sample" "$work/back" "$format: export and import changed the bytes"

    clip clear
    clip export "$format" --from "$sample" | clip import --to "$work/to"
    same "$sample" "$work/to" "$format: --from and --to changed the bytes"
    [ -z "$(clip formats)" ] || fail "$format: --from or --to touched the clipboard"

    # What the converter makes of it, bare commands taking the dialog's default.
    clip load "$format" "$sample"
    "$programs/pagewright" <<<"" >/dev/null
    target=$(clip formats | cut -f1)
    clip save "$target" "$work/by-converter"
    clip import "$json" --as "$target" --to "$work/by-import"
    same "$work/by-converter" "$work/by-import" "$format: --as $target differs from the converter"
done

# Without a FORMAT, export and dump both take the first event format, whatever
# text lies beside it.
clip load 564 "$samples/564.bin"
printf 'hello\0' >"$PAGEWRIGHT_CLIPBOARD_DIR/1"
cp "$samples/566.bin" "$PAGEWRIGHT_CLIPBOARD_DIR/566"
clip export >"$work/beside-text.json" || fail "export refused an event beside text"
grep -q '"format": 564' "$work/beside-text.json" || fail "export did not take the first event format"
clip dump | head -n 1 | grep -q '^EVENT kind=1 ' || fail "dump did not take the first event format"

# Each bad input: one line naming what and where, exit code 1, and the
# clipboard and the output file as they were.
bad=(
    'line 1, column 16|{"format": 563,}'
    '/pages/0/triger: unknown key|{"format": 563, "pages": [{"triger": 1}]}'
    '/x: expected an integer, found a string|{"format": 563, "x": "3"}'
    '/y: 2147483648 is outside|{"format": 563, "y": 2147483648}'
    '/format: 600 is no event format|{"format": 600}'
    '/pages/0/commands/0/command: no command is named "Show"|{"format": 566, "pages": [{"commands": [{"command": "Show"}]}]}'
    '/pages/0/commands/0/command: "Wait" is code 11410, not 10|{"format": 566, "pages": [{"commands": [{"command": "Wait", "code": 10}]}]}'
    '/extra_chunks/2: not a hex digit|{"format": 578, "extra_chunks": {"2": "zz"}}'
    '/name: U+65E5 has no place in code page 1252|{"format": 563, "name": "日本"}'
    'top level: expected an object, found 42|42'
)
clip load 563 "$samples/563.bin"
cp -r "$PAGEWRIGHT_CLIPBOARD_DIR" "$work/clipboard-before"
printf 'kept' >"$work/out"
for case in "${bad[@]}"; do
    expected=${case%%|*}
    printf '%s' "${case#*|}" >"$work/bad.json"
    for destination in clipboard file; do
        rc=0
        if [ $destination = clipboard ]; then
            clip import "$work/bad.json" 2>"$work/said" || rc=$?
        else
            clip import "$work/bad.json" --to "$work/out" 2>"$work/said" || rc=$?
        fi
        [ "$rc" = 1 ] || fail "'$expected': exit code $rc"
        [ "$(wc -l <"$work/said")" = 1 ] || fail "'$expected': not one line"
        grep -qF "pagewright-clip: $work/bad.json: $expected" "$work/said" ||
            fail "'$expected' not said"
    done
    diff -r "$work/clipboard-before" "$PAGEWRIGHT_CLIPBOARD_DIR" >/dev/null ||
        fail "'$expected': the clipboard changed"
    [ "$(cat "$work/out")" = kept ] || fail "'$expected': the output file changed"
done
[ -z "$(find "$work" -name '*.incoming-*')" ] || fail "a temporary file was left"
# JSON in a file of any other name is JSON by its content: refused as no event,
# not put on the clipboard as a message.
printf '[]\n' >"$work/bad.txt"
clip import "$work/bad.txt" 2>"$work/said" && fail "[] was taken for dialogue"
grep -qF "bad.txt: top level: expected an object, found an array" "$work/said" ||
    fail "[] was not refused as JSON"
clip clear
clip export -o "$work/out" 2>"$work/said" && fail "export from an empty clipboard must fail"
[ "$(cat "$work/out")" = kept ] || fail "a failed export changed its output file"

# Real data: the second round gives the bytes of the first (the first may
# drop what the writer does not keep), and Japanese text reads as such.
if [ -n "${PAGEWRIGHT_CORPUS:-}" ]; then
    per_format=${PAGEWRIGHT_JSON_CORPUS_PER_FORMAT:-20}
    checked=0
    for format in 563 564 565 566 578 584; do
        find "$PAGEWRIGHT_CORPUS" -path "*/$format/*.bin" | sort >"$work/list"
        step=$((($(wc -l <"$work/list") + per_format - 1) / per_format))
        while read -r file; do
            json=$exports/corpus-$format-$checked.json
            clip load "$format" "$file"
            clip export --codepage 932 -o "$json"
            clip import "$json" --codepage 932 --to "$work/first"
            clip load "$format" "$work/first"
            clip export "$format" --codepage 932 | clip import --codepage 932 --to "$work/second"
            same "$work/first" "$work/second" "$file: a second round changed the bytes"
            checked=$((checked + 1))
        done < <(awk -v step="$((step > 0 ? step : 1))" '(NR - 1) % step == 0' "$work/list")
    done
    grep -lqP '[\x{3041}-\x{30FF}]' "$exports"/corpus-*.json ||
        fail "no Japanese text in the exports of code page 932"
    echo "$checked real events checked"
else
    echo "PAGEWRIGHT_CORPUS is not set: the sample data only."
fi

python3 - "$schema" "$exports"/*.json <<'EOF' || fail "an export does not fit the schema"
import json, sys
import jsonschema

with open(sys.argv[1], encoding="utf-8") as file:
    validator = jsonschema.Draft202012Validator(json.load(file))
bad = 0
for path in sys.argv[2:]:
    with open(path, encoding="utf-8") as file:
        for error in validator.iter_errors(json.load(file)):
            print(f"{path}: {error.json_path}: {error.message}", file=sys.stderr)
            bad += 1
print(f"{len(sys.argv) - 2} exports fit the schema" if bad == 0 else f"{bad} faults")
sys.exit(1 if bad else 0)
EOF
echo "JSON end to end: all cases passed"
