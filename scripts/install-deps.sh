#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that are missing: without options those that building
# and running the program need; --package adds what `cpack -G DEB` needs, --tests the test
# tools, --fuzz (with --tests) clang and libFuzzer for the fuzz targets of tests/fuzz.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config
          qt6-base-dev qt6-serialport-dev qt6-connectivity-dev libgl-dev
          qt6-charts-dev libqt6opengl6-dev  # Charts needs the OpenGL CMake files, not pulled in
          # The translations are built in: lrelease and the CMake package that runs it.
          qt6-l10n-tools qt6-tools-dev
          librsvg2-bin           # the window icon's PNG is rendered from the SVG
          libqt6sql6-sqlite      # the journal of writes
          qt6-translations-l10n) # Qt's own buttons and dialogs in Russian
for option in "$@"; do
    case $option in
        --package) packages+=(dpkg-dev file) ;; # CPack's library scan runs `file` and dpkg-shlibdeps
        --tests)
            packages+=(libgtest-dev libgmock-dev desktop-file-utils appstream)
            # A test opens an exported trouble-code CSV in a spreadsheet (gnumeric's ssconvert).
            packages+=(gnumeric)
            # The Bluetooth tests run BlueZ mocked on a bus of their own, with Debian's python3.
            packages+=(dbus python3-dbusmock) ;;
        --fuzz) packages+=(clang libclang-rt-dev) ;;
        *) echo "usage: $0 [--package] [--tests] [--fuzz]" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
install=(apt-get install -y -qq --no-install-recommends "${missing[@]}")
if [ "$(id -u)" -eq 0 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${install[@]}"
# sudo passes no variable of the caller's on: env sets it on the root side.
elif command -v sudo >/dev/null 2>&1 && sudo -v; then
    sudo apt-get update -qq
    sudo env DEBIAN_FRONTEND=noninteractive "${install[@]}"
else
    why="sudo is not installed"
    command -v sudo >/dev/null 2>&1 && why="sudo did not let $(id -un) run apt-get"
    cat >&2 <<EOF

Installing the packages needs root, and $why.
Run this as root (su asks for the root password), then the same command again:

  su -c 'apt-get update && apt-get install -y --no-install-recommends ${missing[*]}'

EOF
    exit 1
fi
