#!/usr/bin/env bash
# Boards are read as the text import reads them: comments, boards over many lines, letter boards,
# numbering across inputs, skipped boards and unreadable files.
source "$(dirname "$0")/support/scenario.bash" "$1"

p1="53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"
p2="1...............................................................................9"
{
    printf '# a heading\r\n'
    for row in 0 1 2 3 4 5 6 7 8; do
        line=${p1:row*9:9}
        printf '%s | %s | %s\r\n' "${line:0:3}" "${line:3:3}" "${line:6:3}" | tr . 0
        [ $row == 2 ] && printf -- '------+-------+------\r\n'
    done
    printf '\xe9 an accented comment\n%s\n%s' "$p2" "${p1:0:40}"
} > "$tmp/first.sdk"
printf '%s\n' "$p2" | tr '19' 'ab' | sed 's/^/; /' > "$tmp/second.txt"
printf '%s\n' "$p1" | tr '123456789' 'QWERTKLMN' >> "$tmp/second.txt"

out=$("$cli" solve --limit 1 "$tmp/first.sdk" - "$tmp/second.txt" < <(printf '%s\n' "$p2") 2>"$tmp/err" | cut -f1,2)
check "$out" $'1\tSolutionFound\n2\tSolutionFound\n3\tSolutionFound\n4\tSolutionFound' "numbering"
check "$(cat "$tmp/err")" "" "no message"

# A letter board keeps its letters' order; its export shows their numbers.
out=$("$cli" export --layout 0 "$tmp/second.txt" | tr -d '\r')
check "$out" "$(printf '%s' "$p1" | sed 'y/123456789/691782345/')" "letter board"

# Boards whose symbols mean nothing are skipped and counted.
printf '%s\n%s\n%s\n' "${p1:0:80}H" "$p1" "${p1:0:80}A" > "$tmp/bad.txt"
out=$("$cli" export --layout 0 "$tmp/bad.txt" 2>"$tmp/err" | tr -d '\r')
check "$out" "$p1" "skipped boards"
check "$(cat "$tmp/err")" "2 Boards Skipped ... Symbols Out of Range for the Board Size !!!" "skip message"

# Files from other systems: a UTF-8 byte-order mark before a comment line, CR line ends.
{
    printf '\xef\xbb\xbf# saved by another editor\r'
    for row in 0 1 2 3 4 5 6 7 8; do printf '%s\r' "${p1:row*9:9}"; done
    printf '; second\r%s\r' "$p2"
} >"$tmp/other.txt"
run 0 export --layout 0 "$tmp/other.txt"
check "$(tr -d '\r' <"$tmp/out")" "$p1"$'\n'"$p2" "byte-order mark and CR line ends"

# Unreadable input and input without a board.
run 2 solve "$tmp/missing.txt"
check "$(cat "$tmp/err")" "Unable to Open File ... File Not Found
Unable to Read Sudoku File $tmp/missing.txt... " "missing file message"
run 2 solve - <<<"Puzzle one
$p1"
check "$(cat "$tmp/err")" "raruduz-cli: no board found in the input" "no board message"
check "$(cat "$tmp/out")" "" "no output"
echo OK
