#!/usr/bin/env bash
# Checks the release image's headers: a 32-bit GUI image for Windows 2000 (subsystem 5.00),
# large-address-aware, importing only system DLLs (no MinGW runtime beside it).
set -u
objdump=$1 exe=$2
headers=$($objdump -p "$exe") || { echo "cannot read $exe"; exit 1; }
failed=0
expect() { if grep -Eq "$1" <<<"$headers"; then echo "ok: $2"; else echo "FAILED: $2"; failed=1; fi; }
expect 'file format pei-i386' 'PE32 image for i386'
expect '^Magic[[:space:]]+010b' 'PE32 optional header'
expect '^Subsystem[[:space:]]+00000002' 'GUI subsystem'
expect '^MajorSubsystemVersion[[:space:]]+5$' 'subsystem major version 5'
expect '^MinorSubsystemVersion[[:space:]]+0$' 'subsystem minor version 0'
expect 'large address aware' 'large-address-aware'
dlls=$(grep -E '^[[:space:]]*DLL Name:' <<<"$headers" | awk '{print tolower($3)}' | sort -u)
echo "imports: $(tr '\n' ' ' <<<"$dlls")"
for dll in $dlls; do
    case $dll in
    kernel32.dll | user32.dll | gdi32.dll | gdiplus.dll | comdlg32.dll | shell32.dll | msvcrt.dll | advapi32.dll | ole32.dll) ;;
    *) echo "FAILED: imports $dll, which is not a system DLL"; failed=1 ;;
    esac
done
exit $failed
