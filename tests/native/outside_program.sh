#!/usr/bin/env bash
# The record library as a program outside the project gets it: BUILD is
# installed into a temporary prefix, which must hold the header, the shared
# library exporting the eight functions alone, its CMake package and its
# pkg-config file, and the programs. The example is built against the prefix
# twice, with find_package and with pkg-config, and each build runs on a
# clipboard folder of its own; the installed pagewright-clip then shows what
# the example left there. CXXFLAGS, when set, go to both builds.
# Usage: outside_program.sh BUILD SOURCE
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
flags="-Wall -Wextra -Werror ${CXXFLAGS:-}"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "install failed"
for file in include/kestrel.h lib/libkestrel.so lib/cmake/Kestrel/KestrelConfig.cmake \
    lib/cmake/Kestrel/KestrelConfigVersion.cmake lib/pkgconfig/kestrel.pc bin/pagewright \
    bin/pagewright-clip; do
    [ -e "$prefix/$file" ] || fail "$file is not installed"
done
cmp -s "$source/eventlib/include/kestrel.h" "$prefix/include/kestrel.h" ||
    fail "the installed header differs from the public header"

library=$(readlink -f "$prefix/lib/libkestrel.so")
soname=$(objdump -p "$library" | awk '$1 == "SONAME" { print $2 }')
[ -e "$prefix/lib/$soname" ] && [[ "$soname" =~ ^libkestrel\.so\.[0-9]+$ ]] ||
    fail "the library's SONAME is '$soname'"
nm -D --defined-only "$library" | awk '{ print $3 }' | sort >"$work/exports"
printf '%s\n' _ZN7KESTREL12CREATEOBJECTENS_10OBJECTTYPEE _ZN7KESTREL13DESTROYOBJECTEPvhi \
    _ZN7KESTREL14RESIZEINTARRAYEPiii _ZN7KESTREL15DESTROYINTARRAYEPi \
    _ZN7KESTREL17RESIZEOBJECTARRAYEPvNS_10OBJECTTYPEEii \
    _ZN7KESTREL19GETCLIPBOARDCONTENTENS_20CLIPBOARDCONTENTTYPEE \
    _ZN7KESTREL19SETCLIPBOARDCONTENTENS_20CLIPBOARDCONTENTTYPEEPNS_5EVENTEiii \
    _ZN7KESTREL21CHECKCLIPBOARDCONTENTEv | sort | diff - "$work/exports" ||
    fail "the library must export the eight functions and nothing else"

cmake -S "$source/examples" -B "$work/with-cmake" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
    -DCMAKE_CXX_FLAGS="$flags" >"$work/with-cmake.log" 2>&1 &&
    cmake --build "$work/with-cmake" >>"$work/with-cmake.log" 2>&1 ||
    fail "the find_package build failed: $(cat "$work/with-cmake.log")"

export PKG_CONFIG_PATH=$prefix/lib/pkgconfig
mkdir "$work/with-pkg-config"
# shellcheck disable=SC2046,SC2086
g++ -std=c++17 $flags "$source/examples/event_roundtrip.cpp" $(pkg-config --cflags --libs kestrel) \
    -Wl,-rpath,"$(pkg-config --variable=libdir kestrel)" \
    -o "$work/with-pkg-config/event_roundtrip" || fail "the pkg-config build failed"

for way in with-cmake with-pkg-config; do
    export PAGEWRIGHT_CLIPBOARD_DIR=$work/clipboard-$way
    "$work/$way/event_roundtrip" || fail "the example built $way failed"
    "$prefix/bin/pagewright-clip" dump 566 >"$work/$way.dump"
    diff "$source/examples/event_roundtrip.dump" "$work/$way.dump" ||
        fail "the clipboard after the example built $way is not as expected"
done
echo "the example built with find_package and with pkg-config ran against the installed library"
