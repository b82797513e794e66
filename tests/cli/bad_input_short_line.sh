# A line of 80 symbols is not a board: a message on standard error, nothing on standard output,
# exit status 2, even when a good board comes first.
set -u
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
good='53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79'
printf '%s\n%s\n' "$good" "${good:0:80}" > "$work/in.txt"
"$cli" solve "$work/in.txt" > "$work/out" 2> "$work/err"
status=$?
printf '%s\n' "raruduz-cli: line 2 is not a board: a board is one line of exactly 81 or 256 symbols ('.', '0', '1'-'9', 'A'-'G')" > "$work/expected"
[ "$status" -eq 2 ] || { echo "exit status $status, expected 2"; exit 1; }
diff "$work/expected" "$work/err" || exit 1
[ ! -s "$work/out" ] || { echo "unexpected standard output:"; cat "$work/out"; exit 1; }
