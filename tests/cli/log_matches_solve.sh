#!/usr/bin/env bash
# log and solve --method human tell the same story: the summary's weighted counts give the score
# that solve prints, and the step log lists every step up to its 256 entries.
source "$(dirname "$0")/support/scenario.bash" "$1"
grep -v '^#' "$(dirname "$0")/../data/unique_sample.txt" > "$tmp/sample.txt"

"$cli" solve --method human "$tmp/sample.txt" > "$tmp/solve.out"
"$cli" log "$tmp/sample.txt" > "$tmp/log.out"

# Every line of the log sections ends in CR LF, as in SolveLog.txt.
check "$(grep -v '^# board ' "$tmp/log.out" | grep -c -v $'\r$' || true)" 0 "log lines without CR LF"

awk -F'\t' '
BEGIN {
    split("Single in a Box|1|Single in a Row|1|Single in a Column|1|Hidden Single in a Box|3|" \
          "Hidden Single in a Row|3|Hidden Single in a Column|3|" \
          "Naked Single in a Box, a Row or a Column|1|Pointing Pair Reduction in a Row|6|" \
          "Pointing Pair Reduction in a Column|6|Box Line Reduction in a Row|6|" \
          "Box Line Reduction in a Col|6|Naked Pair in a Box|4|Naked Pair in a Row|4|" \
          "Naked Pair in a Column|4|Hidden Pair in a Box|5|Hidden Pair in a Row|5|" \
          "Hidden Pair in a Column|5|Naked Triple in a Box|6|Naked Triple in a Row|6|" \
          "Naked Triple in a Column|6|Hidden Triple in a Box|7|Hidden Triple in a Row|7|" \
          "Hidden Triple in a Column|7|Naked Quad in a Box|8|Naked Quad in a Row|8|" \
          "Naked Quad in a Column|8|Unique Rectangle Type I|10|Unique Rectangle Type II|10|" \
          "Single Colours Type I|24|Single Colours Type II|24|X-Wings|12|Y-Wings|12|" \
          "Forced Chains|16|Brute Force Guess|16", table, "|")
    for (i = 1; i < length(table); i += 2) weight[table[i]] = table[i + 1]
}
FILENAME == ARGV[1] { clues[FNR] = gsub(/[1-9]/, "&", $0); next }
FILENAME == ARGV[2] {
    sub(/\r$/, "")
    if ($0 ~ /^# board /) { board = substr($0, 9) + 0; section = ""; next }
    if ($0 == "Techniques Summary") { section = "summary"; next }
    if ($0 == "Board Solving Log") { section = "log"; next }
    if (section == "summary" && $0 ~ /^[0-9][0-9] /) {
        name = substr($0, 4, 42); sub(/ +$/, "", name)
        if (!(name in weight)) { print "FAIL: unknown technique " name; bad = 1 }
        count = substr($0, 47) + 0
        sum[board] += weight[name] * count; steps[board] += count
    }
    if (section == "log" && $0 ~ /^[0-9][0-9][0-9] /) logged[board]++
    next
}
{
    split($0, f, "\t"); board = f[1]; cells = f[6]
    filled = gsub(/[1-9A-G]/, "&", cells) - clues[board]
    want = filled > 0 ? int(sum[board] * 100 / filled) : 0
    if (f[4] != want) { print "FAIL: board " board " score " f[4] " but the log gives " want; bad = 1 }
    entries = steps[board] < 256 ? steps[board] : 256
    if (logged[board] + 0 != entries) { print "FAIL: board " board " logs " logged[board] + 0 " of " steps[board]; bad = 1 }
    if ((f[2] == "Solved") != (index(cells, ".") == 0)) { print "FAIL: board " board " status " f[2]; bad = 1 }
    checked++
}
END {
    if (checked == 0) { print "FAIL: no board checked"; bad = 1 }
    exit bad
}' "$tmp/sample.txt" "$tmp/log.out" "$tmp/solve.out"
echo OK
