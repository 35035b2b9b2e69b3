#!/usr/bin/env bash
# Fuzzes the clipboard picture parser with libFuzzer (clang, AddressSanitizer and UBSan) for a
# bounded time; not part of the test command. Any input it finds that fails is saved in
# build/fuzz/findings/ and belongs, once understood and mended, as a row of the parser's table in
# tests/host/clipboard_dib_test.cpp.
#   scripts/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

packages=(clang libclang-rt-14-dev)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

mkdir -p build/fuzz/corpus build/fuzz/findings
clang++ -std=c++17 -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I. -Iinclude tests/fuzz/clipboard_dib_fuzz.cpp imagewin/clipboard_dib.cpp imagewin/image_slots.cpp \
    shell/narrow_text.cpp -o build/fuzz/clipboard_dib_fuzz
build/fuzz/clipboard_dib_fuzz -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix=build/fuzz/findings/ \
    build/fuzz/corpus tests/fuzz/seeds
