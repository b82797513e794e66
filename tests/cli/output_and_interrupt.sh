#!/usr/bin/env bash
# Standard output: a failed write is reported with status 2, a closed pipe ends the run quietly,
# every line is out as soon as it is written. Ctrl-C stops a running exhaustive solve and the run
# goes on; elsewhere, and at the second Ctrl-C, it ends the run with status 130.
source "$(dirname "$0")/support/scenario.bash" "$1"

classic=53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79
empty=$(printf '.%.0s' {1..81})
printf '%s\n' "$classic" >"$tmp/one.txt"
# repeat COUNT BOARD: the board on COUNT lines.
repeat() { awk -v n="$1" -v board="$2" 'BEGIN { for (i = 0; i < n; ++i) print board }'; }
repeat 5000 "$classic" >"$tmp/many.txt"

full="raruduz-cli: unable to write to standard output: No space left on device"
run 0 library --file "$tmp/lib.sbd" add --name A "$tmp/one.txt"
for command in "solve $tmp/one.txt" "export --layout 1 $tmp/one.txt" "generate --level 1 --seed 1" \
    "library --file $tmp/lib.sbd list"; do
    # shellcheck disable=SC2086
    "$cli" $command >/dev/full 2>"$tmp/err" && fail "$command: a full disk went unnoticed"
    check "$? $(cat "$tmp/err")" "2 $full" "$command to a full disk"
done

# A reader that goes away ends the run as it ends other tools, also with SIGPIPE ignored.
for ignored in no yes; do
    (
        [ $ignored == no ] || trap '' PIPE
        {
            status=0
            "$cli" solve "$tmp/many.txt" 2>"$tmp/err" || status=$?
            echo $status >"$tmp/status"
        } | head -n 1 >"$tmp/out"
    )
    check "$(cat "$tmp/status") $(cat "$tmp/err")" "141 " "closed pipe, SIGPIPE ignored: $ignored"
    check "$(cut -f1-2 "$tmp/out")" $'1\tSolutionFound' "line before the pipe closed"
done

# Background runs take Ctrl-C only with job control.
set -m
# start ARGS...: raruduz-cli in the background, output in $tmp/out; its process id in $pid.
start() {
    "$cli" "$@" >"$tmp/out" 2>"$tmp/err" &
    pid=$!
}
# wait_for PATTERN COUNT: until COUNT lines of the output match, which they only do when lines are
# written out as they are made.
wait_for() {
    local tries=0
    until [ "$(grep -c -- "$1" "$tmp/out" || true)" -ge "$2" ]; do
        kill -0 "$pid" 2>/dev/null || fail "the run ended before $2 lines matched '$1'"
        ((++tries < 3000)) || fail "no $2 lines matching '$1' in the output"
        sleep 0.01
    done
}
finish() {
    local status=0
    wait "$pid" || status=$?
    check "$status" "$1" "status after Ctrl-C"
}

# One Ctrl-C: the solve it meets is stopped, every other board is solved.
{
    printf '%s\n' "$classic" "$classic" "$classic"
    repeat 6000 "$empty"
} >"$tmp/slow.txt"
start solve --limit 50 "$tmp/slow.txt"
wait_for $'\tSolutionFound\t' 3
kill -INT "$pid"
finish 0
check "$(cut -f1 "$tmp/out" | tr '\n' ' ')" "$(seq 1 6003 | tr '\n' ' ')" "every board reported"
# The stopped solve says SolvingAborted, or SolutionFound with fewer than 50 once the stop came
# after its first solution; the others count to 50.
check "$(sed 1,3d "$tmp/out" | cut -f2,3 | grep -cvx $'SolutionFound\t50' || true)" 1 "one solve stopped"
check "$(cat "$tmp/err")" "" "no message"

# The second Ctrl-C ends the run; what was printed stays, in whole lines. (Ctrl-Cs that come
# before the run gets to take them count as one, hence one until it ends.)
start solutions --limit 50 "$tmp/slow.txt"
wait_for . 1
while kill -INT "$pid" 2>/dev/null; do sleep 0.05; done
finish 130
[ -s "$tmp/out" ] || fail "nothing kept"
check "$(grep -cv $'^[0-9]*\t[0-9]*\t[1-9]\\{81\\}$' "$tmp/out" || true)" 0 "whole lines"

# Without an exhaustive solve, the first Ctrl-C ends the run.
repeat 3000 "$(sed -n 1p "$(dirname "$0")/../data/golden/thinned16.txt")" >"$tmp/16.txt"
start rate "$tmp/16.txt"
wait_for . 1
kill -INT "$pid"
finish 130
check "$(cut -f2- "$tmp/out" | sort -u)" $'Unsolved\t866\tUnknown' "whole lines of rate"
echo OK
