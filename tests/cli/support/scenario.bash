# Shared by the raruduz-cli scenarios: source it with the path of raruduz-cli as $1.
# Sets $cli and a temporary folder $tmp (removed on exit), and the helpers below.
set -eu
cli=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
check() { [ "$1" == "$2" ] || fail "$3: expected [$2], got [$1]"; }
# run EXPECTED_STATUS ARGS...: runs raruduz-cli with output in $tmp/out and $tmp/err.
run() {
    local expected=$1
    shift
    set +e
    "$cli" "$@" >"$tmp/out" 2>"$tmp/err"
    local status=$?
    set -e
    check "$status" "$expected" "status of $*"
}
