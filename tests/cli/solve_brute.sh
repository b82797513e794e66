#!/usr/bin/env bash
# solve with the exhaustive solver and solutions: counts to each limit, the smallest grids in
# reading order, a board without solution, numbering across inputs.
source "$(dirname "$0")/support/scenario.bash" "$1"

classic=53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79
solved=534678912672195348198342567859761423426853791713924856961537284287419635345286179
empty=$(printf '.%.0s' {1..81})
first=123456789456789123789123456214365897365897214897214365531642978642978531978531642
second=213456789456789123789123456124365897365897214897214365531642978642978531978531642
dead="12345678.........9${empty:18}"
two="..${first:2:25}..${first:29}"
printf '# a comment line\n%s\n' "$empty" >"$tmp/first.txt"

# No --limit counts to 2.
run 0 solve "$tmp/first.txt" - <<<"$dead"
check "$(cat "$tmp/out")" $'1\tSolutionFound\t2\t-\t-\t'"$first"$'\n2\tZeroCellFound\t0\t-\t-\t'"$dead" \
    "default limit"
check "$(cat "$tmp/err")" "" "no message"

printf '%s\n' "$classic" "$empty" >"$tmp/in.txt"
for limit in 1 2 50; do
    run 0 solve --method brute --limit "$limit" "$tmp/in.txt"
    check "$(cut -f1-3 "$tmp/out" | tr '\t\n' ' |')" "1 SolutionFound 1|2 SolutionFound $limit|" \
        "limit $limit"
    check "$(cut -f4-6 "$tmp/out")" $'-\t-\t'"$solved"$'\n-\t-\t'"$first" "boards at limit $limit"
done

run 0 solutions - <<<"$two"
check "$(cat "$tmp/out")" $'1\t1\t'"$first"$'\n1\t2\t'"$second" "two solutions"
check "$(cat "$tmp/err")" "" "no message from solutions"
run 0 solutions --limit 1 - <<<"$two"
check "$(cat "$tmp/out")" $'1\t1\t'"$first" "solutions up to 1"
echo OK
