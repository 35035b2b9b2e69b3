#!/usr/bin/env bash
# Installs what is missing, builds the four configurations (host, host32, win64, win32) and runs every
# test, native and under Wine, in one ctest run; then checks the C++ files' formatting.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
# Another script may be building at the same time; two builds in one folder would collide.
mkdir -p build
exec 8>build/.build-lock
flock 8
for preset in host host32 win64 win32; do
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset"
done
flock -u 8
exec 8>&-

# One test tree over the three build folders.
printf 'subdirs("host")\nsubdirs("host32")\nsubdirs("win64")\nsubdirs("win32")\n' >build/CTestTestfile.cmake

source scripts/wine-session.sh
trap stop_wine_session EXIT
start_wine_session --virtual test
tests_status=0
ctest --test-dir build --output-on-failure -j2 "$@" || tests_status=$?
stop_wine_session

# The style check runs after the tests so that a badly formatted file does not hide their results.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    mapfile -t sources < <(git ls-files '*.cpp' '*.h')
else
    mapfile -t sources < <(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print | sort)
fi
unformatted=()
for file in "${sources[@]}"; do
    [ -f "$file" ] || continue # deleted but not yet committed
    clang-format --dry-run -Werror "$file" >/dev/null 2>&1 || unformatted+=("$file")
done
status=0
if [ ${#unformatted[@]} -gt 0 ]; then
    status=1
    echo
    echo "FORMAT CHECK FAILED: ${#unformatted[@]} of ${#sources[@]} C++ files differ from .clang-format:"
    printf '    %s\n' "${unformatted[@]}"
    echo "Fix them with: clang-format -i FILE..."
else
    echo "Format check passed: ${#sources[@]} C++ files match .clang-format."
fi

if [ "$tests_status" -ne 0 ]; then
    status=1
    echo "TESTS FAILED (ctest exit status $tests_status); see ctest's summary above."
fi
exit $status
