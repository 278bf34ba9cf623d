#!/usr/bin/env bash
# Runs each fuzz target for a bounded time (default 30 seconds) from the seeds
# of the test fixtures and, when PAGEWRIGHT_CORPUS is set, the real data, as
# many at once as the machine has cores. Fails on the first crash, leak,
# timeout or memory blow-up; what libFuzzer finds is kept in
# build/fuzz/artifacts.
# Usage: fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

out=build/fuzz
rm -rf "$out/seeds"
"$out/fuzz/write_seeds" "$out/seeds"
mkdir -p "$out/artifacts"

run_target() {
    local target=$1
    local seeds=$out/seeds/${target#fuzz_}
    # A game's texts are found in game files.
    [ "$target" = fuzz_texts ] && seeds=$out/seeds/gamefile
    local work=$out/corpus/$target
    mkdir -p "$work"
    if "$out/fuzz/$target" "$work" "$seeds" -max_total_time="$seconds" -rss_limit_mb=1024 \
        -timeout=5 -print_final_stats=1 -artifact_prefix="$out/artifacts/$target-" \
        >"$out/$target.log" 2>&1; then
        echo "=== $target for ${seconds}s:" \
            "$(grep -E '^stat::number_of_executed_units' "$out/$target.log" || true)"
    else
        tail -n 60 "$out/$target.log"
        echo "$target failed; see $out/$target.log and $out/artifacts" >&2
        return 1
    fi
}

targets=(fuzz_decode fuzz_roundtrip fuzz_json fuzz_listing fuzz_gamefile fuzz_put fuzz_po fuzz_texts)
at_once=$(nproc)
failed=0
for ((first = 0; first < ${#targets[@]}; first += at_once)); do
    running=()
    for target in "${targets[@]:first:at_once}"; do
        run_target "$target" &
        running+=($!)
    done
    for pid in "${running[@]}"; do
        wait "$pid" || failed=1
    done
done
exit $failed
