#!/usr/bin/env bash
# loader.sh BITS: prints Debian's Wine loader for BITS-bit Windows programs (32
# or 64) once it has run here. Where it cannot run, says why in one line on
# standard error and fails. Some machines cannot execute any 32-bit program
# although their kernel was built for it, so this tries one instead of asking
# the kernel. PAGEWRIGHT_CANNOT_RUN_32BIT=1 makes the answer for 32 bits "no",
# to try on any machine what a run does on those.
set -euo pipefail

case ${1:-} in
32) loader=/usr/lib/wine/wine ;;
64) loader=/usr/lib/wine/wine64 ;;
*)
    echo "usage: loader.sh 32|64" >&2
    exit 2
    ;;
esac
if [ "$1" = 32 ] && [ -n "${PAGEWRIGHT_CANNOT_RUN_32BIT:-}" ]; then
    echo "this machine cannot run 32-bit programs: PAGEWRIGHT_CANNOT_RUN_32BIT is set" >&2
    exit 1
fi
if ! failure=$("$loader" --version 2>&1 >/dev/null); then
    echo "this machine cannot run $1-bit programs: $loader --version: ${failure%%$'\n'*}" >&2
    exit 1
fi
echo "$loader"
