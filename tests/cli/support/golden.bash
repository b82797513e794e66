# The recorded outputs of raruduz-cli that a change which means to keep behaviour must keep:
# every command over a board file, and generation with fixed seeds. Source it after
# scenario.bash, with the mode as $2:
#   literal DIR   compare each case's output with DIR/CASE.out
#   digest FILE   compare the SHA-256 of each case's output with the line "DIGEST  CASE" of FILE
# and prefix "capture-" (capture-literal, capture-digest) to record them instead, from the
# raruduz-cli given as $1 (record only from a build whose behaviour is the reference).
# A case's output is its standard output, then a separator line with the exit status, then its
# standard error; the temporary folder reads TMP, solving times read T and generation times are
# left out.

golden_mode=$2
golden_store=$3
golden_failures=0
golden_cases=0
declare -A golden_names
case $golden_mode in
capture-literal) mkdir -p "$golden_store" ;;
capture-digest) : >"$golden_store" ;;
literal | digest) [ -e "$golden_store" ] || fail "no recorded outputs at $golden_store" ;;
*) fail "unknown mode '$golden_mode'" ;;
esac

# run_cli ARGS...: raruduz-cli's output as described above.
run_cli() {
    local status=0
    "$cli" "$@" >"$tmp/golden.out" 2>"$tmp/golden.err" || status=$?
    cat "$tmp/golden.out"
    echo "--- exit $status, standard error:"
    cat "$tmp/golden.err"
}

# golden NAME COMMAND...: runs COMMAND (run_cli or a function below) as the case NAME.
golden() {
    local name=$1
    shift
    [ -z "${golden_names[$name]:-}" ] || fail "two cases named $name"
    golden_names[$name]=1
    golden_cases=$((golden_cases + 1))
    case $golden_mode in
    capture-literal) "$@" >"$golden_store/$name.out" ;;
    capture-digest)
        "$@" | sha256sum | sed "s/ .*/  $name/" >>"$golden_store"
        ;;
    literal)
        "$@" >"$tmp/golden.actual"
        if ! cmp -s "$tmp/golden.actual" "$golden_store/$name.out"; then
            echo "DIFFERS: $name" >&2
            diff "$golden_store/$name.out" "$tmp/golden.actual" | head -n 20 >&2 || true
            golden_failures=$((golden_failures + 1))
        fi
        ;;
    digest)
        local actual expected
        actual=$("$@" | sha256sum | cut -d' ' -f1)
        expected=$(awk -v n="$name" '$2 == n { print $1 }' "$golden_store")
        if [ "$actual" != "$expected" ]; then
            echo "DIFFERS: $name (digest $actual, recorded ${expected:-nothing})" >&2
            golden_failures=$((golden_failures + 1))
        fi
        ;;
    esac
}

# The batch report, with its printed path and its times made comparable.
batch_report() {
    run_cli batch --out "$tmp/report.txt" "$1" | sed "s|$tmp|TMP|g"
    sed -E 's/(Solving Time: )[0-9]+/\1T/' "$tmp/report.txt"
    rm -f "$tmp/report.txt"
}

# A fresh puzzle data file: the boards added, one of them overwritten, listed, shown, and the
# file's own digest.
library_session() {
    local lib="$tmp/library/BoardData.sbd"
    rm -rf "$tmp/library"
    mkdir "$tmp/library"
    head -n 1 "$1" >"$tmp/library/first.txt"
    {
        run_cli library --file "$lib" add --name "Set" --description "Every board" --level 3 "$1"
        run_cli library --file "$lib" add --name "First" "$tmp/library/first.txt"
        run_cli library --file "$lib" add --name "First" --description "Again" --level 6 "$1"
        run_cli library --file "$lib" add --name "Set #1" --level 1 "$tmp/library/first.txt"
        run_cli library --file "$lib" list
        run_cli library --file "$lib" show "Set #1"
        run_cli library --file "$lib" show "First #2"
        run_cli library --file "$lib" show "Missing"
        sha256sum <"$lib"
    } | sed "s|$tmp|TMP|g"
}

# Generation prints how long each board took: everything else is reproducible.
generated() {
    run_cli generate "$@" | sed -E 's/\t[0-9]+$//'
}

# golden_board_commands PREFIX FILE: every command that reads boards, over FILE.
golden_board_commands() {
    local prefix=$1 file=$2
    for limit in 1 2 50; do
        golden "$prefix.solve-brute-$limit" run_cli solve --limit "$limit" "$file"
    done
    for method in human progressive; do
        golden "$prefix.solve-$method" run_cli solve --method "$method" "$file"
        golden "$prefix.solve-$method-guess" run_cli solve --method "$method" --with-guess "$file"
    done
    golden "$prefix.solutions" run_cli solutions "$file"
    golden "$prefix.rate" run_cli rate "$file"
    golden "$prefix.steps-guess" run_cli steps --with-guess "$file"
    golden "$prefix.check-guess" run_cli check --with-guess "$file"
    golden "$prefix.log" run_cli log "$file"
    for layout in 0 1 2 3; do
        for content in clues all; do
            golden "$prefix.export-$layout-$content" run_cli export --layout "$layout" \
                --content "$content" "$file"
        done
    done
    golden "$prefix.batch" batch_report "$file"
    golden "$prefix.library" library_session "$file"
}

# Ends the scenario: how many cases ran, and whether they all matched.
golden_finish() {
    [ "$golden_failures" -eq 0 ] || fail "$golden_failures of $golden_cases cases differ"
    echo "OK: $golden_cases cases"
}
