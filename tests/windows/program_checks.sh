#!/usr/bin/env bash
# program_checks.sh CHECK PROGRAM [BUILD VERSION BITS | PROGRAM... | MAP...]:
# what the built pagewright.exe and kestrel.dll must be, beyond what they do.
# OBJDUMP names the build's objdump.
#   exports:   it exports by name the record library's eight functions and
#              nothing else
#   no-exports: it exports nothing
#   size:      it fits in 512 KiB
#   iostreams: no C++ stream library went into it (read from its link map)
#   runtime:   beside Windows' own DLLs the PROGRAMs need msvcrt.dll and
#              kestrel.dll alone, and take malloc and free from msvcrt.dll,
#              so that they share one heap
#   package:   BUILD's package for VERSION and BITS (32 or 64) holds both
#              programs, the user guide, the license and the notices, and the
#              SDK with them, whose header is the public header and whose
#              texts have Windows line ends
#   notices:   the notices (PROGRAM here) name every library from outside the
#              project that the link maps MAP... show in the files
set -euo pipefail

check=$1
program=$2
: "${OBJDUMP:?}"

fail() {
    echo "FAILED: $*" >&2
    exit 1
}

case $check in
exports)
    "$OBJDUMP" -p "$program" >"$program.exports.txt"
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
no-exports)
    "$OBJDUMP" -p "$program" >"$program.headers.txt"
    grep -q 'There is an export table' "$program.headers.txt" && fail "$program exports names"
    echo "$program exports nothing"
    ;;
size)
    size=$(stat -c %s "$program")
    echo "$program: $size bytes"
    "$OBJDUMP" -t "$program" | grep -qx 'no symbols' || fail "it is not stripped"
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
runtime)
    for file in "${@:2}"; do
        # The findings go to the working folder: the example lies in the staged package.
        found=$(basename "$file")
        "$OBJDUMP" -p "$file" >"$found.imports.txt"
        sed -n 's/^\s*DLL Name: //p' "$found.imports.txt" | tr '[:upper:]' '[:lower:]' |
            grep -vxE '(kernel32|user32|msvcrt|kestrel)\.dll' && fail "$file needs the DLLs above"
        # Each imported name follows its DLL's "DLL Name:" line.
        awk '/DLL Name:/ { dll = tolower($3) } $NF == "malloc" || $NF == "free" { print dll, $NF }' \
            "$found.imports.txt" | sort >"$found.heap"
        printf '%s\n' 'msvcrt.dll free' 'msvcrt.dll malloc' | diff - "$found.heap" ||
            fail "$file does not take malloc and free from msvcrt.dll"
        echo "$file: $(sed -n 's/^\s*DLL Name: //p' "$found.imports.txt" | tr '\n' ' ')"
    done
    ;;
package)
    build=$3
    folder=$build/tests/windows/package-check
    rm -rf "$folder"
    cpack --config "$build/CPackConfig.cmake" -B "$folder" >"$folder.log" 2>&1 ||
        fail "cpack failed: $(cat "$folder.log")"
    name=Pagewright-$4-win$5
    zip=$folder/$name.zip
    [ -f "$zip" ] || fail "no $zip"
    (cd "$folder" && cmake -E tar tf "$zip") | grep -v '/$' | sort >"$folder.contents"
    cat "$folder.contents"
    texts=(LICENSE.txt THIRD-PARTY-NOTICES.txt sdk/LICENSE.txt sdk/THIRD-PARTY-NOTICES.txt
        USERGUIDE.txt sdk/README.txt)
    printf "$name/%s\n" "${texts[@]}" pagewright-clip.exe pagewright.exe sdk/bin/kestrel.dll \
        sdk/examples/event_roundtrip.cpp sdk/include/kestrel.h sdk/lib/libkestrel.dll.a |
        sort | diff - "$folder.contents" ||
        fail "the package does not hold exactly the programs, the texts and the SDK"
    (cd "$folder" && cmake -E tar xf "$zip")
    source=$(dirname "$0")/../..
    cmp "$source/eventlib/include/kestrel.h" "$folder/$name/sdk/include/kestrel.h" ||
        fail "the SDK's header is not the public header"
    for text in "${texts[@]}"; do
        if grep -qv $'\r$' "$folder/$name/$text"; then
            fail "$text has lines without CR LF"
        fi
    done
    for license in LICENSE.txt sdk/LICENSE.txt; do
        sed 's/\r$//' "$folder/$name/$license" | cmp -s - "$source/LICENSE" ||
            fail "$license is not the project's license"
    done
    ;;
notices)
    for map in "${@:3}"; do
        # The archives whose members went in, and the objects loaded from outside.
        { grep -oE '^/[^(]*\.a\(' "$map" | sed 's/($//' && sed -n 's/^LOAD \(\/.*\.o\)$/\1/p' "$map"; } |
            sed 's|.*/||'
    done | sort -u >notices.linked
    [ -s notices.linked ] || fail "the link maps show no library"
    while read -r library; do
        grep -qF "$library" "$program" || fail "no notice names $library"
    done <notices.linked
    echo "the notices name all $(wc -l <notices.linked): $(tr '\n' ' ' <notices.linked)"
    ;;
*) fail "unknown check $check" ;;
esac
