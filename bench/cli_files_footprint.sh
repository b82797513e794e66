#!/usr/bin/env bash
# Time and peak memory of the file commands over the largest public set: `library add` into a new
# library and again over it (every name found and replaced), `library list`, and `batch`. Prints
# the median of 3 runs of each as wall seconds and peak resident megabytes.
# Usage: bench/cli_files_footprint.sh PATH/TO/raruduz-cli [DATA_FOLDER]
set -euo pipefail
cli="$1"
data="${2:-$(dirname "$0")/../../shared/data}"
file="$data/17clue_royle_49151.txt"
if [ ! -f "$file" ]; then
    echo "17clue_royle_49151: missing, skipped"
    exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
runs=3
median() { printf '%s\n' "$@" | sort -g | sed -n "$(((runs + 1) / 2))p"; }
measure() {
    local label=$1 setup=$2
    shift 2
    local walls=() megabytes=()
    for _ in $(seq $runs); do
        eval "$setup"
        local figures
        figures=$( { /usr/bin/time -f '%e %M' "$cli" "$@" >/dev/null; } 2>&1 | tail -n 1)
        walls+=("${figures% *}")
        megabytes+=("$(( ${figures#* } / 1024 ))")
    done
    echo "$label: median $(median "${walls[@]}") s wall, $(median "${megabytes[@]}") MB peak"
}
lib="$work/BoardData.sbd"
measure "library add (new library)" 'rm -f "$lib"' library --file "$lib" add --name R "$file"
measure "library add (same names)" '' library --file "$lib" add --name R "$file"
measure "library list" '' library --file "$lib" list
measure "batch" '' batch --out "$work/report.txt" "$file"
