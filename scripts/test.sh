#!/usr/bin/env bash
# Runs every test: installs what is missing, then configures, builds and tests
# each preset, and builds the Windows package. PAGEWRIGHT_CORPUS, when set,
# names the folder of real event data that the corpus tests read.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

pagewright_install "${PAGEWRIGHT_BUILD_PACKAGES[@]}" clang-format

echo "=== format"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run -Werror

for preset in native sanitize; do
    echo "=== $preset"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
    ctest --preset "$preset"
done
echo "=== fuzz"
pagewright_install clang libclang-rt-14-dev
bash scripts/fuzz.sh "${PAGEWRIGHT_FUZZ_SECONDS:-30}"

# The Windows program, its checks and its end-to-end tests under Wine (which
# compare its output with the native build's), then the download package.
pagewright_install "${PAGEWRIGHT_WINDOWS_PACKAGES[@]}"
echo "=== windows"
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
cpack --preset windows
echo "=== all tests passed"
