#!/bin/bash
# raruduz-cli check: each hint step compared with the unique solution; verdicts, exit status,
# boards without a unique solution, bad options; and a sample of public puzzles.
set -u
cli="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

hard=4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........
empty=$(printf '.%.0s' {1..81})
# r1c9 can hold nothing: no solution.
broken="12345678.........9${empty:18}"
printf '%s\n' "$hard" "$empty" "$broken" >"$work/in.txt"

"$cli" check "$work/in.txt" >"$work/out" || fail "check exited $?"
printf '%s\n' $'1\tOK\t28 steps, Stuck' $'2\tNOT-UNIQUE\t2 or more solutions' \
    $'3\tNOT-UNIQUE\t0 solutions' >"$work/expected"
diff "$work/expected" "$work/out" || fail "unexpected check output"

# With the guess the hard board is solved, and the guesses are checked like every other step.
echo "$hard" | "$cli" check --with-guess >"$work/out" || fail "check --with-guess exited $?"
[ "$(cat "$work/out")" = $'1\tOK\t84 steps, Solved' ] || fail "with guess: $(cat "$work/out")"

# The steps counted are those of the steps command.
steps=$(echo "$hard" | "$cli" steps --with-guess | grep -c $'^[0-9]*\t')
[ "$steps" = 84 ] || fail "steps shows $steps steps"

"$cli" check --bogus "$work/in.txt" >"$work/out" 2>"$work/err"
[ $? -eq 2 ] || fail "an unknown option must exit 2"
[ -s "$work/out" ] && fail "nothing may go to standard output on bad usage"
grep -q "unknown option '--bogus'" "$work/err" || fail "error text: $(cat "$work/err")"
"$cli" check --help | grep -q "^Usage: raruduz-cli check \[--with-guess\]" || fail "help text"

# Hard and 17-clue puzzles from the public sets: every step sound.
sample="$(dirname "$0")/../data/unique_sample.txt"
"$cli" check --with-guess "$sample" >"$work/out" || fail "sample: check exited $?"
[ "$(grep -c $'\tOK\t' "$work/out")" = 108 ] || fail "sample: $(grep -v $'\tOK\t' "$work/out")"
exit 0
