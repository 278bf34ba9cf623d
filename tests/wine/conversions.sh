#!/usr/bin/env bash
# conversions.sh SOURCE: the fixed conversion of the sample data of format
# SOURCE. Afterwards the clipboard holds only the target format and the message
# box named the conversion.
source "$(dirname "$0")/lib.sh"

source_format=$1
case $source_format in
563) target=578 text='Map event -> Monster group' ;;
564) target=565 text='Map event page -> Battle event page' ;;
565) target=564 text='Battle event page -> Map event page' ;;
578) target=563 text='Monster group -> Map event' ;;
584) target=565 text='Common event -> Battle event page' ;;
*) fail "no fixed conversion for $source_format" ;;
esac

begin_case "convert-$source_format"
put_clipboard "$source_format" "$PAGEWRIGHT_FIXTURES/$source_format.bin"
start_converter
wait_new_window
[ "$source_format" = 563 ] && screenshot message-box
confirm_and_finish
expect_message "Successfully converted: $text"
snapshot after
expect_formats after "$target"
