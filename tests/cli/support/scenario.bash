# Shared by the raruduz-cli scenarios: source it with the path of raruduz-cli as $1.
# Sets $cli and a temporary folder $tmp (removed on exit), and the helpers below.
set -euo pipefail
cli=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
check() { [ "$1" == "$2" ] || fail "$3: expected [$2], got [$1]"; }
# run EXPECTED_STATUS ARGS...: runs raruduz-cli with output in $tmp/out and $tmp/err.
run() {
    local expected=$1
    shift
    local status=0
    "$cli" "$@" >"$tmp/out" 2>"$tmp/err" || status=$?
    check "$status" "$expected" "status of $*"
}
# usage_error MESSAGE ARGS...: raruduz-cli ARGS is bad usage: status 2, nothing on standard
# output, "raruduz-cli: MESSAGE" and the hint to --help on standard error.
usage_error() {
    local message=$1
    shift
    run 2 "$@"
    check "$(cat "$tmp/err")" "raruduz-cli: $message
Try 'raruduz-cli --help'." "message of $*"
    check "$(cat "$tmp/out")" "" "output of $*"
}
