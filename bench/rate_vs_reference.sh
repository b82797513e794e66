#!/usr/bin/env bash
# Times `raruduz-cli rate` over whole puzzle sets, with one worker thread and with the default
# (one per core), against a reference rater in the same run: the median of RUNS runs, wall-clock
# and user CPU seconds (the fairer figure on a shared machine), and the reference's time divided
# by ours.
# Usage: bench/rate_vs_reference.sh PATH/TO/raruduz-cli [DATA_FOLDER] [RUNS]
# The reference is `qqwing --solve --stats --one-line` (Debian's qqwing package).
set -eu
cli="$1"
data="${2:-$(dirname "$0")/../../shared/data}"
runs="${3:-3}"
command -v qqwing >/dev/null || { echo "qqwing is not installed"; exit 1; }
median() { printf '%s\n' "$@" | sort -g | sed -n "$(((runs + 1) / 2))p"; }
# measure NAME COMMAND...: prints "NAME wall user" with the medians; input from $file.
measure() {
    local name=$1 walls=() users=()
    shift
    for _ in $(seq "$runs"); do
        times=$( { /usr/bin/time -f '%e %U' "$@" <"$file" >/dev/null; } 2>&1 | tail -n 1)
        walls+=("${times% *}")
        users+=("${times#* }")
    done
    echo "$name $(median "${walls[@]}") $(median "${users[@]}")"
}
for set in se_rated_diabolical_39719 magictour_top1465; do
    file="$data/$set.txt"
    [ -f "$file" ] || { echo "$set: missing, skipped"; continue; }
    {
        measure reference qqwing --solve --stats --one-line
        measure jobs-1 "$cli" rate --jobs 1
        measure jobs-default "$cli" rate
    } | awk -v s="$set" '
        { wall[$1] = $2; user[$1] = $3; order[NR] = $1 }
        END {
            for (i = 1; i <= NR; ++i) {
                n = order[i]
                printf "%s %-12s wall %7.2f s user %7.2f s", s, n, wall[n], user[n]
                if (n != "reference")
                    printf "  ratio wall %.2fx user %.2fx", wall["reference"] / wall[n],
                           user["reference"] / user[n]
                printf "\n"
            }
        }'
done
