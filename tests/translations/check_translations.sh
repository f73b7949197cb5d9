#!/usr/bin/env bash
# Every text of the program has its translation: lupdate run over the sources
# into a copy of the .ts file must find nothing new and nothing unfinished.
# usage: check_translations.sh LUPDATE TS_FILE SOURCE_LIST_FILE [LUPDATE_OPTION...]
set -euo pipefail
lupdate=$1 ts=$2 sources=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
"$lupdate" -no-obsolete -locations none "$@" -I "$(dirname "$ts")/../src" @"$sources" -ts "$work/check.ts" >"$work/lupdate.log" 2>&1 || {
    cat "$work/lupdate.log"; exit 1; }
unfinished=$(grep -c 'type="unfinished"' "$work/check.ts" || true)
if [ "$unfinished" -ne 0 ]; then
    echo "FAIL: $unfinished text(s) without a translation in $(basename "$ts"):"
    grep -B2 'type="unfinished"' "$work/check.ts" | grep '<source>' | sed 's/^ */  /'
    exit 1
fi
if ! diff -q "$ts" "$work/check.ts" >/dev/null; then
    echo "FAIL: the .ts file is not up to date with the sources (run the update_translations target):"
    diff "$ts" "$work/check.ts" | head -20
    exit 1
fi
echo "all $(grep -c '<message>' "$ts") texts translated"
