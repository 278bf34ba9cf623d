#!/usr/bin/env bash
# Runs every test: installs what is missing, then configures, builds and tests
# each preset, runs the benchmarks briefly to see that they still work, and
# builds the Windows package. PAGEWRIGHT_CORPUS, when set, names the folder of
# real event data that the corpus tests and benchmarks read. Each stage says
# how long it took; ccache keeps what was compiled for the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

started=$SECONDS
stage_started=$SECONDS
stage() {
    [ -n "${stage_name:-}" ] && echo "--- $stage_name took $((SECONDS - stage_started)) s"
    stage_name=$1
    stage_started=$SECONDS
    [ -n "$stage_name" ] && echo "=== $stage_name"
    return 0
}

stage install
pagewright_install "${PAGEWRIGHT_BUILD_PACKAGES[@]}" "${PAGEWRIGHT_BENCH_PACKAGES[@]}" \
    "${PAGEWRIGHT_FUZZ_PACKAGES[@]}" "${PAGEWRIGHT_WINDOWS_PACKAGES[@]}"
# Paths relative to the checkout and no working folder in the hash, so that
# another clone of the same sources hits what this one compiled.
export CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
ccache --zero-stats >/dev/null

stage format
git ls-files '*.cpp' '*.h' | xargs clang-format-14 --dry-run -Werror

# The native tree also builds the benchmarks, from the libraries it compiles
# anyway; the bench preset is for their figures.
stage native
cmake --preset native -DPAGEWRIGHT_BENCH=ON >/dev/null
cmake --build --preset native
ctest --preset native -j "$(nproc)"

stage sanitize
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize -j "$(nproc)"

stage fuzz
bash scripts/fuzz.sh "${PAGEWRIGHT_FUZZ_SECONDS:-30}"

# A few iterations of each benchmark but the largest, for no figures.
stage bench
build/native/bench/pagewright-bench --benchmark_min_time=0.01 --benchmark_filter=-1000000
build/native/bench/pagewright-peak 1000 10000
if [ -n "${PAGEWRIGHT_CORPUS:-}" ]; then
    PAGEWRIGHT_BUILD=build/native PAGEWRIGHT_RUNS=3 bench/converter-run.sh
fi

# The Windows program, its checks and its end-to-end tests under Wine (which
# compare its output with the native build's), then the download package.
stage windows
cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows -j "$(nproc)"
cpack --preset windows
stage ""
ccache --show-stats | grep -E 'Hits|Misses' || true
echo "=== all tests passed in $((SECONDS - started)) s"
