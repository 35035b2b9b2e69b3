#pragma once

#include <cstddef>

// Makes a folder path end with one backslash, so a file name can follow it; a drive root such as
// "C:\" keeps its single backslash. Returns 0, or 1 when the buffer has no room (path unchanged).
template <typename Ch> int EnsureTrailingBackslash(Ch* path, size_t capacity) {
    size_t length = 0;
    while (length < capacity && path[length] != 0)
        ++length;
    if (length == capacity) return 1;
    if (length > 0 && path[length - 1] == Ch('\\')) return 0;
    if (length + 2 > capacity) return 1;
    path[length] = Ch('\\');
    path[length + 1] = 0;
    return 0;
}
