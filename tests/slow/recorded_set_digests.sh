#!/usr/bin/env bash
# Every command's output over the public puzzle sets and 16 x 16 boards, and generation with
# fixed seeds, compared with the SHA-256 digests recorded. A few minutes; skipped (77) without
# the sets. To record again from a reference build:
#   RARUDUZ_SHARED_DATA=FOLDER bash tests/slow/recorded_set_digests.sh PATH/raruduz-cli capture-digest
source "$(dirname "$0")/../cli/support/scenario.bash" "$1"
data="$(cd "$(dirname "$0")/../data/golden" && pwd)"
sets=${RARUDUZ_SHARED_DATA:-}
if [ ! -f "$sets/magictour_top1465.txt" ]; then
    echo "SKIP: no puzzle sets in '$sets'"
    exit 77
fi
source "$(dirname "$0")/../cli/support/golden.bash" "$1" "${2:-digest}" "$data/sets.sha256"

golden_board_commands boards16 "$data/boards16.txt"
golden_board_commands thinned16 "$data/thinned16.txt"
for set in top95 forum_hardest_1106_375 magictour_top1465; do
    golden_board_commands "$set" "$sets/$set.txt"
done
golden serg.solve-brute-50 run_cli solve --limit 50 "$sets/serg_benchmark_10000.txt"
golden serg.solutions run_cli solutions "$sets/serg_benchmark_10000.txt"
golden royle.solve-brute-1 run_cli solve --limit 1 "$sets/17clue_royle_49151.txt"
golden royle.rate run_cli rate "$sets/17clue_royle_49151.txt"
golden royle.export-3-all run_cli export --layout 3 --content all "$sets/17clue_royle_49151.txt"
golden diabolical.solve-brute-2 run_cli solve --limit 2 "$sets/se_rated_diabolical_39719.txt"
golden diabolical.rate run_cli rate "$sets/se_rated_diabolical_39719.txt"
golden hardest.solve-brute-2 run_cli solve --limit 2 "$sets/forum_hardest_1905_11plus_48766.txt"
golden hardest.rate run_cli rate "$sets/forum_hardest_1905_11plus_48766.txt"
# Spread over worker threads or not, the same output: the default is one thread per core.
golden diabolical.rate-one-job run_cli rate --jobs 1 "$sets/se_rated_diabolical_39719.txt"
golden hardest.rate-three-jobs run_cli rate --jobs 3 "$sets/forum_hardest_1905_11plus_48766.txt"
golden top95.steps-guess-three-jobs run_cli steps --with-guess --jobs 3 "$sets/top95.txt"
golden boards16.check-guess-one-job run_cli check --with-guess --jobs 1 "$data/boards16.txt"
for level in 0 1 2 3 4 5 6; do
    for style in 0 1; do
        golden "generate-$level-$style" generated --level "$level" --style "$style" --count 3 \
            --seed "$((100 + 10 * level + style))"
    done
done
golden generate-16-0 generated --size 16 --level 0 --count 5 --seed 160
for technique in 1 4 7 10 13 16 19 22 25 28 31 34 36; do
    golden "special-$technique" run_cli special --technique "$technique" --count 2 \
        --attempts 100 --seed "$technique"
done
golden special-size16 run_cli special --size 16 --technique 2 --count 3 --attempts 20 --seed 16
golden_finish
