#!/bin/bash
# raruduz-cli special: the special-generation search and its closing message.
set -u
cli="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# "Single in a Box", 3 boards wanted.
"$cli" special --technique 1 --count 3 --seed 9 >"$work/a" 2>"$work/err" || fail "exit $?"
[ "$(cat "$work/err")" = "3 Boards Generated ..." ] || fail "message '$(cat "$work/err")'"
[ "$(cut -f1 "$work/a" | tr '\n' ' ')" = "1 2 3 " ] || fail "rows $(cut -f1 "$work/a")"
while IFS=$'\t' read -r ndx attempt clues occurrences level score board; do
    [ ${#board} -eq 81 ] || fail "row $ndx board"
    [ "$occurrences" -ge 1 ] || fail "row $ndx occurrences $occurrences"
    [ "$clues" -eq "$(tr -cd '1-9' <<<"$board" | wc -c)" ] || fail "row $ndx clues"
    [ -n "$level" ] && [ "$score" -ge 100 ] && [ "$attempt" -ge "$ndx" ] || fail "row $ndx"
done <"$work/a"
"$cli" special --technique 1 --count 3 --seed 9 2>/dev/null | diff - "$work/a" \
    || fail "--seed is not reproducible"

# Very Easy only: scores 100 or 101.
"$cli" special --technique 2 --count 2 --attempts 300 --min-level 1 --max-level 1 --seed 4 \
    >"$work/b" 2>/dev/null || fail "exit $?"
cut -f6 "$work/b" | grep -qvE '^10[01]$' && fail "score outside Very Easy: $(cut -f6 "$work/b")"
cut -f5 "$work/b" | grep -qvx 'Very Easy' && fail "level text: $(cut -f5 "$work/b")"

# Contradictory levels find nothing.
"$cli" special --technique 1 --attempts 5 --min-level 4 --max-level 2 >"$work/c" 2>"$work/err"
[ $? -eq 0 ] && [ ! -s "$work/c" ] || fail "contradictory criteria"
[ "$(cat "$work/err")" = "0 Board Generated ..." ] || fail "message '$(cat "$work/err")'"

for bad in "" "--technique 0" "--technique 37" "--technique 1 --min-level 7" \
    "--technique 1 --count 0" "--technique 1 --attempts 0" "--technique 1 --size 10" \
    "--technique 1 --fast" "--technique 1 --min-occurrence"; do
    # shellcheck disable=SC2086
    "$cli" special $bad >/dev/null 2>&1
    [ $? -eq 2 ] || fail "'special $bad' should exit 2"
done
exit 0
