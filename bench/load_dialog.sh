#!/usr/bin/env bash
# Median time to open the load dialog on a "BoardData.sbd" of 10,000 boards to its painted list
# (ms), as the user sees it (with the dialog's 100 ms wait before reading) and without the wait,
# over RUNS runs each. Usage: bench/load_dialog.sh build/release/bench/raruduz_load_dialog_bench [RUNS]
# Runs offscreen unless QT_QPA_PLATFORM is set; the file and settings go to a temporary folder.
set -euo pipefail
bench="$1"
runs="${2:-21}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
RARUDUZ_HOME="$(mktemp -d)"
export RARUDUZ_HOME
trap 'rm -rf "$RARUDUZ_HOME"' EXIT
"$bench" >/dev/null 2>&1  # makes the file
median() {
    sort -n | awk '{ v[NR] = $1 } END { printf "median %.1f ms  min %.1f ms  max %.1f ms", v[int((NR + 1) / 2)], v[1], v[NR] }'
}
echo "as opened:   runs $runs  $(for _ in $(seq "$runs"); do "$bench" 2>/dev/null; done | median)"
echo "filled now:  runs $runs  $(for _ in $(seq "$runs"); do "$bench" --direct 2>/dev/null; done | median)"
