#!/usr/bin/env bash
# The program's main job on a bundled sample. Until the converter lands this
# builds the record library and exercises it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
pagewright_install "${PAGEWRIGHT_BUILD_PACKAGES[@]}"
cmake --preset native >/dev/null
cmake --build --preset native
build/native/tests/pagewright-tests --gtest_brief=1
