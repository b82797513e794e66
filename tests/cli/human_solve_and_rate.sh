#!/usr/bin/env bash
# solve --method human|progressive, --with-guess and rate on boards with known outcomes.
set -euo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

singles=53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79
solved=534678912672195348198342567859761423426853791713924856961537284287419635345286179
monster=1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1
printf '%s\n%s\n' "$singles" "$monster" > "$work/boards.txt"

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cli" solve --method human "$work/boards.txt" > "$work/human.out"
line1=$(sed -n 1p "$work/human.out")
[[ "$line1" == $'1\tSolved\t-\t100\tVery Easy\t'"$solved" ]] || fail "human line 1: $line1"
IFS=$'\t' read -r index status count score level board < <(sed -n 2p "$work/human.out")
[[ "$index $status $count" == "2 NoSolutionFound -" ]] || fail "human line 2: $index $status $count"
[[ "$board" == *.* ]] || fail "an unfinished board keeps empty cells"

"$cli" solve --method human --with-guess "$work/boards.txt" > "$work/guess.out"
IFS=$'\t' read -r index status count score level board < <(sed -n 2p "$work/guess.out")
[[ "$status" == Solved && "$board" != *.* ]] || fail "with guess: $status $board"
"$cli" solve --method brute --limit 1 - < <(echo "$monster") | cut -f6 > "$work/brute.out"
[[ "$board" == "$(cat "$work/brute.out")" ]] || fail "the guesses follow the exhaustive solution"

"$cli" solve --method progressive "$work/boards.txt" | head -n 1 > "$work/progressive.out"
[[ "$(cat "$work/progressive.out")" == $'1\tSolved\t-\t100\tVery Easy\t'"$solved" ]] ||
    fail "progressive: $(cat "$work/progressive.out")"

"$cli" rate "$work/boards.txt" > "$work/rate.out"
[[ "$(sed -n 1p "$work/rate.out")" == $'1\tSolved\t100\tVery Easy' ]] || fail "rate line 1"
[[ "$(sed -n 2p "$work/rate.out" | cut -f2,4)" == $'Unsolved\tUnknown' ]] || fail "rate line 2"

set +e
"$cli" solve --method bogus "$work/boards.txt" > "$work/bad.out" 2> "$work/bad.err"
status=$?
set -e
[[ $status -eq 2 && ! -s "$work/bad.out" ]] || fail "unknown method exits 2 with no output"
grep -q "unknown method 'bogus'" "$work/bad.err" || fail "unknown method message"
echo OK
