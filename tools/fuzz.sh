#!/usr/bin/env bash
# Runs every libFuzzer target for SECONDS each (default 60) from a seed corpus of the
# example decks and the malformed-deck corpus. The targets come from a clang build with
# -DTRELVO_FUZZ=ON (tools/test.sh makes one in build/sanitize).
# A longer local run:  bash tools/fuzz.sh 600
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
build=${2:-build/sanitize}

if [ ! -x "$build/tests/fuzz/fuzz_fields" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTRELVO_SANITIZE=ON -DTRELVO_FUZZ=ON -DTRELVO_BUILD_BENCH=OFF
    cmake --build "$build" --target fuzz_fields fuzz_analysis fuzz_text_model fuzz_search
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
        echo "fuzz_$target found a fault (exit status $status); the input is in $PWD"
        exit 1
    fi
done
