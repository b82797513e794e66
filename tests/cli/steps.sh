#!/usr/bin/env bash
# raruduz-cli steps: the hint driver's steps with their effects, exact output, bad options.
source "$(dirname "$0")/support/scenario.bash" "$1"

solved=534678912672195348198342567859761423426853791713924856961537284287419635345286179
empty=$(printf '.%.0s' {1..81})
printf '%s\n' ".${solved:1:79}." "$empty" >"$tmp/in.txt"
expected="# board 1
1	1	Single in a Box	r1c1=5
2	1	Single in a Box	r9c9=9
# end Solved	$solved
# board 2
# end Stuck	$empty"
run 0 steps "$tmp/in.txt"
check "$(cat "$tmp/out")" "$expected" "steps"

# --with-guess finds a solution first, then steps from the clues again: the same steps here.
run 0 steps --with-guess "$tmp/in.txt"
check "$(sed -n 1,4p "$tmp/out")" "$(sed -n 1,4p <<<"$expected")" "--with-guess"

run 2 steps --bogus "$tmp/in.txt"
check "$(head -n 1 "$tmp/err")" "raruduz-cli: unknown option '--bogus'" "unknown option"
check "$(cat "$tmp/out")" "" "no output on bad usage"
run 0 steps --help
check "$(cat "$tmp/out")" "Usage: raruduz-cli steps [--with-guess] [--jobs N] [FILE ...]" "help text"
echo OK
