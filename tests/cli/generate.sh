#!/usr/bin/env bash
# raruduz-cli generate: graded boards, reproducible with --seed, bad options refused.
source "$(dirname "$0")/support/scenario.bash" "$1"

run 0 generate --level 2 --count 3 --seed 7
cp "$tmp/out" "$tmp/a"
run 0 generate --level 2 --count 3 --seed 7
check "$(wc -l <"$tmp/a")" 3 "three lines"
# Everything but the milliseconds is reproducible; the stream continues between boards.
check "$(cut -f1-5 "$tmp/a")" "$(cut -f1-5 "$tmp/out")" "--seed"
check "$(cut -f1 "$tmp/a" | sort -u | wc -l)" 3 "distinct boards"
while IFS=$'\t' read -r board score level clues attempts ms extra; do
    [ -z "${extra:-}" ] && [ -n "$ms" ] || fail "not six fields"
    [ ${#board} -eq 81 ] || fail "board of ${#board} symbols"
    [ "$score" -ge 102 ] && [ "$score" -lt 112 ] || fail "Easy board scored $score"
    [ "$level" = "Easy" ] || fail "level '$level'"
    [ "$clues" -eq "$(tr -cd '1-9' <<<"$board" | wc -c)" ] || fail "clue count $clues"
    [ "$attempts" -ge 1 ] || fail "attempts $attempts"
done <"$tmp/a"

# The rate command agrees with the rating each board was accepted on.
run 0 generate --level 5 --style 1 --count 3 --seed 8
cut -f1 "$tmp/out" >"$tmp/boards"
cut -f2,3 "$tmp/out" >"$tmp/ratings"
run 0 rate "$tmp/boards"
check "$(cut -f3,4 "$tmp/out")" "$(cat "$tmp/ratings")" "rate"

# Symmetrical style: cell i is empty exactly when cell 82 - i is.
run 0 generate --level 1 --style 1 --seed 3
pattern=$(cut -f1 "$tmp/out" | tr 1-9 x)
check "$(rev <<<"$pattern")" "$pattern" "symmetry"

# 16 x 16 at "Very Easy": the removal stops at the clue floor.
run 0 generate --level 1 --size 16 --seed 5
IFS=$'\t' read -r board score level clues _ <"$tmp/out"
[ ${#board} -eq 256 ] || fail "16x16 board of ${#board} symbols"
[ "$level" = "Very Easy" ] && [ "$score" -ge 100 ] && [ "$score" -le 101 ] || fail "16x16 $score $level"
[ "$clues" -ge 140 ] && [ "$clues" -le 141 ] || fail "16x16 with $clues clues"

# Above "Very Easy" a 16 x 16 board is refused with the desktop's message.
run 2 generate --level 3 --size 16
check "$(cat "$tmp/out")" "" "no 16x16 Medium board"
check "$(cat "$tmp/err")" "Raruduz 2.2 is not Optimized to Handle such 16*16 Board !!!  This feature will be available in the next releases ..." \
    "16x16 message"

usage_error "option --level is required" generate
usage_error "generate reads no input" generate --level 1 board.txt
for bad in "--level 7" "--level x" "--level 1 --style 2" "--level 1 --size 12" \
    "--level 1 --count 0" "--level 1 --seed -4" "--level 1 --colour red" "--level"; do
    # shellcheck disable=SC2086
    run 2 generate $bad
done
echo OK
