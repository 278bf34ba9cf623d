#!/usr/bin/env bash
# commands_dialog.sh CASE: bare event commands on the clipboard, and what the
# target dialog does with each way of answering it.
source "$(dirname "$0")/lib.sh"

open_dialog() {
    put_clipboard 566 "$PAGEWRIGHT_FIXTURES/566.bin"
    snapshot before
    start_converter
    wait_new_window
    DIALOG=$WINDOW
}

dialog_state() {
    winetool dialog state || fail "cannot read the dialog: $(cat "$case_dir/winetool.err")"
    cat "$case_dir/winetool.out"
}

expect_selection() {
    local selection
    selection=$(head -n 1 <<<"$(dialog_state)")
    [ "$selection" = "selection $1" ] || fail "the list shows '$selection', expected entry $1"
}

# The dialog is still up, after a moment, waiting for an answer.
expect_dialog_open() {
    sleep 0.5
    window_exists "$DIALOG" && converter_running || fail "the dialog closed"
}

# The user's choice went through: a message box names it, the clipboard holds
# only the target.
expect_converted() {
    wait_new_window
    confirm_and_finish
    expect_message "Successfully converted: Event command(s) -> $2"
    snapshot after
    expect_formats after "$1"
}

# The user declined: no message box, the clipboard as it was.
expect_declined() {
    wait_converter_exit
    expect_no_message
    snapshot after
    expect_unchanged
}

begin_case "commands-$1"
case $1 in
default)
    open_dialog
    dialog_state >"$case_dir/dialog.txt"
    diff -u - "$case_dir/dialog.txt" <<'STATE' || fail "the dialog does not show what it should"
selection 3
entry 0 Map event
entry 1 Map event page
entry 2 Monster group
entry 3 Battle event page
entry 4 Common event
control 1002 Data in clipboard:  Event command(s)
control 1004 Convert to:
control 1005 OK
control 1006 Cancel
STATE
    screenshot dialog
    press Return
    expect_converted 565 'Battle event page'
    ;;
map-event)
    open_dialog
    press Up Up Up
    expect_selection 0
    press Return
    expect_converted 563 'Map event'
    ;;
common-event)
    open_dialog
    press Down
    expect_selection 4
    press Return
    expect_converted 584 'Common event'
    ;;
double-click)
    # A double click selects the entry but does not confirm it.
    open_dialog
    winetool dialog point 1 || fail "cannot find list entry 1"
    read -r x y <"$case_dir/winetool.out"
    xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
    expect_dialog_open
    expect_selection 1
    press Return
    expect_converted 564 'Map event page'
    ;;
escape)
    open_dialog
    press Escape
    expect_dialog_open
    expect_selection 3
    press Tab Tab space # the Cancel button
    expect_declined
    ;;
cancel)
    open_dialog
    press Tab Tab space
    expect_declined
    ;;
close-box)
    open_dialog
    winetool dialog close || fail "cannot close the dialog"
    expect_declined
    ;;
alt-f4)
    open_dialog
    press alt+F4
    expect_declined
    ;;
*) fail "unknown case $1" ;;
esac
