#!/usr/bin/env bash
# Median start-up time of the desktop window (ms, start of main to first paint, no welcome
# window) over RUNS runs. Usage: bench/window_startup.sh build/release/bench/raruduz_startup_bench [RUNS]
# Runs offscreen unless QT_QPA_PLATFORM is set; settings and data go to a temporary folder.
set -euo pipefail
bench="$1"
runs="${2:-21}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
RARUDUZ_HOME="$(mktemp -d)"
export RARUDUZ_HOME
trap 'rm -rf "$RARUDUZ_HOME"' EXIT
for _ in $(seq "$runs"); do "$bench" 2>/dev/null; done | sort -n | awk '{ v[NR] = $1 }
    END { printf "runs %d  median %.1f ms  min %.1f ms  max %.1f ms\n", NR, v[int((NR + 1) / 2)], v[1], v[NR] }'
