#!/usr/bin/env bash
# Takes the README's screenshot: PELORI under Wine on a virtual display with the bundled photo,
# Start pressed, the depth map, the view pair and the anaglyph on the screen.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
# Another script may be building at the same time; two builds in one folder would collide.
mkdir -p build
exec 8>build/.build-lock
flock 8
cmake --preset win64 >/dev/null
cmake --build --preset win64
flock -u 8
exec 8>&-

source scripts/wine-session.sh
trap stop_wine_session EXIT
start_wine_session --virtual screenshot
wine build/win64/pelori.exe samples/chelsea.png &
mkdir -p docs
press_start_and_screenshot build/win64 docs/screenshot.png
echo "Saved docs/screenshot.png"
