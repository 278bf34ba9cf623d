#!/usr/bin/env bash
# build_example.sh BUILD STAGE TARGET: builds the SDK's example as a program
# outside the project is built. BUILD's package is installed into STAGE, and
# the example is compiled in STAGE/sdk with the command that sdk/README.txt
# gives, which must call the compiler of BUILD's TARGET (i686-w64-mingw32 or
# x86_64-w64-mingw32) and sees the SDK's folders alone; our own code is held
# free of warnings.
set -euo pipefail
build=$1
stage=$2
target=$3

rm -rf "$stage"
cmake --install "$build" --prefix "$stage" >"$stage.log"
cd "$stage/sdk"
command=$(sed -n "s/\r$//; /^$target-g++ /p" README.txt)
if [ -z "$command" ] || [ "$(wc -l <<<"$command")" != 1 ]; then
    echo "sdk/README.txt must give one command of $target-g++ that builds the example" >&2
    exit 1
fi
echo "$command"
eval "$command -Werror"
