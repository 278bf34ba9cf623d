#!/usr/bin/env bash
# pagewright-clip list and import of listings as a user runs them, one process
# after another over a private clipboard folder: the sample data of every
# format through the clipboard, files and the clipboard's text, dialogue with
# its warnings, and bad listings that change nothing.
# Usage: listing_end_to_end.sh PROGRAM_FOLDER SAMPLE_FOLDER
set -euo pipefail
programs=$1
samples=$2
source "$(dirname "$0")/lib.sh"

# The sample data is the encoder's own writing: its listing, read back, gives
# the same bytes, through a file, standard input and the clipboard's text.
for sample in "$samples"/5[0-9][0-9].bin; do
    format=$(basename "$sample" .bin)
    clip load "$format" "$sample"
    clip list -o "$work/listing"
    clip list | cmp -s - "$work/listing" || fail "$format: -o and standard output differ"
    clip import "$work/listing" --to "$work/back"
    same "$sample" "$work/back" "$format: list and import changed the bytes"
    clip import --to "$work/piped" <"$work/listing"
    same "$sample" "$work/piped" "$format: a listing on standard input changed the bytes"

    clip list --as-text
    [ "$(clip formats | cut -f1)" = 1 ] || fail "$format: --as-text left $(clip formats)"
    clip save 1 "$work/text"
    same "$work/listing" "$work/text" "$format: the clipboard's text is not the listing"
    clip import --text
    clip save "$format" "$work/from-text"
    same "$sample" "$work/from-text" "$format: the clipboard's text came back as other bytes"
done

# Dialogue: message boxes of four lines, with a warning that names its line.
printf 'One.\nTwo.\nThree.\nFour.\nFive.\n' >"$work/dialogue.txt"
clip import "$work/dialogue.txt" 2>"$work/said" || fail "dialogue was refused"
grep -qF "$work/dialogue.txt:5: warning: a message box shows 4 lines" "$work/said" ||
    fail "no warning for the fifth line"
[ "$(clip formats | cut -f1)" = 566 ] || fail "dialogue did not give event commands"
[ "$(clip list | grep -c '^<>Message: ')" = 2 ] || fail "dialogue did not give two boxes"

# Each bad listing: one line naming the file and line, exit code 1, and the
# clipboard and the output file as they were.
bad=(
    '2: unknown command "Mesage"|<>Message: Hi\n<>Mesage: Hi\n'
    '1: the parameters of "Conditional Branch" cannot be read; expected, for example: Switch [0003] is ON|<>Conditional Branch: Switch [0003] ON\n'
    '1: a number is out of range|<>Wait: 99999999999 s\n'
    '1: a quote is not closed|<>Play Sound Effect: "Open1, Volume 100\n'
    '1: bad fallback parameters|<>@10110 "x" [1, two]\n'
    '1: U+65E5 has no place in code page 1252|<>Message: \xe6\x97\xa5\n'
)
clip load 563 "$samples/563.bin"
cp -r "$PAGEWRIGHT_CLIPBOARD_DIR" "$work/clipboard-before"
printf 'kept' >"$work/out"
for case in "${bad[@]}"; do
    expected=${case%%|*}
    # shellcheck disable=SC2059
    printf "${case#*|}" >"$work/bad.txt"
    rc=0
    clip import "$work/bad.txt" --to "$work/out" 2>"$work/said" || rc=$?
    [ "$rc" = 1 ] || fail "'$expected': exit code $rc"
    [ "$(wc -l <"$work/said")" = 1 ] || fail "'$expected': not one line"
    grep -qF "pagewright-clip: $work/bad.txt:$expected" "$work/said" || fail "'$expected' not said"
    clip import "$work/bad.txt" 2>/dev/null && fail "'$expected' went onto the clipboard"
    diff -r "$work/clipboard-before" "$PAGEWRIGHT_CLIPBOARD_DIR" >/dev/null ||
        fail "'$expected': the clipboard changed"
    [ "$(cat "$work/out")" = kept ] || fail "'$expected': the output file changed"
done
echo "listing end to end: all cases passed"
