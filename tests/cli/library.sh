#!/usr/bin/env bash
# The puzzle data file from the command line: add, overwrite, list, show, and damaged files.
source "$(dirname "$0")/support/scenario.bash" "$1"

p1="53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"
p2="1...............................................................................9"
lib="$tmp/BoardData.sbd"
printf '%s\n' "$p1" > "$tmp/one.txt"
printf '%s\n%s\n' "$p2" "$p1" > "$tmp/two.txt"

run 0 library --file "$lib" list
check "$(cat "$tmp/out")$(cat "$tmp/err")" "" "missing file lists nothing"

run 0 library --file "$lib" add --name First --description "A classic" --level 2 "$tmp/one.txt"
check "$(cat "$tmp/out")$(cat "$tmp/err")" "" "add is silent"
# The file starts with the magic text, version 12 and the count.
check "$(head -c 49 "$lib" | od -An -tx1 | tr -d ' \n')" \
    "28$(printf 'Duvere - SudokuSolver - Puzzle Data File' | od -An -tx1 | tr -d ' \n')0c00000001000000" \
    "file header"

run 0 library --file "$lib" add --name Pair "$tmp/two.txt"
run 0 library --file "$lib" add --name First --level 6 --description "Replaced" "$tmp/two.txt"
run 0 library --file "$lib" add --name Pair "$tmp/one.txt"
run 0 library --file "$lib" list
check "$(cat "$tmp/out")" $'1\tFirst\tA classic\tEasy
2\tPair #1\t\tUnknown
3\tPair #2\t\tUnknown
4\tFirst #1\tReplaced\tFiendish
5\tFirst #2\tReplaced\tFiendish
6\tPair\t\tUnknown' "list"

run 0 library --file "$lib" show "Pair #1"
check "$(cat "$tmp/out")" "$p2" "show"
run 2 library --file "$lib" show pair
check "$(cat "$tmp/err")" "raruduz-cli: no board named 'pair' in $lib" "unknown name"

# Overwriting keeps the record's place.
printf '%s\n' "$p2" > "$tmp/three.txt"
run 0 library --file "$lib" add --name First --description "New" "$tmp/three.txt"
run 0 library --file "$lib" list
check "$(head -n 1 "$tmp/out")" $'1\tFirst\tNew\tUnknown' "overwrite"
run 0 library --file "$lib" show First
check "$(cat "$tmp/out")" "$p2" "overwritten board"

# The default file lives in the program folder.
export RARUDUZ_HOME="$tmp/home"
run 0 library add --name Home "$tmp/one.txt"
[ -f "$tmp/home/BoardData.sbd" ] || fail "default file"

# Damaged files are reported, never changed.
for cut in 10 50 700; do
    head -c "$cut" "$lib" > "$tmp/short.sbd"
    cp "$tmp/short.sbd" "$tmp/short.copy"
    run 2 library --file "$tmp/short.sbd" list
    check "$(cat "$tmp/err")" "Invalid Puzzle Data File ..." "short file of $cut bytes"
    run 2 library --file "$tmp/short.sbd" add --name X "$tmp/one.txt"
    cmp "$tmp/short.sbd" "$tmp/short.copy" || fail "damaged file changed"
done
{ printf '\x28Duvere - SudokuSolver - Puzzle Data File\x0c\0\0\0\xff\xff\xff\x7f'; } > "$tmp/huge.sbd"
run 2 library --file "$tmp/huge.sbd" list
check "$(cat "$tmp/err")" "Invalid Puzzle Data File ..." "impossible count"

# A count below the records would let the next write drop the rest.
cp "$lib" "$tmp/extra.sbd"
printf '\x05' | dd of="$tmp/extra.sbd" bs=1 seek=45 conv=notrunc status=none
cp "$tmp/extra.sbd" "$tmp/extra.copy"
run 2 library --file "$tmp/extra.sbd" list
check "$(cat "$tmp/err")" "Invalid Puzzle Data File ..." "count below the records"
run 2 library --file "$tmp/extra.sbd" add --name X "$tmp/one.txt"
cmp "$tmp/extra.sbd" "$tmp/extra.copy" || fail "file with a short count changed"

# A file that cannot be read says why.
run 2 library --file "$tmp" list
check "$(cat "$tmp/err")" "Unable to Open File ... Access Denied" "folder as file"
if [ "$(id -u)" != 0 ]; then
    cp "$lib" "$tmp/locked.sbd"
    chmod 000 "$tmp/locked.sbd"
    run 2 library --file "$tmp/locked.sbd" show First
    check "$(cat "$tmp/err")" "Unable to Open File ... Access Denied" "unreadable file"
fi

# Reading creates no program folder.
RARUDUZ_HOME="$tmp/nowhere" run 0 library list
check "$(cat "$tmp/out")$(cat "$tmp/err")" "" "list of no folder"
RARUDUZ_HOME="$tmp/nowhere" run 2 library show First
[ ! -e "$tmp/nowhere" ] || fail "folder created by reading"

# The file keeps its permission bits.
chmod 600 "$lib"
run 0 library --file "$lib" add --name Private "$tmp/one.txt"
check "$(stat -c %a "$lib")" 600 "mode kept"

# Names and descriptions stay on their field of their line.
run 2 library --file "$lib" add --name $'Two\nLines' "$tmp/one.txt"
check "$(head -n 1 "$tmp/err")" "raruduz-cli: a board name cannot hold control characters (TAB, CR, LF, ...)" "control character in a name"
run 2 library --file "$lib" add --name $'Tab\there' "$tmp/one.txt"
run 0 library --file "$lib" add --name 'Back\slash' --description $'1\t2\r\n3\\' "$tmp/one.txt"
run 0 library --file "$lib" list
check "$(tail -n 1 "$tmp/out")" $'8\tBack\\\\slash\t1\\t2\\r\\n3\\\\\tUnknown' "escaped fields"
check "$(wc -l < "$tmp/out")" 8 "one line per record"

run 2 library --file "$lib"
check "$(head -n 1 "$tmp/err")" "raruduz-cli: library needs list, show NAME or add --name NAME FILE" "no action"
run 2 library --file "$lib" add "$tmp/one.txt"
check "$(head -n 1 "$tmp/err")" "raruduz-cli: library needs list, show NAME or add --name NAME FILE" "no name"
run 2 library --file "$lib" add --name X --level 9 "$tmp/one.txt"
check "$(head -n 1 "$tmp/err")" "raruduz-cli: option --level takes a whole number from 0 to 6, not '9'" "bad level"
run 2 library --file "$lib" add --name X "$tmp/none.txt"
check "$(cat "$tmp/err")" "Unable to Open File ... File Not Found
Unable to Read Sudoku File $tmp/none.txt... " "unreadable board file"
echo OK
