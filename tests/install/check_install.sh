#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what desktops and packages rely on:
# the three programs and their version, the desktop entry, the AppStream data, the icon,
# and manual pages that name exactly the options each program's --help lists.
# usage: check_install.sh CMAKE BUILD_DIR VERSION APP_ID
set -uo pipefail
cmake=$1 build=$2 version=$3 id=$4

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

"$cmake" --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install" >&2; exit 1; }

# No display at all: --help and --version must not try to open a window.
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/$@"; }
for program in talmero talmero-cli talmero-sim; do
    name=$program
    [ "$program" = talmero ] && name=TALMERO
    out=$(run "$program" --version) || fail "$program --version exited with $?"
    [ "$out" = "$name $version" ] || fail "$program --version printed '$out', not '$name $version'"
done

desktop="$prefix/share/applications/$id.desktop"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop entry $desktop"
grep -qx "Icon=$id" "$desktop" || fail "desktop entry does not name the icon $id"
[ -s "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "icon $id.svg missing"
[ -s "$prefix/share/icons/hicolor/256x256/apps/$id.png" ] || fail "icon $id.png missing"
appstreamcli validate --no-net "$metainfo" || fail "metainfo $metainfo"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"

# Option words as they stand in a text: --name or -x, not the hyphen inside a word.
# Roff writes a hyphen as \- and switches fonts with \fB, \fI, \fR.
options() {
    sed -e 's/\\f[BIRP]//g' -e 's/\\-/-/g' \
        | grep -oE -- '(^|[^[:alnum:]-])--?[[:alpha:]][[:alnum:]-]*' \
        | grep -oE -- '--?[[:alpha:]][[:alnum:]-]*' | sort -u
}
for program in talmero talmero-cli talmero-sim; do
    page="$prefix/share/man/man1/$program.1.gz"
    if ! gzip -t "$page" 2>/dev/null; then
        fail "manual page $page missing or not gzip"
        continue
    fi
    helped=$(run "$program" --help | options)
    described=$(gzip -dc "$page" | options)
    [ -n "$helped" ] || fail "$program --help lists no option"
    missing=$(comm -23 <(echo "$helped") <(echo "$described"))
    [ -z "$missing" ] || fail "$program.1 lacks options of --help:" $missing
    # The window program's page also names Qt's own options, which its --help leaves out.
    if [ "$program" != talmero ]; then
        extra=$(comm -13 <(echo "$helped") <(echo "$described"))
        [ -z "$extra" ] || fail "$program.1 names options --help does not list:" $extra
    fi
done

if [ "$failures" -ne 0 ]; then
    echo "$failures installation check(s) failed" >&2
    exit 1
fi
echo "installation checks passed"
