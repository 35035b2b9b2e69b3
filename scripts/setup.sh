#!/usr/bin/env bash
# Installs the Debian packages that building and testing PELORI need, if any is missing.
set -euo pipefail

packages=(
    cmake ninja-build g++ libgtest-dev            # host build and unit tests
    googletest g++-i686-linux-gnu qemu-user       # the same tests as 32-bit x86 code, emulated
    g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-win32 binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
    wine wine64 fonts-wine xvfb                   # running the Windows build on a virtual display
    clang-format                                  # the code style check of scripts/test.sh
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
