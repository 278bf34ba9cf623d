#!/usr/bin/env bash
# resources.sh PROGRAM TOOL: the program file's dialog template, icon, manifest
# and version information, read back from the built pagewright.exe PROGRAM,
# and the manifest of pagewright-clip.exe TOOL; both manifests name the
# processor the files are built for.
source "$(dirname "$0")/lib.sh"

for file in "$1" "$2"; do
    [ -f "$file" ] || fail "$file is missing: build its preset first"
done
begin_case "resources-$(basename "$(dirname "$(dirname "$1")")")"
rc=0
winetool resources "Z:$1" "Z:$2" || rc=$?
cat "$case_dir/winetool.out" "$case_dir/winetool.err"
exit $rc
