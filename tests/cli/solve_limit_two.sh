# solve --limit 2 on a puzzle with one solution: one exact line, nothing on standard error.
set -u
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
puzzle='53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79'
solution='534678912672195348198342567859761423426853791713924856961537284287419635345286179'
printf '%s\n' "$puzzle" > "$work/in.txt"
"$cli" solve --method brute --limit 2 "$work/in.txt" > "$work/out" 2> "$work/err"
status=$?
printf '1\tSolutionFound\t1\t-\t-\t%s\n' "$solution" > "$work/expected"
[ "$status" -eq 0 ] || { echo "exit status $status, expected 0"; exit 1; }
diff "$work/expected" "$work/out" || exit 1
[ ! -s "$work/err" ] || { echo "unexpected standard error:"; cat "$work/err"; exit 1; }
