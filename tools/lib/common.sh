# What the scripts under tools/ share, sourced by each: the step headings and the one way
# to say what failed. `fail WHAT` ends the script; a script that checks several things in
# turn says `failed WHAT` for each and ends with `finish`, failing if any did.
failures=0

step() { echo "== $*"; }

failed() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}

fail() {
    failed "$@"
    exit 1
}

finish() {
    ((failures == 0)) || exit 1
    exit 0
}
