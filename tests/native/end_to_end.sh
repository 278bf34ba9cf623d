#!/usr/bin/env bash
# The native converter and clipboard tool as a user runs them, one process
# after another over a private clipboard folder.
# Usage: end_to_end.sh PROGRAM_FOLDER SAMPLE_MAP_EVENT VERSION
set -euo pipefail
programs=$1
sample=$2
version=$3
source "$(dirname "$0")/lib.sh"
convert() { "$programs/pagewright" >"$work/said" 2>&1 <"${1:-/dev/null}"; }
expect_output() { grep -qF -- "$1" "$work/said" || fail "expected output '$1'"; }
expect_formats() {
    [ "$(clip formats | cut -f1 | tr '\n' ' ')" = "$1" ] || fail "expected formats '$1', got '$(clip formats | cut -f1 | tr '\n' ' ')'"
}

# A map event becomes a monster group, alone on the clipboard.
clip load 563 "$sample"
convert
expect_output "Successfully converted: Map event -> Monster group"
expect_formats "578 "
clip dump >"$work/said"
expect_output 'EVENT kind=3 id=1 x=0 y=0 name="Village Gate" pages=2'

# Saving gives back exactly what was loaded.
clip load 563 "$sample"
clip save 563 "$work/saved"
cmp -s "$sample" "$work/saved" || fail "save did not give back the loaded bytes"

# Bare event commands: the console dialog.
commands=$work/commands.566
printf '\x08\x00\x00\x00\x0a\x00\x00\x00\x00\x00\x00\x00' >"$commands"
choose() {
    clip load 566 "$commands"
    printf "$1" >"$work/in"
    convert "$work/in"
}
choose '\n'
expect_output "* 3  Battle event page"
expect_output "Successfully converted: Event command(s) -> Battle event page"
expect_formats "565 "
choose 'x\n9\n0\n'
[ "$(grep -o 'Choose 0-4' "$work/said" | wc -l)" = 3 ] || fail "a wrong answer must ask again"
expect_output "Successfully converted: Event command(s) -> Map event"
expect_formats "563 "
choose ' 4 \r\n'
expect_output "Successfully converted: Event command(s) -> Common event"
expect_formats "584 "
for declined in 'cancel\n' ''; do
    choose "$declined"
    grep -q "Successfully" "$work/said" && fail "declining must not convert"
    expect_formats "566 "
    clip save 566 "$work/kept"
    cmp -s "$commands" "$work/kept" || fail "declining must leave the commands as they were"
done

# No event data: the no-data message, nothing changed.
clip clear
convert
expect_output "There is no supported RPG Maker event data in clipboard!"
printf 'hello' >"$work/text"
clip load 1 "$work/text"
convert
expect_output "Pagewright v$version"
expect_formats "1 "

# Asking for help or the version converts nothing; any other argument is
# refused.
clip load 563 "$sample"
"$programs/pagewright" --help >"$work/said" || fail "--help must succeed"
expect_output "usage: pagewright"
"$programs/pagewright" --version >"$work/said" || fail "--version must succeed"
expect_output "pagewright $version"
rc=0
"$programs/pagewright" --frobnicate >/dev/null 2>"$work/said" || rc=$?
[ "$rc" = 2 ] || fail "an unknown argument must exit with 2, not $rc"
expect_output "usage: pagewright"
expect_formats "563 "
for help in help --help; do
    clip "$help" >"$work/said" || fail "pagewright-clip $help must succeed"
    expect_output "usage: pagewright-clip"
done
clip --version >"$work/said" || fail "pagewright-clip --version must succeed"
[ "$(cat "$work/said")" = "pagewright-clip $version" ] || fail "--version said '$(cat "$work/said")'"

# A file-size limit makes the write fail: the failure message, the clipboard
# as it was, and no temporary file left behind. (Output goes through a pipe,
# which the limit does not touch.)
(
    ulimit -f 0
    exec "$programs/pagewright" </dev/null 2>&1
) | cat >"$work/said" || fail "the converter did not survive a file-size limit"
expect_output "Could not write to the clipboard. Nothing was converted."
expect_formats "563 "
[ -z "$(find "$PAGEWRIGHT_CLIPBOARD_DIR" -name '.incoming-*')" ] || fail "a temporary file was left"

# A format file that cannot be read, for its permissions: the read-failure
# message, the file kept. Root reads any file, so root runs the converter as
# nobody, who can reach the folder but not read the file.
clip load 563 "$sample"
chmod 000 "$PAGEWRIGHT_CLIPBOARD_DIR/563"
if [ "$(id -u)" = 0 ]; then
    chmod 711 "$work" "$PAGEWRIGHT_CLIPBOARD_DIR"
    setpriv --reuid=65534 --regid=65534 --clear-groups "$programs/pagewright" \
        </dev/null >"$work/said" 2>&1
else
    convert
fi
expect_output "Could not read the clipboard. Nothing was converted."
chmod 600 "$PAGEWRIGHT_CLIPBOARD_DIR/563"
expect_formats "563 "
clip save 563 "$work/kept"
cmp -s "$sample" "$work/kept" || fail "the unreadable data must be left as it was"

# A save that cannot be written leaves the file as it was, and nothing beside it.
clip load 563 "$sample"
printf 'precious' >"$work/kept.bin"
rc=0
(
    ulimit -f 0
    exec "$programs/pagewright-clip" save 563 "$work/kept.bin" 2>&1
) | cat >"$work/said" || rc=$?
[ "$rc" != 0 ] || fail "a save past the file-size limit must fail"
expect_output "cannot write $work/kept.bin"
[ "$(cat "$work/kept.bin")" = precious ] || fail "a failed save changed the file"
[ -z "$(find "$work" -maxdepth 1 -name 'kept.bin.*')" ] || fail "a failed save left a file"

# The tool's errors.
clip load 563 "$work/missing" 2>"$work/said" && fail "a missing file must fail"
expect_output "cannot read"
clip load 999 "$sample" 2>"$work/said" && fail "an unknown format must fail"
expect_output "unknown format 999"
# 563 + 2^32, which a 32-bit format number would take for 563.
clip load 4294967859 "$sample" 2>"$work/said" && fail "a format beyond 32 bits must fail"
expect_output "unknown format 4294967859"
clip clear
clip save 563 "$work/none" 2>"$work/said" && fail "saving an absent format must fail"
expect_output "no data of format 563"
clip dump 2>"$work/said" && fail "dumping an empty clipboard must fail"
expect_output "no event data"
# No command, or arguments that the usage line does not allow.
for wrong in "save 563" "dump 563 564" "export --frob 1" "export -o a -o b" "export -o" "export-texts game" ""; do
    rc=0
    # shellcheck disable=SC2086
    clip $wrong >/dev/null 2>"$work/said" || rc=$?
    [ "$rc" = 2 ] || fail "'pagewright-clip $wrong' must exit with 2, not $rc"
    expect_output "usage: pagewright-clip"
    # A known command gives its own usage line, not the whole help.
    [ -z "$wrong" ] || [ "$(wc -l <"$work/said")" = 2 ] ||
        fail "'pagewright-clip $wrong' said more than its usage: $(cat "$work/said")"
done
# An unknown command gets one line that says so, not the whole help.
rc=0
clip frob >/dev/null 2>"$work/said" || rc=$?
[ "$rc" = 2 ] || fail "an unknown command must exit with 2, not $rc"
[ "$(cat "$work/said")" = 'pagewright-clip: unknown command "frob"; "pagewright-clip help" lists the commands' ] ||
    fail "an unknown command said '$(cat "$work/said")'"
echo "native end to end: all cases passed"
