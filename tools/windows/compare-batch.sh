#!/usr/bin/env bash
# trelvo-batch.exe under Wine must print, for every deck, the very bytes the Linux program
# prints, and end with the same status:
#   compare-batch.sh LINUX_TRELVO_BATCH WINDOWS_TRELVO_BATCH_EXE OUTPUT_FOLDER [RANDOM_TRUSSES]
# Run from the repository's top folder. The decks are those of examples/ (and of
# examples/verification/), tests/corpus/decks/ and, given the generator RANDOM_TRUSSES
# (app/batch/tools/random_trusses.cpp), the random rigid trusses it writes to
# OUTPUT_FOLDER/random. Each start of a program under Wine costs up to a second, so both
# programs analyse many decks a run; a run whose output or status differs is halved until
# single decks name the difference, and the outputs of each deck that differs are kept in
# OUTPUT_FOLDER. Last, trelvo-batch.exe writes the results file of a deck whose
# name and folder hold a character no ANSI code page holds beside a Western one.
set -uo pipefail

linux_batch=$1
windows_batch=$2
out=$3
random_trusses=${4:-}
wine_run=$(dirname "${BASH_SOURCE[0]}")/wine-run.sh
# Well below the 32767 characters of a Windows command line.
max_arguments_length=16000

rm -rf "$out"
mkdir -p "$out"
passed=0
failed=0
started=$SECONDS

# run_windows STDOUT STDERR ARGUMENT...: trelvo-batch.exe under Wine. Wine itself now and
# then loses its server connection ("wine client error"); that run says nothing about the
# program and is made again, up to three times in all.
run_windows() {
    local stdout=$1 stderr=$2 status=0
    shift 2
    for try in 1 2 3; do
        bash "$wine_run" "$windows_batch" "$@" >"$stdout" 2>"$stderr" </dev/null
        status=$?
        grep -q "^wine client error" "$stderr" || break
    done
    return "$status"
}

compare_deck() {
    local deck=$1 name linux_status windows_status
    name=$(echo "$deck" | tr / _)
    "$linux_batch" --stdout "$deck" >"$out/$name.linux" 2>"$out/$name.linux-stderr" </dev/null
    linux_status=$?
    run_windows "$out/$name.windows" "$out/$name.windows-stderr" --stdout "$deck"
    windows_status=$?
    if [ "$linux_status" != "$windows_status" ]; then
        echo "DIFFERS: $deck: exit status $linux_status on Linux, $windows_status on Windows"
        echo "  Windows standard error: $(head -c 300 "$out/$name.windows-stderr")"
        failed=$((failed + 1))
    elif ! cmp -s "$out/$name.linux" "$out/$name.windows"; then
        echo "DIFFERS: $deck: standard output ($(cmp "$out/$name.linux" "$out/$name.windows" 2>&1 |
            sed 's/^[^ ]* [^ ]* //'))"
        failed=$((failed + 1))
    else
        rm "$out/$name".*
        passed=$((passed + 1))
    fi
}

# compare_run DECK...: one run of each program over all the decks, --stdout writing each
# document in turn; where the two differ, each half of the decks the same way.
compare_run() {
    local linux_status windows_status same=1 half
    if (($# == 1)); then
        compare_deck "$1"
        return
    fi
    "$linux_batch" --stdout "$@" >"$out/run.linux" 2>/dev/null </dev/null
    linux_status=$?
    run_windows "$out/run.windows" "$out/run.windows-stderr" --stdout "$@"
    windows_status=$?
    if [ "$linux_status" != "$windows_status" ] || ! cmp -s "$out/run.linux" "$out/run.windows"; then
        same=0
    fi
    rm -f "$out"/run.*
    if ((same)); then
        passed=$((passed + $#))
        return
    fi
    half=$(($# / 2))
    compare_run "${@:1:half}"
    compare_run "${@:half+1}"
}

shopt -s nullglob
decks=(examples/*.txt examples/verification/*.txt tests/corpus/decks/*.deck)
if [ -n "$random_trusses" ]; then
    mkdir -p "$out/random"
    if ! names=$("$random_trusses" "$out/random"); then
        echo "FAILED: writing the random decks with $random_trusses" >&2
        exit 1
    fi
    for name in $names; do
        decks+=("$out/random/$name")
    done
fi
if ((${#decks[@]} == 0)); then
    echo "compare-batch.sh: no deck found (run it from the repository's top folder)" >&2
    exit 1
fi

run=()
length=0
for deck in "${decks[@]}"; do
    if ((${#run[@]} > 0 && length + ${#deck} + 1 > max_arguments_length)); then
        compare_run "${run[@]}"
        run=()
        length=0
    fi
    run+=("$deck")
    length=$((length + ${#deck} + 1))
done
compare_run "${run[@]}"

# The results file lands beside the deck under its name, and holds what the Linux program
# prints for that deck.
folder="$out/Δ-brücke"
deck="$folder/Δ-brücke.txt"
mkdir -p "$folder"
cp examples/help-example.txt "$deck"
"$linux_batch" --stdout "$deck" >"$out/name.linux" 2>/dev/null </dev/null
run_windows "$out/name.windows" "$out/name.windows-stderr" "$deck"
status=$?
if [ "$status" != 0 ]; then
    echo "DIFFERS: $deck: exit status $status on Windows"
    echo "  Windows standard error: $(head -c 300 "$out/name.windows-stderr")"
    failed=$((failed + 1))
elif ! cmp -s "$out/name.linux" "$folder/Δ-brücke-RZ.TXT"; then
    echo "DIFFERS: $deck: its results file $folder/Δ-brücke-RZ.TXT" \
        "($(cmp "$out/name.linux" "$folder/Δ-brücke-RZ.TXT" 2>&1 | sed 's/^[^ ]* [^ ]* //'))"
    failed=$((failed + 1))
else
    rm -r "$folder" "$out"/name.*
    passed=$((passed + 1))
fi

echo "The comparison took $((SECONDS - started)) s"
echo "trelvo-batch Linux/Windows comparison: $passed passed, $failed failed"
((failed == 0))
