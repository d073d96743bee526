#!/usr/bin/env bash
# Runs every libFuzzer target for SECONDS each (default 60) from a seed corpus of the
# example decks and the malformed-deck corpus. The targets come from a clang build with
# -DTRELVO_FUZZ=ON: the sanitize preset's, in build/sanitize.
# A longer local run:  bash tools/fuzz.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib/common.sh
seconds=${1:-60}
build=build/sanitize

if [ ! -x "$build/tests/fuzz/fuzz_fields" ]; then
    cmake --preset sanitize || fail "configuring the sanitize preset"
    cmake --build --preset sanitize --target fuzz_fields fuzz_analysis fuzz_text_model fuzz_search ||
        fail "building the fuzz targets"
fi

for target in fields analysis text_model search; do
    corpus="$build/fuzz-corpus/$target"
    mkdir -p "$corpus"
    cp examples/*.txt "$corpus/"
    if [ "$target" = analysis ]; then cp tests/corpus/decks/*.deck "$corpus/"; fi
    echo "-- fuzz_$target, ${seconds} s"
    log="$build/fuzz-corpus/$target.log"
    status=0
    "$build/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=8192 \
        -print_final_stats=1 "$corpus" >"$log" 2>&1 || status=$?
    grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "$log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log"
        fail "fuzz_$target found a fault (exit status $status); the input is in $PWD"
    fi
done
