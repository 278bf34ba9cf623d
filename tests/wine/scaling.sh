#!/usr/bin/env bash
# scaling.sh: the target dialog and the message box after it at 96 and at 144
# DPI, with screenshots of both at each scale in screenshots/. Wine takes the
# scale from LogPixels under HKCU\Control Panel\Desktop, ahead of the machine's
# value, when a program starts. At 144 DPI both windows must come out about
# half as large again as at 96: the dialog's layout follows its font.
source "$(dirname "$0")/lib.sh"

set_dpi() {
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f \
        >"$case_dir/registry.log" 2>&1 || fail "cannot set the scale to $1 DPI"
}

# Sets WIDTH and HEIGHT to WINDOW's size.
measure() {
    eval "$(xdotool getwindowgeometry --shell "$WINDOW" | grep -E '^(WIDTH|HEIGHT)=[0-9]+$')"
}

# show DPI: converts bare commands at that scale, keeping the sizes of the
# dialog and of the message box as DIALOG_<DPI> and BOX_<DPI> ("WIDTH HEIGHT").
show() {
    set_dpi "$1"
    put_clipboard 566 "$PAGEWRIGHT_FIXTURES/566.bin"
    start_converter
    trap 'end_converter; set_dpi 96' EXIT
    wait_new_window
    measure
    printf -v "DIALOG_$1" '%s %s' "$WIDTH" "$HEIGHT"
    screenshot "dialog-${1}dpi"
    press Return
    wait_new_window
    measure
    printf -v "BOX_$1" '%s %s' "$WIDTH" "$HEIGHT"
    screenshot "message-box-${1}dpi"
    confirm_and_finish
    expect_message 'Successfully converted: Event command(s) -> Battle event page'
}

# expect_scaled WHAT "W96 H96" "W144 H144": each side grew by 1.3 to 1.7 times.
expect_scaled() {
    local small large
    read -r -a small <<<"$2"
    read -r -a large <<<"$3"
    for side in 0 1; do
        local percent=$((large[side] * 100 / small[side]))
        [ "$percent" -ge 130 ] && [ "$percent" -le 170 ] ||
            fail "the $1 is $3 pixels at 144 DPI and $2 at 96 ($percent%)"
    done
}

begin_case scaling
show 96
show 144
set_dpi 96
expect_scaled dialog "$DIALOG_96" "$DIALOG_144"
expect_scaled 'message box' "$BOX_96" "$BOX_144"
