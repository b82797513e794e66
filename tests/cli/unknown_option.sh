# An unknown option is bad usage: exit status 2 and the reason on standard error.
set -u
cli="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%s\n' "$(printf '.%.0s' $(seq 81))" | "$cli" solve --fast > "$work/out" 2> "$work/err"
status=$?
printf '%s\n' "raruduz-cli: unknown option '--fast'" "Try 'raruduz-cli --help'." > "$work/expected"
[ "$status" -eq 2 ] || { echo "exit status $status, expected 2"; exit 1; }
diff "$work/expected" "$work/err" || exit 1
[ ! -s "$work/out" ] || { echo "unexpected standard output:"; cat "$work/out"; exit 1; }
