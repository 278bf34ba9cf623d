#!/usr/bin/env bash
# Runs every test: installs what is missing, then configures, builds and tests
# each preset, runs the benchmarks briefly to see that they still work, and
# builds the Windows packages. PAGEWRIGHT_CORPUS, when set, names the folder of
# real event data that the corpus tests and benchmarks read. Each stage says
# how long it took; ccache keeps what was compiled for the next run.
# PAGEWRIGHT_CANNOT_RUN_32BIT=1 runs as on a machine that cannot run 32-bit
# programs.
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

# The Windows programs, 32-bit and 64-bit, their checks and their end-to-end
# tests under Wine (which compare their output with the native build's), then
# the download packages. The two builds compile at once and test at once, each
# in a Wine session of its own, so that one keeps the cores busy while the
# other links or waits on a window; their lines are marked with their preset.
stage windows
# marked PRESET COMMAND...: runs COMMAND with each line it writes marked.
marked() {
    local preset=$1
    shift
    "$@" 2>&1 | sed -u "s/^/[$preset] /"
}
# Waits for the jobs PIDS...; fails when any failed.
all_succeed() {
    local failed=0 pid
    for pid in "$@"; do
        wait "$pid" || failed=1
    done
    return $failed
}
marked windows bash -c 'cmake --preset windows >/dev/null && cmake --build --preset windows' &
built32=$!
marked windows64 bash -c 'cmake --preset windows64 >/dev/null && cmake --build --preset windows64' &
all_succeed $built32 $!

# The 64-bit build is tested end to end on every machine. The 32-bit build is
# too where the machine runs 32-bit programs; the 64-bit build's twin cases
# then take fewer of the real data, as what they prove of their own is that
# the same sources built for the other processor behave alike. Where the
# machine cannot, every check of the 32-bit files that runs none of their
# code still runs, and the 64-bit tests read the 32-bit programs' resources.
if bash tests/wine/loader.sh 32 >/dev/null 2>build/windows/cannot-run.txt; then
    marked windows ctest --preset windows -j "$(nproc)" &
    tested32=$!
    marked windows64 env PAGEWRIGHT_WINE_CORPUS_PER_FORMAT=20 PAGEWRIGHT_WINE_JSON_PER_FORMAT=3 \
        PAGEWRIGHT_WINE_LISTING_PER_FORMAT=3 ctest --preset windows64 -j "$(nproc)" &
else
    left_out=$(ctest --preset windows -N -L wine | sed -n 's/^ *Test *#[0-9]*: //p')
    echo "$(cat build/windows/cannot-run.txt); left out the $(wc -l <<<"$left_out") Wine tests" \
        "of the 32-bit build: $(paste -sd ' ' <<<"$left_out")"
    marked windows ctest --preset windows -j "$(nproc)" -LE wine &
    tested32=$!
    marked windows64 ctest --preset windows64 -j "$(nproc)" &
fi
all_succeed $tested32 $!
cpack --preset windows
cpack --preset windows64
stage ""
ccache --show-stats | grep -E 'Hits|Misses' || true
echo "=== all tests passed in $((SECONDS - started)) s"
