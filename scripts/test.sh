#!/usr/bin/env bash
# Runs every test: installs what is missing, then configures, builds and tests
# each preset, runs the benchmarks briefly to see that they still work, and
# builds the Windows package. PAGEWRIGHT_CORPUS, when set, names the folder of
# real event data that the corpus tests and benchmarks read.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

pagewright_install "${PAGEWRIGHT_BUILD_PACKAGES[@]}" "${PAGEWRIGHT_BENCH_PACKAGES[@]}" clang-format

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

# A few iterations of each benchmark but the largest, for no figures.
echo "=== bench"
cmake --preset bench >/dev/null
cmake --build --preset bench
build/bench/bench/pagewright-bench --benchmark_min_time=0.01 --benchmark_filter=-1000000
build/bench/bench/pagewright-peak 1000 10000
if [ -n "${PAGEWRIGHT_CORPUS:-}" ]; then
    PAGEWRIGHT_RUNS=3 bench/converter-run.sh
fi

# The Windows program, its checks and its end-to-end tests under Wine (which
# compare its output with the native build's), then the download package.
pagewright_install "${PAGEWRIGHT_WINDOWS_PACKAGES[@]}"
echo "=== windows"
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
cpack --preset windows
echo "=== all tests passed"
