// plr_postkey CLASS KEY: posts a key press (a letter or digit) to the first top-level window of
// that class, as a keyboard would deliver it. Used by scripts to drive the program on a virtual
// display.
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

#include <cstdio>
#include <cwctype>

int wmain(int argc, wchar_t** argv) {
    if (argc != 3 || argv[2][0] == 0 || argv[2][1] != 0) {
        std::fprintf(stderr, "usage: plr_postkey CLASS KEY\n");
        return 2;
    }
    HWND window = FindWindowW(argv[1], nullptr);
    if (window == nullptr) {
        std::fprintf(stderr, "plr_postkey: no such window\n");
        return 1;
    }
    PostMessageW(window, WM_KEYDOWN, static_cast<WPARAM>(std::towupper(argv[2][0])), 1);
    return 0;
}
