#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages the build and the tests need, only those missing.
# --fuzz adds clang and libFuzzer for the fuzz targets of tests/fuzz.
set -euo pipefail

packages=(cmake ninja-build g++ pkg-config
          qt6-base-dev qt6-serialport-dev qt6-connectivity-dev libgl-dev
          qt6-charts-dev libqt6opengl6-dev  # Charts needs the OpenGL CMake files, not pulled in
          libgtest-dev libgmock-dev
          libqt6sql6-sqlite qt6-l10n-tools qt6-tools-dev
          desktop-file-utils appstream dpkg-dev)
# CPack's library scan runs `file`; the window icon's PNG is rendered from the SVG.
packages+=(file librsvg2-bin)
# A test opens an exported trouble-code CSV in a spreadsheet (gnumeric's ssconvert).
packages+=(gnumeric)
# The Bluetooth tests run BlueZ mocked on a bus of their own, with Debian's python3.
packages+=(dbus python3-dbusmock)
[ "${1:-}" = "--fuzz" ] && packages+=(clang libclang-rt-dev)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
