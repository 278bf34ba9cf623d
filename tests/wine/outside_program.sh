#!/usr/bin/env bash
# outside_program.sh EXAMPLE CLIPTOOL DUMP: the SDK's example, built as a
# program outside the project, runs beside kestrel.dll where the staged
# package has them, and pagewright-clip.exe then shows on the clipboard the
# event commands it left there, as DUMP has them.
#
# The example frees through kestrel.dll the names it allocated, and frees the
# text that kestrel.dll allocated. Wine's heap reports a block freed into a
# heap that did not make it ("mismatching heap"), so any report of the heap
# while the example runs means that the two do not share one.
source "$(dirname "$0")/lib.sh"

example=$1
cliptool=$2
expected_dump=$3

begin_case outside-program
rc=0
WINEDEBUG=-all,warn+heap,err+heap wine "$example" >"$case_dir/example.out" \
    2>"$case_dir/example.err" || rc=$?
[ "$rc" = 0 ] || fail "the example failed ($rc): $(cat "$case_dir/example.out" "$case_dir/example.err")"
if grep ':heap:' "$case_dir/example.err"; then
    fail "the example and kestrel.dll do not share one heap"
fi
wine "$cliptool" dump 566 >"$case_dir/dump" 2>"$case_dir/dump.err" ||
    fail "pagewright-clip.exe dump failed: $(cat "$case_dir/dump.err")"
sed -i 's/\r$//' "$case_dir/dump"
diff "$expected_dump" "$case_dir/dump" || fail "the clipboard is not as the example leaves it"
