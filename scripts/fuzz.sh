#!/usr/bin/env bash
# Runs each fuzz target for a bounded time (default 30 seconds) from the seeds
# of the test fixtures and, when PAGEWRIGHT_CORPUS is set, the real data.
# Fails on the first crash, leak, timeout or memory blow-up; what libFuzzer
# finds is kept in build/fuzz/artifacts.
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
for target in fuzz_decode fuzz_roundtrip fuzz_json; do
    seeds=$out/seeds/${target#fuzz_}
    work=$out/corpus/$target
    mkdir -p "$work"
    echo "=== $target for ${seconds}s"
    "$out/fuzz/$target" "$work" "$seeds" -max_total_time="$seconds" -rss_limit_mb=1024 \
        -timeout=5 -print_final_stats=1 -artifact_prefix="$out/artifacts/$target-" \
        >"$out/$target.log" 2>&1 || {
        tail -n 60 "$out/$target.log"
        echo "$target failed; see $out/$target.log and $out/artifacts" >&2
        exit 1
    }
    grep -E '^stat::number_of_executed_units|^#[0-9]+.*DONE' "$out/$target.log" || true
done
