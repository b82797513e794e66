# solve without --limit counts to 2: the empty board reports 2 solutions and shows the smallest
# grid; a board without solution keeps its first propagation; boards are numbered across inputs.
set -u
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
empty=$(printf '.%.0s' $(seq 81))
dead="12345678.........9$(printf '.%.0s' $(seq 63))"
printf '# a comment line\n%s\n' "$empty" > "$work/first.txt"
printf '%s\n' "$dead" | "$cli" solve "$work/first.txt" - > "$work/out" 2> "$work/err"
status=$?
{
    printf '1\tSolutionFound\t2\t-\t-\t%s\n' \
        '123456789456789123789123456214365897365897214897214365531642978642978531978531642'
    printf '2\tZeroCellFound\t0\t-\t-\t%s\n' "$dead"
} > "$work/expected"
[ "$status" -eq 0 ] || { echo "exit status $status, expected 0"; exit 1; }
diff "$work/expected" "$work/out" || exit 1
[ ! -s "$work/err" ] || { echo "unexpected standard error:"; cat "$work/err"; exit 1; }
