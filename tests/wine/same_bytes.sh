#!/usr/bin/env bash
# same_bytes.sh: pagewright.exe under Wine leaves on the clipboard exactly the
# bytes that the native program leaves in its clipboard folder, for the sample
# data of every format and, when PAGEWRIGHT_CORPUS is set, for real event data
# from it: every file of a format that has few, an evenly spread choice of
# PAGEWRIGHT_WINE_CORPUS_PER_FORMAT files (default 100; 0 for all) of the others.
# Bare event commands take the dialog's default entry on both sides.
#
# All runs of pagewright.exe happen in one Wine process (winetool batch), which
# puts each input on the clipboard, answers the program's windows and saves
# what the clipboard holds afterwards.
source "$(dirname "$0")/lib.sh"

native=${PAGEWRIGHT_NATIVE_BUILD:?}/app
[ -x "$native/pagewright" ] && [ -x "$native/pagewright-clip" ] ||
    fail "the native programs are missing: build the native preset first"
per_format=${PAGEWRIGHT_WINE_CORPUS_PER_FORMAT:-100}

begin_case same-bytes
list=$case_dir/inputs.tsv
: >"$list"
add_input() { printf '%s\t%s\n' "$1" "$2" >>"$list"; }

formats=$(find "$PAGEWRIGHT_FIXTURES" -name '5[0-9][0-9].bin' -printf '%f\n' | sed 's/\.bin$//' | sort)
for format in $formats; do
    add_input "$format" "$PAGEWRIGHT_FIXTURES/$format.bin"
done
if [ -n "${PAGEWRIGHT_CORPUS:-}" ]; then
    for format in $formats; do
        find "$PAGEWRIGHT_CORPUS" -path "*/$format/*.bin" | sort >"$case_dir/corpus-$format"
        total=$(wc -l <"$case_dir/corpus-$format")
        step=1
        [ "$per_format" -gt 0 ] && [ "$total" -gt "$per_format" ] &&
            step=$(((total + per_format - 1) / per_format))
        awk -v step="$step" '(NR - 1) % step == 0' "$case_dir/corpus-$format" |
            while read -r file; do add_input "$format" "$file"; done
    done
else
    echo "PAGEWRIGHT_CORPUS is not set: the sample data only."
fi

# The native program, each input in a clipboard folder of its own.
number=0
while IFS=$'\t' read -r format file; do
    number=$((number + 1))
    folder=$case_dir/native/$number
    mkdir -p "$folder"
    PAGEWRIGHT_CLIPBOARD_DIR=$folder "$native/pagewright-clip" load "$format" "$file"
    PAGEWRIGHT_CLIPBOARD_DIR=$folder "$native/pagewright" <<<"" >"$case_dir/native/$number.out"
    rm -f "$folder/.lock"
done <"$list"

sed 's/\t/\tZ:/' "$list" >"$case_dir/inputs-wine.tsv"
started=$SECONDS
wine "$WINETOOL_EXE" batch "$PAGEWRIGHT_EXE" "Z:$case_dir/inputs-wine.tsv" "Z:$case_dir/wine" \
    >"$case_dir/batch.out" 2>"$case_dir/batch.err" ||
    fail "the batch run failed: $(cat "$case_dir/batch.out" "$case_dir/batch.err")"
echo "$number runs of pagewright.exe in $((SECONDS - started)) s"

mismatches=0
mismatch() {
    echo "input $number ($file): $*" >&2
    mismatches=$((mismatches + 1))
}
number=0
while IFS=$'\t' read -r format file; do
    number=$((number + 1))
    shown=$(cat "$case_dir/wine/$number/message")
    rm "$case_dir/wine/$number/message"
    [[ "$shown" == "Successfully converted: "* ]] || mismatch "message box said '$shown'"
    # The native program's last line may begin with its prompt for a target.
    native_said=$(tail -n 1 "$case_dir/native/$number.out")
    [[ "$native_said" == *"$shown" ]] || mismatch "the native program said '$native_said'"
    diff -r "$case_dir/native/$number" "$case_dir/wine/$number" >/dev/null ||
        mismatch "clipboard differs: native $(ls "$case_dir/native/$number"), wine $(ls "$case_dir/wine/$number")"
done <"$list"
echo "$number inputs compared, $mismatches mismatches"
[ "$mismatches" = 0 ]
