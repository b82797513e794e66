#!/usr/bin/env bash
# raruduz-cli special: the special-generation search and its closing message.
source "$(dirname "$0")/support/scenario.bash" "$1"

# "Single in a Box", 3 boards wanted.
run 0 special --technique 1 --count 3 --seed 9
check "$(cat "$tmp/err")" "3 Boards Generated ..." "closing message"
check "$(cut -f1 "$tmp/out" | tr '\n' ' ')" "1 2 3 " "rows"
while IFS=$'\t' read -r ndx attempt clues occurrences level score board; do
    [ ${#board} -eq 81 ] || fail "row $ndx board"
    [ "$occurrences" -ge 1 ] || fail "row $ndx occurrences $occurrences"
    [ "$clues" -eq "$(tr -cd '1-9' <<<"$board" | wc -c)" ] || fail "row $ndx clues"
    [ -n "$level" ] && [ "$score" -ge 100 ] && [ "$attempt" -ge "$ndx" ] || fail "row $ndx"
done <"$tmp/out"
cp "$tmp/out" "$tmp/a"
run 0 special --technique 1 --count 3 --seed 9
cmp -s "$tmp/a" "$tmp/out" || fail "--seed is not reproducible"

# Very Easy only: scores 100 or 101.
run 0 special --technique 2 --count 2 --attempts 300 --min-level 1 --max-level 1 --seed 4
check "$(cut -f6 "$tmp/out" | grep -cvE '^10[01]$' || true)" 0 "scores outside Very Easy"
check "$(cut -f5 "$tmp/out" | sort -u)" "Very Easy" "level text"

# Contradictory levels find nothing.
run 0 special --technique 1 --attempts 5 --min-level 4 --max-level 2
check "$(cat "$tmp/out")" "" "contradictory criteria"
check "$(cat "$tmp/err")" "0 Board Generated ..." "message when nothing is found"

usage_error "option --technique is required" special
usage_error "option --technique takes a whole number from 1 to 36, not '0'" special --technique 0
for bad in "--technique 37" "--technique 1 --min-level 7" "--technique 1 --count 0" \
    "--technique 1 --attempts 0" "--technique 1 --size 10" "--technique 1 --fast" \
    "--technique 1 --min-occurrence"; do
    # shellcheck disable=SC2086
    run 2 special $bad
done
echo OK
