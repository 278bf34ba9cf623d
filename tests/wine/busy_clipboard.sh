#!/usr/bin/env bash
# busy_clipboard.sh CASE: another program holds the clipboard open while the
# converter needs it. The holder keeps it until no target dialog is open and
# then HOLD milliseconds longer; the converter keeps trying for about a second.
#   held-while-reading: held from before the start, past the converter's tries;
#                       the data cannot be read, and the user is told so.
#   held-past-retries:  taken while the dialog is open, after the converter
#                       read the data, and kept past the converter's tries;
#                       nothing is written and the user is told so.
#   released-in-time:   the same, but let go within the converter's tries; the
#                       conversion goes through.
#   target-present:     held past the tries as above, with the chosen target
#                       (a common event) already on the clipboard beside the
#                       commands; still nothing is written and the user is
#                       told so.
source "$(dirname "$0")/lib.sh"

start_holder() {
    wine "$WINETOOL_EXE" hold "$1" "Z:$case_dir/held" \
        >"$case_dir/holder.out" 2>"$case_dir/holder.err" &
    holder=$!
    wait_for "$case_dir/held" || fail "the holder did not get the clipboard"
}

finish() {
    wait_new_window
    confirm_and_finish
    wait "$holder" || fail "the holder failed: $(cat "$case_dir/holder.err")"
    snapshot after
}

begin_case "busy-$1"
case $1 in
held-while-reading)
    put_clipboard 563 "$PAGEWRIGHT_FIXTURES/563.bin"
    snapshot before
    start_holder 3000
    start_converter
    finish
    expect_message "$READ_FAILED"
    expect_unchanged
    ;;
held-past-retries | released-in-time)
    put_clipboard 566 "$PAGEWRIGHT_FIXTURES/566.bin"
    snapshot before
    start_converter
    wait_new_window
    if [ "$1" = held-past-retries ]; then start_holder 3000; else start_holder 300; fi
    press Return
    finish
    if [ "$1" = held-past-retries ]; then
        expect_message "$WRITE_FAILED"
        expect_unchanged
    else
        expect_message 'Successfully converted: Event command(s) -> Battle event page'
        expect_formats after 565
    fi
    ;;
target-present)
    put_clipboard 566 "$PAGEWRIGHT_FIXTURES/566.bin" 584 "$PAGEWRIGHT_FIXTURES/584.bin"
    snapshot before
    start_converter
    wait_new_window
    start_holder 3000
    press Down Return
    finish
    expect_message "$WRITE_FAILED"
    expect_unchanged
    ;;
*) fail "unknown case $1" ;;
esac
