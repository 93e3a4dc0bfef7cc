#!/usr/bin/env bash
# tachoria-cli where its output cannot go: a full disk and a closed standard
# output are errors (status 1, one line on standard error); a pipe whose
# reader has gone ends the program by SIGPIPE, silently, as it does any
# filter.
#   write-errors.sh [launcher...] tachoria-cli   (e.g. node tachoria-cli.js)
set -uo pipefail
cli=("$@")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# expect_error <what> <redirection...>: status 1 and exactly one line on
# standard error that says what went wrong.
expect_error() {
    local what=$1 reason=$2
    shift 2
    "$@" 2>"$work/err"
    local status=$?
    [ "$status" -eq 1 ] || fail "$what: status $status, not 1"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$what: standard error is not one line: $(cat "$work/err")"
    grep -q "^tachoria-cli: cannot write the output: $reason\$" "$work/err" ||
        fail "$what: standard error says: $(cat "$work/err")"
}

for args in "generic --get rpm" "catalogue --format json" "--help" \
    "compare --a-tire 24 --a-axle 3.27 --a-gears 3.65,2.35,1.44,1 --b-tire 24 --b-axle 3.55 --b-gears 3.65,2.35,1.44,1"; do
    # shellcheck disable=SC2086
    expect_error "$args > /dev/full" "No space left on device" \
        sh -c '"$@" >/dev/full' sh "${cli[@]}" $args
    # shellcheck disable=SC2086
    expect_error "$args >&-" "Bad file descriptor" sh -c '"$@" >&-' sh "${cli[@]}" $args
done

# A pipe whose reader has already ended: the first write raises SIGPIPE.
exec {pipe}> >(exit 0)
wait $!
"${cli[@]}" generic --get rpm >&"$pipe" 2>"$work/err"
status=$?
exec {pipe}>&-
[ "$status" -eq $((128 + 13)) ] || fail "closed pipe: status $status, not 141 (SIGPIPE)"
[ ! -s "$work/err" ] || fail "closed pipe: standard error says: $(cat "$work/err")"

# | head -1: whether or not the reader is gone when the table is written,
# nothing is said, and the reader gets the first line.
first=$("${cli[@]}" generic --get rpm --format tsv 2>"$work/err" | head -1)
[ "$first" = "MPH	RPM" ] || fail "| head -1 gave: $first"
[ ! -s "$work/err" ] || fail "| head -1: standard error says: $(cat "$work/err")"

# Output longer than a pipe holds (64 KiB), to a reader that is slow to
# start: all of it arrives.
blanks=$(printf '%*s' 100000 '')
big=(generic --get rpm --format json --tire "${blanks}24")
"${cli[@]}" "${big[@]}" >"$work/big" || fail "long output to a file: status $?"
size=$(wc -c <"$work/big")
[ "$size" -gt 65536 ] || fail "long output: only $size bytes to a file"
piped=$("${cli[@]}" "${big[@]}" 2>"$work/err" | (sleep 1 && wc -c))
[ "$piped" -eq "$size" ] || fail "long output through a pipe: $piped of $size bytes"
[ ! -s "$work/err" ] || fail "long output through a pipe: standard error says: $(cat "$work/err")"

# A table that is written whole still ends 0, with nothing said.
"${cli[@]}" generic --get rpm >"$work/out" 2>"$work/err" || fail "to a file: status $?"
[ -s "$work/out" ] && [ ! -s "$work/err" ] || fail "to a file: output or error wrong"

[ "$failures" -eq 0 ] && echo "write errors: all cases as expected"
exit $((failures > 0))
