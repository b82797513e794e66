#!/usr/bin/env bash
# --jobs: boards spread over worker threads give the output, messages and exit status of one
# thread, byte for byte and in input order; bad values are refused.
source "$(dirname "$0")/support/scenario.bash" "$1"
data="$RARUDUZ_TEST_DATA"

# 9 x 9 and 16 x 16 boards, one with repeated clues (check fails it), one with no solution and a
# run of symbols out of range (a message while reading).
{
    cat "$data/golden/sample.txt"
    head -n 4 "$data/golden/thinned16.txt"
    echo "55..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"
    printf '12345678.........9%s\n' "$(printf '.%.0s' {1..63})"
    printf 'G2345678%s\n' "$(printf '.%.0s' {1..73})"
} >"$tmp/boards.txt"

# same_as_one_job ARGS...: the run with --jobs 3 matches the run with --jobs 1 (standard input is
# the file $stdin).
stdin=/dev/null
same_as_one_job() {
    local status=0
    "$cli" "$@" --jobs 1 <"$stdin" >"$tmp/one.out" 2>"$tmp/one.err" || status=$?
    local one=$status
    status=0
    "$cli" "$@" --jobs 3 <"$stdin" >"$tmp/three.out" 2>"$tmp/three.err" || status=$?
    check "$status" "$one" "status of $*"
    cmp -s "$tmp/one.out" "$tmp/three.out" || fail "output of $* differs"
    cmp -s "$tmp/one.err" "$tmp/three.err" || fail "messages of $* differ"
    [ -s "$tmp/one.out" ] || fail "no output from $*"
}

same_as_one_job rate "$tmp/boards.txt"
same_as_one_job log "$tmp/boards.txt"
same_as_one_job steps --with-guess "$tmp/boards.txt"
same_as_one_job check --with-guess "$tmp/boards.txt"
check "$(grep -c INVALID "$tmp/three.out")" 1 "the repeated clues"
same_as_one_job solve --method human "$tmp/boards.txt"
same_as_one_job solve --method progressive --with-guess "$tmp/boards.txt"
same_as_one_job solve --limit 50 "$tmp/boards.txt"
grep -q "Skipped" "$tmp/three.err" || fail "no message for the skipped run"
# Standard input, and the exhaustive solver's trace: each board's lines stay together.
stdin="$tmp/boards.txt" same_as_one_job solve --limit 2 -
head -n 3 "$data/golden/sample.txt" >"$tmp/three.txt"
RARUDUZ_TRACE=1 same_as_one_job solve --limit 2 "$tmp/three.txt"

# Batch: the same report apart from the times.
run 0 batch --jobs 1 --out "$tmp/one.txt" "$tmp/boards.txt"
run 0 batch --jobs 3 --out "$tmp/three.txt" "$tmp/boards.txt"
untimed() { sed -E 's/[0-9]+ (ms|msec)/T/' "$1"; }
[ "$(untimed "$tmp/one.txt")" == "$(untimed "$tmp/three.txt")" ] || fail "batch reports differ"
grep -q "Board #16" "$tmp/three.txt" || fail "batch report lacks boards"

for jobs in 0 -2 many 10000 1.5; do
    usage_error "option --jobs takes a whole number from 1 to 64, not '$jobs'" rate --jobs "$jobs" \
        "$tmp/boards.txt"
done
usage_error "option --jobs takes a whole number from 1 to 64, not '0'" batch --jobs 0 \
    "$tmp/boards.txt"
usage_error "option --jobs needs a value" rate "$tmp/boards.txt" --jobs
usage_error "unknown option '--jobs'" export --layout 0 --jobs 2 "$tmp/boards.txt"
echo OK
