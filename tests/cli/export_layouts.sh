#!/usr/bin/env bash
# The four export layouts, byte for byte, and the export command's bad usage.
source "$(dirname "$0")/support/scenario.bash" "$1"

p="53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"
printf '%s\n%s\n' "$p" "$p" > "$tmp/in.txt"

"$cli" export --layout 0 "$tmp/in.txt" > "$tmp/0"
printf '%s\r\n%s\r\n' "$p" "$p" | cmp - "$tmp/0" || fail "layout 0"

"$cli" export --layout 1 - < "$tmp/in.txt" > "$tmp/1"
rows=""
for r in 0 1 2 3 4 5 6 7 8; do rows+="${p:r*9:9}"$'\r\n'; done
printf '%s\r\n%s\r\n' "$rows" "$rows" | cmp - "$tmp/1" || fail "layout 1"

"$cli" export --layout=2 "$tmp/in.txt" > "$tmp/2"
printf '[Puzzle]\r\n%s\r\n[Puzzle]\r\n%s\r\n' "$rows" "$rows" | cmp - "$tmp/2" || fail "layout 2"

head -n 1 "$tmp/in.txt" | "$cli" export --layout 3 --content clues | tr -d '\r' > "$tmp/3"
cat > "$tmp/3.expected" <<'END'
*-----------*
|53.|.7.|...|
|6..|195|...|
|.98|...|.6.|
|---+---+---|
|8..|.6.|..3|
|4..|8.3|..1|
|7..|.2.|..6|
|---+---+---|
|.6.|...|28.|
|...|419|..5|
|...|.8.|.79|
*-----------*

END
cmp "$tmp/3.expected" "$tmp/3" || fail "layout 3"

# Every layout reads back as the same board.
for layout in 1 2 3; do
    check "$("$cli" export --layout "$layout" "$tmp/in.txt" | "$cli" export --layout 0 | tr -d '\r')" \
        "$p"$'\n'"$p" "round trip of layout $layout"
done

# "all" on a board that was never solved warns as the dialog does.
out=$(head -n 1 "$tmp/in.txt" | "$cli" export --layout 0 --content all 2>"$tmp/err" | tr -d '\r')
check "$out" "$p" "all"
check "$(cat "$tmp/err")" "Board Yet Unsolved ... Clues and Givens Export Not Available ... Please Make Raruduz Solve the Board before Proceeding .. " "all warning"

usage_error "option --layout is required" export "$tmp/in.txt"
usage_error "option --layout takes a whole number from 0 to 3, not '4'" export --layout 4 "$tmp/in.txt"
usage_error "option --content takes clues or all, not 'givens'" export --layout 0 --content givens "$tmp/in.txt"
usage_error "unknown option '--wide'" export --layout 0 --wide "$tmp/in.txt"
echo OK
