#!/usr/bin/env bash
# Installs what is missing, builds the three configurations (host, win64, win32) and runs every
# test, native and under Wine, in one ctest run.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
# Another script may be building at the same time; two builds in one folder would collide.
mkdir -p build
exec 8>build/.build-lock
flock 8
for preset in host win64 win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
flock -u 8
exec 8>&-

# One test tree over the three build folders.
printf 'subdirs("host")\nsubdirs("win64")\nsubdirs("win32")\n' >build/CTestTestfile.cmake

source scripts/wine-session.sh
trap stop_wine_session EXIT
start_wine_session --virtual test
ctest --test-dir build --output-on-failure -j2 "$@"
