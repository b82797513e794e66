#!/usr/bin/env bash
# raruduz-cli check: each hint step compared with the unique solution; verdicts, exit status,
# boards without a unique solution or with repeated clues, bad options; and a sample of hard
# public puzzles.
source "$(dirname "$0")/support/scenario.bash" "$1"

hard=4...3.......6..8..........1....5..9..8....6...7.2........1.27..5.3....4.9........
empty=$(printf '.%.0s' {1..81})
# r1c9 can hold nothing: no solution.
broken="12345678.........9${empty:18}"
printf '%s\n' "$hard" "$empty" "$broken" >"$tmp/in.txt"

run 0 check "$tmp/in.txt"
check "$(cat "$tmp/out")" $'1\tOK\t28 steps, Stuck\n2\tNOT-UNIQUE\t2 or more solutions
3\tNOT-UNIQUE\t0 solutions' "verdicts"

# With the guess the hard board is solved, and the guesses are checked like every other step;
# the steps counted are those of the steps command.
run 0 check --with-guess - <<<"$hard"
check "$(cat "$tmp/out")" $'1\tOK\t84 steps, Solved' "with guess"
run 0 steps --with-guess - <<<"$hard"
check "$(grep -c $'^[0-9]*\t' "$tmp/out")" 84 "steps shown"

# Clues that repeat a value: the first repeat in reading order names its row, column or block,
# counted from 1, with the value's symbol; the board fails the check, the run goes on.
solved=534678912672195348198342567859761423426853791713924856961537284287419635345286179
e16=$(printf '.%.0s' {1..256})
printf '%s\n' "3${solved:1}" "${solved:0:9}5${solved:10}" "${solved:0:10}5${solved:11}" \
    "1.....1${empty:7}" "G${e16:1:15}G${e16:17}" >"$tmp/invalid.txt"
run 1 check "$tmp/invalid.txt" "$tmp/in.txt"
check "$(cut -f1-3 "$tmp/out" | sed -n 1,6p)" $'1\tINVALID\tclues repeat 3 in row 1
2\tINVALID\tclues repeat 5 in column 1
3\tINVALID\tclues repeat 5 in block 1
4\tINVALID\tclues repeat 1 in row 1
5\tINVALID\tclues repeat G in column 1
6\tOK\t28 steps, Stuck' "invalid boards"
check "$(cat "$tmp/err")" "" "no message"

run 2 check --bogus "$tmp/in.txt"
check "$(head -n 1 "$tmp/err")" "raruduz-cli: unknown option '--bogus'" "unknown option"
check "$(cat "$tmp/out")" "" "no output on bad usage"
run 0 check --help
check "$(cat "$tmp/out")" "Usage: raruduz-cli check [--with-guess] [--jobs N] [FILE ...]" "help text"

# Hard and 17-clue puzzles from the public sets: every step sound.
run 0 check --with-guess "$(dirname "$0")/../data/unique_sample.txt"
check "$(grep -c $'\tOK\t' "$tmp/out")" 108 "sample: $(grep -v $'\tOK\t' "$tmp/out" || true)"
echo OK
