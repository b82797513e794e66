#!/usr/bin/env bash
# Two programs adding to one library at the same time: every board arrives.
source "$(dirname "$0")/support/scenario.bash" "$1"

lib="$tmp/BoardData.sbd"
printf '%s\n' "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79" \
    > "$tmp/one.txt"
writer() {
    for k in $(seq 1 50); do
        "$cli" library --file "$lib" add --name "$1 $k" "$tmp/one.txt" 2>>"$tmp/err.$1" || return 1
    done
}
writer A &
a=$!
writer B &
b=$!
wait "$a" || fail "writer A failed: $(cat "$tmp/err.A")"
wait "$b" || fail "writer B failed: $(cat "$tmp/err.B")"

run 0 library --file "$lib" list
check "$(cut -f 2 "$tmp/out" | sort)" "$( (seq -f 'A %g' 1 50; seq -f 'B %g' 1 50) | sort)" "all 100 boards"
check "$(ls "$tmp")" "$(printf '%s\n' BoardData.sbd BoardData.sbd.lock err err.A err.B one.txt out)" "no temporary left"
echo OK
