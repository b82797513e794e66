# --help, alone or after a command, prints usage on standard output and exits 0.
set -u
cli="$1"
out=$("$cli" --help) || { echo "--help: non-zero exit status"; exit 1; }
printf '%s\n' "$out" | head -1 | grep -qxF 'Usage: raruduz-cli COMMAND [OPTIONS] [FILE ...]' ||
    { echo "--help: unexpected first line"; printf '%s\n' "$out"; exit 1; }
printf '%s\n' "$out" | grep -qF '  solutions [--limit 50] [FILE ...]' ||
    { echo "--help: solutions not listed"; exit 1; }
out=$("$cli" solve --help) || { echo "solve --help: non-zero exit status"; exit 1; }
[ "$out" = 'Usage: raruduz-cli solve [--method brute|human|progressive] [--limit 1|2|50] [--with-guess] [FILE ...]' ] ||
    { echo "solve --help: unexpected text: $out"; exit 1; }
