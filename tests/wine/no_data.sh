#!/usr/bin/env bash
# no_data.sh CASE: clipboards without event data to convert: none at all, text,
# or a format whose data cannot be had. The converter says which and leaves the
# clipboard as it was.
source "$(dirname "$0")/lib.sh"

begin_case "no-data-$1"
case $1 in
empty-clipboard) put_clipboard ;;
# The format is listed, but asking for it gives no data: whatever was meant to
# be there cannot be read.
unrendered) put_clipboard 563 "$PAGEWRIGHT_FIXTURES/empty.bin" ;;
# Text counts ahead of event data. Wine hands text on to the X selection, from
# where it can come back later: these cases run last.
text-only) put_clipboard 1 "$PAGEWRIGHT_FIXTURES/text.bin" ;;
text-beside-map-event)
    put_clipboard 1 "$PAGEWRIGHT_FIXTURES/text.bin" 563 "$PAGEWRIGHT_FIXTURES/563.bin"
    ;;
*) fail "unknown case $1" ;;
esac

snapshot before
case $1 in
empty-clipboard) expect_formats before '' ;;
unrendered)
    expect_formats before 563
    [ ! -s "$case_dir/before/563" ] || fail "format 563 has data"
    ;;
esac
start_converter
wait_new_window
confirm_and_finish
if [ "$1" = unrendered ]; then expect_message "$READ_FAILED"; else expect_nodata_message; fi
snapshot after
expect_unchanged
