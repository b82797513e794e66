# solutions on a board with two solutions: both, in reading order, numbered from 1.
set -u
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
board='..3456789456789123789123456..4365897365897214897214365531642978642978531978531642'
printf '%s\n' "$board" | "$cli" solutions > "$work/out" 2> "$work/err"
status=$?
{
    printf '1\t1\t%s\n' '123456789456789123789123456214365897365897214897214365531642978642978531978531642'
    printf '1\t2\t%s\n' '213456789456789123789123456124365897365897214897214365531642978642978531978531642'
} > "$work/expected"
[ "$status" -eq 0 ] || { echo "exit status $status, expected 0"; exit 1; }
diff "$work/expected" "$work/out" || exit 1
[ ! -s "$work/err" ] || { echo "unexpected standard error:"; cat "$work/err"; exit 1; }
