#!/usr/bin/env bash
# --help, alone or after a command, and the bad usage every command shares.
source "$(dirname "$0")/support/scenario.bash" "$1"

run 0 --help
check "$(sed -n 1p "$tmp/out")" "Usage: raruduz-cli COMMAND [OPTIONS] [FILE ...]" "help heading"
grep -qxF '  solutions [--limit 50] [FILE ...]' "$tmp/out" || fail "--help lists no solutions"
run 0 solve --help
check "$(cat "$tmp/out")" \
    "Usage: raruduz-cli solve [--method brute|human|progressive] [--limit 1|2|50] [--with-guess] [--jobs N] [FILE ...]" \
    "solve --help"

printf '.%.0s' {1..81} >"$tmp/empty.txt"
usage_error "no command given"
usage_error "unknown command 'resolve'" resolve "$tmp/empty.txt"
usage_error "unknown option '--fast'" solve --fast - <"$tmp/empty.txt"
for limit in 7 70; do
    usage_error "option --limit takes 1, 2 or 50, not '$limit'" solve --limit "$limit" "$tmp/empty.txt"
done
usage_error "option --limit needs a value" solutions "$tmp/empty.txt" --limit
echo OK
