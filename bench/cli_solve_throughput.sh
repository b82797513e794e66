#!/usr/bin/env bash
# Times `raruduz-cli solve --method brute --limit 2` over the public puzzle sets and prints the
# median of 3 runs per set as puzzles per second, by wall-clock and by user CPU time (the latter
# is the fairer figure on a shared machine).
# Usage: bench/cli_solve_throughput.sh PATH/TO/raruduz-cli [DATA_FOLDER]
set -eu
cli="$1"
data="${2:-$(dirname "$0")/../../shared/data}"
runs=3
for set in 17clue_royle_49151 magictour_top1465 forum_hardest_1106_375; do
    file="$data/$set.txt"
    if [ ! -f "$file" ]; then
        echo "$set: missing, skipped"
        continue
    fi
    puzzles=$(grep -c . "$file")
    walls=() users=()
    for _ in $(seq $runs); do
        times=$( { /usr/bin/time -f '%e %U' "$cli" solve --method brute --limit 2 "$file" >/dev/null; } 2>&1)
        walls+=("${times% *}")
        users+=("${times#* }")
    done
    median() { printf '%s\n' "$@" | sort -g | sed -n "$(((runs + 1) / 2))p"; }
    wall=$(median "${walls[@]}")
    user=$(median "${users[@]}")
    awk -v s="$set" -v n="$puzzles" -v w="$wall" -v u="$user" 'BEGIN {
        printf "%s: %d puzzles, median %.2f s wall (%.0f/s), %.2f s user (%.0f/s)\n",
               s, n, w, n / w, u, (u > 0 ? n / u : 0) }'
done
