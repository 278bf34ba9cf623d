#!/usr/bin/env bash
# Times whole runs of the converter, as processes, on the largest event of the
# corpus that converts without asking for a target. Each run finds the event
# freshly loaded on a clipboard folder of its own.
#
#   PAGEWRIGHT_CORPUS=<folder> bench/converter-run.sh
#
# PAGEWRIGHT_BUILD names the build folder whose programs are timed (default
# build/bench); PAGEWRIGHT_RUNS the number of timed runs (default 100).
set -euo pipefail
cd "$(dirname "$0")/.."
corpus=${PAGEWRIGHT_CORPUS:?set PAGEWRIGHT_CORPUS to the folder of real event data}
build=${PAGEWRIGHT_BUILD:-build/bench}
runs=${PAGEWRIGHT_RUNS:-100}

# Bare event commands (566) would wait for the user to choose a target.
largest=$(find "$corpus" -path '*/566/*' -prune -o -name '*.bin' -printf '%s %p\n' |
    sort -n | tail -n 1 | cut -d ' ' -f 2-)
format=$(basename "$(dirname "$largest")")

clipboard=$(mktemp -d)
results=$(mktemp)
trap 'rm -rf "$clipboard" "$results"' EXIT
export PAGEWRIGHT_CLIPBOARD_DIR="$clipboard"

echo "converter run on $largest ($(stat -c %s "$largest") bytes, format $format)"
hyperfine --shell=none --warmup 3 --runs "$runs" --export-json "$results" \
    --prepare "$build/app/pagewright-clip load $format $largest" \
    "$build/app/pagewright"
jq -r '.results[0] | [.median, .mean, .min, .max | . * 100000 | round / 100] as [$median, $mean, $min, $max]
    | "median \($median) ms (mean \($mean), min \($min), max \($max)) over \(.times | length) runs"' \
    "$results"
