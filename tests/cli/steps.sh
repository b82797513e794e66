#!/bin/bash
# raruduz-cli steps: the hint driver's steps with their effects, exact output, bad options.
set -u
cli="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

solved=534678912672195348198342567859761423426853791713924856961537284287419635345286179
empty=$(printf '.%.0s' {1..81})
{
    echo ".${solved:1:79}."
    echo "$empty"
} >"$work/in.txt"
"$cli" steps "$work/in.txt" >"$work/out" || fail "steps exited $?"
printf '%s\n' "# board 1" \
    $'1\t1\tSingle in a Box\tr1c1=5' \
    $'2\t1\tSingle in a Box\tr9c9=9' \
    $'# end Solved\t'"$solved" \
    "# board 2" \
    $'# end Stuck\t'"$empty" >"$work/expected"
diff "$work/expected" "$work/out" || fail "unexpected steps output"

# --with-guess finds a solution first, then steps from the clues again: the same steps here.
"$cli" steps --with-guess "$work/in.txt" >"$work/guess" || fail "--with-guess exited $?"
diff <(head -4 "$work/expected") <(head -4 "$work/guess") || fail "--with-guess changed the steps"

"$cli" steps --bogus "$work/in.txt" >"$work/out" 2>"$work/err"
[ $? -eq 2 ] || fail "an unknown option must exit 2"
[ -s "$work/out" ] && fail "nothing may go to standard output on bad usage"
grep -q "unknown option '--bogus'" "$work/err" || fail "error text: $(cat "$work/err")"
"$cli" steps --help | grep -q "^Usage: raruduz-cli steps \[--with-guess\]" || fail "help text"
exit 0
