#!/usr/bin/env bash
# Checks the include boundaries: the application includes only the programming interface
# (include/), the standard and system headers and its own headers; every include of a project
# file is a path from the repository root, never one that climbs out of its folder.
set -u
root=${1:-$(dirname "$0")/..}
cd "$root" || exit 1
failed=0
public=$(cd include && ls)
while IFS= read -r line; do
    file=${line%%:*} header=$(sed -E 's/.*#include "([^"]+)".*/\1/' <<<"$line")
    case $header in
    app/*) ;;
    *) grep -qx "$header" <<<"$public" || { echo "FAILED: $file includes $header, which is not in include/"; failed=1; } ;;
    esac
done < <(grep -Hn '#include "' app/*.cpp app/*.h)
if grep -rn --include='*.cpp' --include='*.h' '#include "\.\./' .; then
    echo "FAILED: includes that climb out of their folder (above)"
    failed=1
fi
[ $failed -eq 0 ] && echo "ok: the application keeps to include/; includes are root-relative"
exit $failed
