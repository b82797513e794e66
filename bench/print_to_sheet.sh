#!/usr/bin/env bash
# Times `raruduz --print-to` of the 1,465 boards of magictour_top1465.txt at 6 a page, with and
# without solutions, and prints the median of 5 runs by wall-clock and by user CPU time (the
# latter is the fairer figure on a shared machine), with the PDF's size. Goal: under 10 s.
# Usage: bench/print_to_sheet.sh PATH/TO/raruduz [DATA_FOLDER]
set -eu
program="$1"
data="${2:-$(dirname "$0")/../../shared/data}"
file="$data/magictour_top1465.txt"
runs=5
if [ ! -f "$file" ]; then
    echo "magictour_top1465: missing, skipped"
    exit 0
fi
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
median() { printf '%s\n' "$@" | sort -g | sed -n "$(((runs + 1) / 2))p"; }
for options in "" "--solutions"; do
    walls=() users=()
    for _ in $(seq $runs); do
        times=$( { /usr/bin/time -f '%e %U' "$program" --print-to "$out/sheet.pdf" --per-page 6 \
            $options "$file" >/dev/null; } 2>&1)
        walls+=("${times% *}")
        users+=("${times#* }")
    done
    pages=$(grep -aoE '/Type ?/Page([^s]|$)' "$out/sheet.pdf" | wc -l)
    bytes=$(stat -c %s "$out/sheet.pdf")
    echo "--per-page 6 ${options:-(boards only)}: $pages pages, $bytes bytes," \
        "median $(median "${walls[@]}") s wall, $(median "${users[@]}") s user"
done
