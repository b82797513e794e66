#!/usr/bin/env bash
# The batch report from the command line, and its bad usage.
source "$(dirname "$0")/support/scenario.bash" "$1"

easy="53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"
broken="55..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"
printf '%s\n%s\n' "$easy" "$broken" > "$tmp/boards.txt"

run 0 batch --out "$tmp/report.txt" "$tmp/boards.txt"
check "$(cat "$tmp/out")" "$tmp/report.txt" "printed path"
check "$(cat "$tmp/err")" "" "no message"
report=$(tr -d '\r' < "$tmp/report.txt")
check "$(printf '%s\n' "$report" | sed -n '1,4p;15,16p' | sed 's/Solving Time: [0-9]* ms/Solving Time: T ms/')" \
"Board #1
Difficulty Level: Very Easy   Board Score: 100
Solving Time: T ms
Original Board          Solved Board
Board #2
Original Board          UnSolved Board" "board parts"
check "$(printf '%s\n' "$report" | sed -n '5p')" "53..7....               534678912" "first row"
check "$(printf '%s\n' "$report" | grep -c '^Board #')" 2 "two boards"
check "$(printf '%s\n' "$report" | grep -A1 'Global Statistics' | tail -n 1)" "" "empty line"
check "$(printf '%s\n' "$report" | grep 'Boards solved')" "1 of 2 Boards solved " "count"
check "$(printf '%s\n' "$report" | grep 'Mean')" "Mean Solving Time: Unknown " "one solved"
check "$(printf '%s\n' "$report" | grep -c ': [0-9]* calls\?  $')" 36 "technique lines"
check "$(printf '%s\n' "$report" | tail -n 1)" "Brute Force Guess: 0 call  " "last line"

# The default report lives in the program folder.
export RARUDUZ_HOME="$tmp/home"
run 0 batch "$tmp/boards.txt"
check "$(cat "$tmp/out")" "$tmp/home/BatchProcData.txt" "default path"
[ -s "$tmp/home/BatchProcData.txt" ] || fail "default report"

run 2 batch --out "$tmp/none/report.txt" "$tmp/boards.txt"
check "$(cat "$tmp/err")" "Unable to Create Data File for Batch processing !!! Cause: File Not Found" "unwritable report"
check "$(cat "$tmp/out")" "" "no path printed"
# A pipe is not replaced; a link is written through and kept, and the report keeps its mode.
mkfifo "$tmp/pipe"
run 2 batch --out "$tmp/pipe" "$tmp/boards.txt"
check "$(cat "$tmp/err")" "Unable to Create Data File for Batch processing !!! Cause: Invalid File" "pipe as report"
[ -p "$tmp/pipe" ] || fail "pipe replaced"
printf 'old' > "$tmp/target.txt"
chmod 640 "$tmp/target.txt"
ln -s target.txt "$tmp/link.txt"
run 0 batch --out "$tmp/link.txt" "$tmp/boards.txt"
[ -L "$tmp/link.txt" ] || fail "link replaced"
check "$(head -n 1 "$tmp/target.txt" | tr -d '\r')" "Board #1" "written through the link"
check "$(stat -c %a "$tmp/target.txt")" 640 "mode kept"

run 2 batch --out "$tmp/r.txt"
check "$(head -n 1 "$tmp/err")" "raruduz-cli: batch takes exactly one FILE" "no file"
run 2 batch "$tmp/boards.txt" "$tmp/boards.txt"
check "$(head -n 1 "$tmp/err")" "raruduz-cli: batch takes exactly one FILE" "two files"
run 2 batch "$tmp/missing.txt"
check "$(cat "$tmp/err")" "Unable to Open File ... File Not Found
Unable to Read Sudoku File $tmp/missing.txt... " "missing file"
[ ! -e "$tmp/r.txt" ] || fail "report written after bad usage"
echo OK
