#!/usr/bin/env bash
# Runs a Windows program under Wine, on the display and in the prefix that scripts/wine-session.sh
# started (ctest uses this as the emulator of the win64 build). Without a session's prefix it uses
# the tests' own, the one scripts/test.sh prepares.
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build/wine/test}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Text without anti-aliasing, so the tests read exactly the text and background colours.
export FONTCONFIG_FILE=$root/tests/win/fonts.conf
if [ -z "${DISPLAY:-}" ]; then
    echo "wine-run.sh: no DISPLAY; run the tests through scripts/test.sh, which starts a virtual display" >&2
    exit 1
fi
# Wine may start its desktop and services from this process; they must not hold ctest's output
# pipe open, so the program's output goes through a file.
output=$(mktemp)
wine "$@" >"$output" 2>&1
status=$?
cat "$output"
rm -f "$output"
exit $status
