#!/usr/bin/env bash
# program_checks.sh CHECK PROGRAM [BUILD VERSION]: what the built pagewright.exe must
# be, beyond what it does.
#   exports:   it exports by name the record library's eight functions and
#              nothing else
#   size:      it fits in 512 KiB
#   iostreams: no C++ stream library went into it (read from its link map)
#   package:   BUILD's package for VERSION holds both programs and the user
#              guide
set -euo pipefail

check=$1
program=$2

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

case $check in
exports)
    i686-w64-mingw32-objdump -p "$program" >"$program.exports.txt"
    # The names follow the line "[Ordinal/Name Pointer] Table" up to a blank line.
    sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' "$program.exports.txt" |
        sed -n 's/^\s*\[ *[0-9]*\] //p' | sort >"$program.exports"
    cat "$program.exports"
    for name in CREATEOBJECT DESTROYOBJECT RESIZEOBJECTARRAY RESIZEINTARRAY DESTROYINTARRAY \
        CHECKCLIPBOARDCONTENT GETCLIPBOARDCONTENT SETCLIPBOARDCONTENT; do
        # C++ names: namespace KESTREL, then the name with its length in front.
        grep -qE "^_ZN7KESTREL${#name}${name}E" "$program.exports" || fail "$name is not exported"
    done
    [ "$(wc -l <"$program.exports")" = 8 ] || fail "it exports more than the eight functions"
    ;;
size)
    size=$(stat -c %s "$program")
    echo "$program: $size bytes"
    i686-w64-mingw32-objdump -t "$program" | grep -qx 'no symbols' || fail "it is not stripped"
    [ "$size" -le $((512 * 1024)) ] || fail "it is larger than 512 KiB"
    ;;
iostreams)
    map=${program%.exe}.map
    [ -f "$map" ] || fail "no link map $map"
    # The stream library's objects in libstdc++ (ios_init.o, globals_io.o,
    # istream-inst.o, sstream-inst.o and their kin), and the standard streams.
    if grep -E 'libstdc\+\+\.a\((ios[^)]*|[a-z]*stream[^)]*|globals_io|locale[^)]*)\.o\)' "$map" |
        sort -u >"$map.streams" && [ -s "$map.streams" ]; then
        cat "$map.streams"
        fail "stream library objects are linked in"
    fi
    grep -qE '_ZSt4cout|_ZNSt8ios_base4InitC' "$map" && fail "the standard streams are linked in"
    echo "no stream library objects in $program"
    ;;
package)
    build=$3
    folder=$build/tests/windows/package-check
    rm -rf "$folder"
    cpack --config "$build/CPackConfig.cmake" -B "$folder" >"$folder.log" 2>&1 ||
        fail "cpack failed: $(cat "$folder.log")"
    name=Pagewright-$4-win32
    zip=$folder/$name.zip
    [ -f "$zip" ] || fail "no $zip"
    (cd "$folder" && cmake -E tar tf "$zip") | sort >"$folder.contents"
    cat "$folder.contents"
    printf '%s\n' "$name/USERGUIDE.txt" "$name/pagewright-clip.exe" "$name/pagewright.exe" |
        sort | diff - "$folder.contents" ||
        fail "the package does not hold exactly the two programs and the guide"
    ;;
*) fail "unknown check $check" ;;
esac
