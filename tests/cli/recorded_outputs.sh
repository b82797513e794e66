#!/usr/bin/env bash
# Every command's output over a small sample of boards, and generation with fixed seeds, byte for
# byte as recorded. To record again from a reference build:
#   bash tests/cli/recorded_outputs.sh PATH/raruduz-cli capture-literal
source "$(dirname "$0")/support/scenario.bash" "$1"
data="$(cd "$(dirname "$0")/../data/golden" && pwd)"
source "$(dirname "$0")/support/golden.bash" "$1" "${2:-literal}" "$data/sample"

golden_board_commands sample "$data/sample.txt"
golden generate-easy generated --level 2 --count 2 --seed 7
golden generate-symmetric-hard generated --level 5 --style 1 --count 1 --seed 8
golden generate-16 generated --size 16 --level 1 --style 1 --seed 5
golden special-box-singles run_cli special --technique 1 --count 2 --seed 9
golden special-pairs run_cli special --technique 12 --count 1 --attempts 300 --min-level 3 --seed 4
golden special-size16 run_cli special --size 16 --technique 1 --count 1 --attempts 20 --seed 9
golden_finish
