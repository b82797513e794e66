#!/usr/bin/env bash
# solve --method human|progressive, --with-guess and rate on boards with known outcomes.
source "$(dirname "$0")/support/scenario.bash" "$1"

singles=53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79
solved=534678912672195348198342567859761423426853791713924856961537284287419635345286179
monster=1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1
printf '%s\n%s\n' "$singles" "$monster" >"$tmp/boards.txt"

run 0 solve --method human "$tmp/boards.txt"
check "$(sed -n 1p "$tmp/out")" $'1\tSolved\t-\t100\tVery Easy\t'"$solved" "human line 1"
check "$(sed -n 2p "$tmp/out" | cut -f1-3)" $'2\tNoSolutionFound\t-' "human line 2"
[[ "$(sed -n 2p "$tmp/out" | cut -f6)" == *.* ]] || fail "an unfinished board keeps empty cells"

# With the guess the monster is solved, and its guesses follow the exhaustive solution.
run 0 solve --method brute --limit 1 - <<<"$monster"
brute=$(cut -f6 "$tmp/out")
run 0 solve --method human --with-guess "$tmp/boards.txt"
check "$(sed -n 2p "$tmp/out" | cut -f2,6)" $'Solved\t'"$brute" "with guess"

run 0 solve --method progressive "$tmp/boards.txt"
check "$(sed -n 1p "$tmp/out")" $'1\tSolved\t-\t100\tVery Easy\t'"$solved" "progressive"

run 0 rate "$tmp/boards.txt"
check "$(sed -n 1p "$tmp/out")" $'1\tSolved\t100\tVery Easy' "rate line 1"
check "$(sed -n 2p "$tmp/out" | cut -f2,4)" $'Unsolved\tUnknown' "rate line 2"

usage_error "unknown method 'bogus'" solve --method bogus "$tmp/boards.txt"
echo OK
