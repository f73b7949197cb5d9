#!/usr/bin/env bash
# Every example of the README and of docs/*.md prints what it shows. In their ```sh blocks
# a line "$ COMMAND" is an example and the lines after it, up to the next "$ " line or the
# end of the block, are what it prints, both streams in the order a terminal shows them; a
# ```json NAME block is a file the examples use. The examples run one after the other in
# one shell, in an empty folder with an empty home (/home/me) and no locale, as a newcomer
# would type them. Dates, times and pseudo-terminal numbers are masked on both sides.
# usage: readme_examples.sh README.md BIN_DIR...
set -uo pipefail
readme=$1
shift
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/run" "$work/out"

# The examples and what each one shows: $work/out/N.cmd and N.expected.
awk -v out="$work/out" -v run="$work/run" '
    /^```json [^ ]+$/ { file = run "/" $2; printf "" > file; next }
    /^```sh[[:space:]]*$/ { inblock = 1; current = 0; next }
    /^```/ { inblock = 0; file = ""; next }
    file != "" { print >> file; next }
    !inblock { next }
    /^\$ / { current = ++n; sub(/^\$ /, ""); print > (out "/" n ".cmd"); printf "" > (out "/" n ".expected"); next }
    current { print >> (out "/" current ".expected") }
' "$readme" "$(dirname "$readme")"/docs/*.md
count=$(find "$work/out" -name '*.cmd' | wc -l)
[ "$count" -gt 0 ] || { echo "FAIL: no examples found in $readme"; exit 1; }

# One shell session, each example's outputs kept apart.
session="$work/session.sh"
echo 'cd "$RUN"' >"$session"
for i in $(seq 1 "$count"); do
    printf '{\n%s\n} >"$OUT/%d.printed" 2>&1 </dev/null\n' "$(cat "$work/out/$i.cmd")" "$i" >>"$session"
done
path=$(IFS=:; echo "$*")
env -u LANG -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u XDG_DATA_HOME -u XDG_CONFIG_HOME \
    HOME="$work/home" RUN="$work/run" OUT="$work/out" PATH="$path:$PATH" \
    timeout 300 bash "$session" || true

mask() {
    sed -E -e "s#$work/home#/home/me#g" -e "s#$work/run#.#g" \
        -e 's/[0-9]{4}-[0-9]{2}-[0-9]{2}/DATE/g' \
        -e 's/[0-9]{2}[-:][0-9]{2}[-:][0-9]{2}/TIME/g' \
        -e 's#/dev/pts/[0-9]+#/dev/pts/N#g' -e 's/[[:space:]]+$//'
}
failures=0
for i in $(seq 1 "$count"); do
    mask <"$work/out/$i.printed" >"$work/out/$i.actual"
    mask <"$work/out/$i.expected" >"$work/out/$i.wanted"
    if ! diff -u --label "documented" --label "printed" "$work/out/$i.wanted" "$work/out/$i.actual" >"$work/out/$i.diff"; then
        echo "FAIL: \$ $(cat "$work/out/$i.cmd")"
        cat "$work/out/$i.diff"
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] || { echo "$failures of $count documented example(s) print something else"; exit 1; }
echo "all $count documented examples print what the documents show"
