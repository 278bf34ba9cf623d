#!/usr/bin/env bash
# busy_clipboard.sh CASE: another program holds the clipboard open while the
# converter needs it, and lets go when the test says so, never after a set
# time: the converter keeps trying for about a second, however fast the
# machine is.
#   held-while-reading: held from before the start until the converter gave up
#                       and says so; the data cannot be read, and the user is
#                       told so.
#   held-past-retries:  taken while the dialog is open, after the converter
#                       read the data, and held until the converter gave up
#                       writing; nothing is written and the user is told so.
#   released-in-time:   the same, but let go as soon as the converter's first
#                       try to write met it; the conversion goes through.
#   target-present:     held until the converter gave up, as above, with the
#                       chosen target (a common event) already on the
#                       clipboard beside the commands; still nothing is
#                       written and the user is told so.
source "$(dirname "$0")/lib.sh"

start_holder() {
    wine "$WINETOOL_EXE" hold "Z:$case_dir/held" "Z:$case_dir/release" \
        >"$case_dir/holder.out" 2>"$case_dir/holder.err" &
    holder=$!
    wait_for "$case_dir/held" || fail "the holder did not get the clipboard"
}

release_holder() {
    touch "$case_dir/release"
    wait "$holder" || fail "the holder failed: $(cat "$case_dir/holder.err")"
}

# How often the converter has tried to open the clipboard (traced by Wine).
open_tries() {
    grep -c 'trace:clipboard:NtUserOpenClipboard' "$case_dir/converter.err" || true
}

# The message box that the converter shows once it gave up: the holder may
# let go then, and the message is answered.
finish_after_giving_up() {
    wait_new_window
    release_holder
    confirm_and_finish
    snapshot after
}

begin_case "busy-$1"
case $1 in
held-while-reading)
    put_clipboard 563 "$PAGEWRIGHT_FIXTURES/563.bin"
    snapshot before
    start_holder
    start_converter
    finish_after_giving_up
    expect_message "$READ_FAILED"
    expect_unchanged
    ;;
held-past-retries)
    put_clipboard 566 "$PAGEWRIGHT_FIXTURES/566.bin"
    snapshot before
    start_converter
    wait_new_window
    start_holder
    press Return
    finish_after_giving_up
    expect_message "$WRITE_FAILED"
    expect_unchanged
    ;;
released-in-time)
    put_clipboard 566 "$PAGEWRIGHT_FIXTURES/566.bin"
    snapshot before
    start_converter ,trace+clipboard
    wait_new_window
    start_holder
    tries=$(open_tries)
    press Return
    for _ in $(seq 2000); do
        [ "$(open_tries)" -gt "$tries" ] && break
        converter_running || break
        sleep 0.005
    done
    [ "$(open_tries)" -gt "$tries" ] || fail "the converter did not try to write"
    release_holder
    wait_new_window
    confirm_and_finish
    expect_message 'Successfully converted: Event command(s) -> Battle event page'
    snapshot after
    expect_formats after 565
    ;;
target-present)
    put_clipboard 566 "$PAGEWRIGHT_FIXTURES/566.bin" 584 "$PAGEWRIGHT_FIXTURES/584.bin"
    snapshot before
    start_converter
    wait_new_window
    start_holder
    press Down Return
    finish_after_giving_up
    expect_message "$WRITE_FAILED"
    expect_unchanged
    ;;
*) fail "unknown case $1" ;;
esac
