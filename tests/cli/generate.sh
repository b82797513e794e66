#!/bin/bash
# raruduz-cli generate: graded boards, reproducible with --seed, bad options refused.
set -u
cli="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$cli" generate --level 2 --count 3 --seed 7 >"$work/a" || fail "generate exited $?"
"$cli" generate --level 2 --count 3 --seed 7 >"$work/b" || fail "second generate exited $?"
[ "$(wc -l <"$work/a")" -eq 3 ] || fail "expected 3 lines"
# Everything but the milliseconds is reproducible; the stream continues between boards.
diff <(cut -f1-5 "$work/a") <(cut -f1-5 "$work/b") || fail "--seed is not reproducible"
[ "$(cut -f1 "$work/a" | sort -u | wc -l)" -eq 3 ] || fail "the boards repeat"
while IFS=$'\t' read -r board score level clues attempts ms extra; do
    [ -z "${extra:-}" ] && [ -n "$ms" ] || fail "not six fields"
    [ ${#board} -eq 81 ] || fail "board of ${#board} symbols"
    [ "$score" -ge 102 ] && [ "$score" -lt 112 ] || fail "Easy board scored $score"
    [ "$level" = "Easy" ] || fail "level '$level'"
    [ "$clues" -eq "$(tr -cd '1-9' <<<"$board" | wc -c)" ] || fail "clue count $clues"
    [ "$attempts" -ge 1 ] || fail "attempts $attempts"
done <"$work/a"

# The rate command agrees with the rating each board was accepted on.
"$cli" generate --level 5 --style 1 --count 3 --seed 8 >"$work/c" || fail "generate exited $?"
diff <(cut -f1 "$work/c" | "$cli" rate | cut -f3,4) <(cut -f2,3 "$work/c") || fail "rate disagrees"

# Symmetrical style: cell i is empty exactly when cell 82 - i is.
board=$("$cli" generate --level 1 --style 1 --seed 3 | cut -f1)
for ((i = 0; i < 81; i++)); do
    a=${board:i:1} b=${board:80-i:1}
    [ "$a" = "." ] && [ "$b" != "." ] && fail "not symmetric at $i: $board"
    [ "$a" != "." ] && [ "$b" = "." ] && fail "not symmetric at $i: $board"
done

# 16 x 16 at "Very Easy": the removal stops at the clue floor.
IFS=$'\t' read -r board score level clues _ <<<"$("$cli" generate --level 1 --size 16 --seed 5)"
[ ${#board} -eq 256 ] || fail "16x16 board of ${#board} symbols"
[ "$level" = "Very Easy" ] && [ "$score" -ge 100 ] && [ "$score" -le 101 ] || fail "16x16 $score $level"
[ "$clues" -ge 140 ] && [ "$clues" -le 141 ] || fail "16x16 with $clues clues"

# Above "Very Easy" a 16 x 16 board is refused with the desktop's message.
"$cli" generate --level 3 --size 16 >"$work/out" 2>"$work/err"
[ $? -eq 2 ] || fail "16x16 Medium should exit 2"
[ ! -s "$work/out" ] || fail "16x16 Medium wrote a board"
grep -qxF "Raruduz 2.2 is not Optimized to Handle such 16*16 Board !!!  This feature will be available in the next releases ..." "$work/err" \
    || fail "16x16 message: $(cat "$work/err")"

for bad in "" "--level 7" "--level x" "--level 1 --style 2" "--level 1 --size 12" \
    "--level 1 --count 0" "--level 1 --seed -4" "--level 1 --colour red" "--level 1 board.txt" \
    "--level"; do
    # shellcheck disable=SC2086
    "$cli" generate $bad >/dev/null 2>&1
    [ $? -eq 2 ] || fail "'generate $bad' should exit 2"
done
exit 0
