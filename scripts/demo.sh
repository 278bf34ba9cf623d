#!/usr/bin/env bash
# The program's main job on a bundled sample: a map event goes on a private
# clipboard, one run of pagewright turns it into a monster group, and the
# clipboard tool lists the result.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
pagewright_install "${PAGEWRIGHT_DEMO_PACKAGES[@]}"
cmake --preset native >/dev/null
cmake --build --preset native --target pagewright pagewright-clip >/dev/null

clipboard=$(mktemp -d)
trap 'rm -rf "$clipboard"' EXIT
export PAGEWRIGHT_CLIPBOARD_DIR=$clipboard
clip=build/native/app/pagewright-clip

"$clip" load 563 samples/village-gate.563.bin
echo "--- on the clipboard before:"
"$clip" formats
echo "--- pagewright says:"
build/native/app/pagewright
echo "--- on the clipboard after:"
"$clip" formats
"$clip" list
