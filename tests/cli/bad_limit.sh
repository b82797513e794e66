# --limit takes only 1, 2 or 50: 7 (and 70) are bad usage with exit status 2.
set -u
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
board=$(printf '.%.0s' $(seq 81))
for limit in 7 70; do
    printf '%s\n' "$board" | "$cli" solve --limit "$limit" > "$work/out" 2> "$work/err"
    status=$?
    printf '%s\n' "raruduz-cli: option --limit takes 1, 2 or 50, not '$limit'" \
        "Try 'raruduz-cli --help'." > "$work/expected"
    [ "$status" -eq 2 ] || { echo "--limit $limit: exit status $status, expected 2"; exit 1; }
    diff "$work/expected" "$work/err" || exit 1
    [ ! -s "$work/out" ] || { echo "--limit $limit: unexpected standard output"; exit 1; }
done
