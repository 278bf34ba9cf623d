#!/usr/bin/env bash
# Runs every test: installs what is missing, then configures, builds and tests
# each preset. PAGEWRIGHT_CORPUS, when set, names the folder of real event data
# that the corpus tests read.
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

echo "=== all tests passed"
