#!/usr/bin/env bash
# Puzzle sheets from the desktop program's command line, with no display and no settings touched,
# and their bad usage.
source "$(dirname "$0")/../cli/support/scenario.bash" "$1"

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" \
    RARUDUZ_HOME="$tmp/program"
boards="$RARUDUZ_TEST_DATA/sheet_boards.txt"  # 13 boards
mkdir "$tmp/out.d"

# Page objects, not the page tree.
pages() { grep -aoE '/Type ?/Page([^s]|$)' "$1" | wc -l; }
written() { check "$(cat "$tmp/out")$(cat "$tmp/err")" "" "nothing printed by $*"; }

run 0 --print-to "$tmp/out.d/four.pdf" --per-page 4 "$boards"
written four
check "$(pages "$tmp/out.d/four.pdf")" 4 "13 boards at 4 a page"
run 0 --print-to="$tmp/out.d/solutions.pdf" --per-page=4 --solutions "$boards"
check "$(pages "$tmp/out.d/solutions.pdf")" 6 "and 2 pages of solutions"
run 0 --print-to "$tmp/out.d/one.pdf" "$boards"
check "$(pages "$tmp/out.d/one.pdf")" 13 "one a page by default"
run 0 --print-to "$tmp/out.d/six.png" --per-page 6 "$boards"
written png
check "$(head -c 8 "$tmp/out.d/six.png" | od -An -tx1 | tr -d ' \n')" 89504e470d0a1a0a "PNG signature"
check "$(od -An -tx1 -j16 -N8 "$tmp/out.d/six.png" | tr -d ' \n')" 000004d8000006da \
    "A4 at 150 dpi: 1240 x 1754"
check "$(ls -A "$tmp" | tr '\n' ' ')" "err out out.d " "no settings, program folder or home"
check "$(ls -A "$tmp/out.d" | tr '\n' ' ')" "four.pdf one.pdf six.png solutions.pdf " \
    "no temporary file left"

# Bad usage: a message, status 2, and no file.
usage() {
    local message=$1
    shift
    run 2 "$@"
    check "$(cat "$tmp/err")" "raruduz: $message
Try 'raruduz --help'." "message of $*"
    check "$(cat "$tmp/out")" "" "output of $*"
}
usage "--per-page takes 1, 2, 4 or 6, not '0'" --print-to "$tmp/bad.pdf" --per-page 0 "$boards"
usage "--per-page takes 1, 2, 4 or 6, not '1000'" --print-to "$tmp/bad.pdf" --per-page 1000 "$boards"

run 2 --print-to "$tmp/missing/bad.pdf" "$boards"
check "$(cat "$tmp/err")" "Unable to Write File $tmp/missing/bad.pdf ... File Not Found" "no folder"
run 2 --print-to /proc/raruduz-sheet.pdf "$boards"
case "$(cat "$tmp/err")" in "Unable to Write File /proc/raruduz-sheet.pdf ... "*) ;;
    *) fail "unwritable folder: $(cat "$tmp/err")" ;; esac
if [ "$(id -u)" != 0 ]; then  # root writes anywhere
    mkdir "$tmp/locked" && chmod 555 "$tmp/locked"
    run 2 --print-to "$tmp/locked/bad.pdf" "$boards"
    check "$(cat "$tmp/err")" "Unable to Write File $tmp/locked/bad.pdf ... Access Denied" "locked"
fi

printf '# no board here\n123456789\n' > "$tmp/empty.txt"
run 2 --print-to "$tmp/bad.pdf" "$tmp/empty.txt"
check "$(cat "$tmp/err")" "raruduz: no board found in $tmp/empty.txt" "no board"
run 2 --print-to "$tmp/bad.pdf" "$tmp/absent.txt"
check "$(cat "$tmp/err")" "Unable to Open File ... File Not Found
Unable to Read Sudoku File $tmp/absent.txt... 
raruduz: no board found in $tmp/absent.txt" "unreadable FILE"
[ ! -e "$tmp/bad.pdf" ] || fail "a failed run left a file"

# A failed run keeps the file it would have replaced.
printf 'old' > "$tmp/out.d/keep.pdf"
run 2 --print-to "$tmp/out.d/keep.pdf" "$tmp/empty.txt"
check "$(cat "$tmp/out.d/keep.pdf")" old "old file kept"

run 0 --help
check "$(head -n 1 "$tmp/out")" "Usage: raruduz [FILE]" "help"
