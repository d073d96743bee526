#!/usr/bin/env bash
# trelvo-batch.exe under Wine must print, for every deck, the very bytes the Linux program
# prints, and end with the same status:
#   compare-batch.sh LINUX_TRELVO_BATCH WINDOWS_TRELVO_BATCH_EXE OUTPUT_FOLDER
# Run from the repository's top folder: the decks are examples/ (with examples/verification/)
# and tests/corpus/decks/.
# The outputs of each deck that differs are kept in OUTPUT_FOLDER.
set -uo pipefail

linux_batch=$1
windows_batch=$2
out=$3
wine_run=$(dirname "${BASH_SOURCE[0]}")/wine-run.sh

rm -rf "$out"
mkdir -p "$out"
passed=0
failed=0
for deck in examples/*.txt examples/verification/*.txt tests/corpus/decks/*.deck; do
    name=$(echo "$deck" | tr / _)
    "$linux_batch" --stdout "$deck" >"$out/$name.linux" 2>"$out/$name.linux-stderr" </dev/null
    linux_status=$?
    # Wine itself now and then loses its server connection ("wine client error"); that run
    # says nothing about the program and is made again, up to three times in all.
    for try in 1 2 3; do
        bash "$wine_run" "$windows_batch" --stdout "$deck" >"$out/$name.windows" \
            2>"$out/$name.windows-stderr" </dev/null
        windows_status=$?
        grep -q "^wine client error" "$out/$name.windows-stderr" || break
    done
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
done
if ((passed + failed == 0)); then
    echo "compare-batch.sh: no deck found (run it from the repository's top folder)" >&2
    exit 1
fi
echo "trelvo-batch Linux/Windows comparison: $passed passed, $failed failed"
((failed == 0))
