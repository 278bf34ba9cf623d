#!/usr/bin/env bash
# resources.sh: the program file's dialog template, icon, manifest and version
# information, read back from the built pagewright.exe, and the manifest of
# pagewright-clip.exe.
source "$(dirname "$0")/lib.sh"

begin_case resources
rc=0
winetool resources "Z:$PAGEWRIGHT_EXE" "Z:${PAGEWRIGHT_CLIP_EXE:?}" || rc=$?
cat "$case_dir/winetool.out" "$case_dir/winetool.err"
exit $rc
