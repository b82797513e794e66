#!/usr/bin/env bash
# wordoku: a word placed on a row, column or block of each board's unique solution.
source "$(dirname "$0")/support/scenario.bash" "$1"

classic="53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79"
two_solutions="..3456789456789123789123456..4365897365897214897214365531642978642978531978531642"
empty=$(printf '.%.0s' $(seq 81))
big=$(printf 'G%.0s' $(seq 256) | tr G .)
printf '%s\n' "$classic" > "$tmp/classic.txt"
printf '%s\n%s\n%s\n%s\n%s\n' "$big" "$two_solutions" "$classic" "$empty" "$classic" > "$tmp/mixed.txt"

# Row 1 of the solution reads 5 3 4 6 7 8 9 1 2: the copy holds the word's letters in value order,
# and the board shows each clue as the letter of its value.
run 0 wordoku --word blueprint --location row --number 1 "$tmp/classic.txt"
check "$(cat "$tmp/out")" "1	BLUEPRINT	NTLUBEPRI	$(tr 123456789 NTLUBEPRI <<<"$classic")" "row 1"
check "$(cat "$tmp/err")" "" "row 1 is silent"

# Block 2 reads columns 4-6 of rows 1-3, row by row: 6 7 8 1 9 5 3 4 2.
run 0 wordoku --word CAMBRIDGE --location block --number 2 "$tmp/classic.txt"
check "$(cut -f 2,3 "$tmp/out")" "CAMBRIDGE	BEDGICAMR" "block 2"
# Column 9 reads 2 8 7 3 1 6 4 5 9.
run 0 wordoku --word JumpingLy --location column --number 9 - < "$tmp/classic.txt"
check "$(cut -f 2,3 "$tmp/out")" "JUMPINGLY	IJPGLNMUY" "column 9"

# Boards that cannot take a word are reported and skipped; the numbering and the run go on.
run 0 wordoku --word blueprint --location row --number 1 "$tmp/mixed.txt"
check "$(cut -f 1,3 "$tmp/out")" "3	NTLUBEPRI
5	NTLUBEPRI" "mixed boards"
check "$(cat "$tmp/err")" "Wordoku Words Need a 9*9 Board ...
Board Has No Unique Solution ... No Wordoku Letters Assigned ...
Board Has No Unique Solution ... No Wordoku Letters Assigned ..." "mixed boards' messages"

# A word that is not nine different letters A-Z is bad usage.
for word in VOZARAZAR BLUEPRIN BLUEPRINTS BLUEPR1NT "BLUE PRIN" BLUEPRÏNT ""; do
    usage_error "the word must be nine different letters A-Z, not '$word'" \
        wordoku --word "$word" --location row --number 1 "$tmp/classic.txt"
done
usage_error "option --location takes row, column or block, not 'diagonal'" \
    wordoku --word blueprint --location diagonal --number 1 "$tmp/classic.txt"
usage_error "option --number takes a whole number from 1 to 9, not '10'" \
    wordoku --word blueprint --location row --number 10 "$tmp/classic.txt"
usage_error "wordoku needs --word, --location and --number" \
    wordoku --location row --number 1 "$tmp/classic.txt"
run 2 wordoku --word blueprint --location row --number 1 "$tmp/missing.txt"
check "$(cat "$tmp/out")" "" "unreadable input"
