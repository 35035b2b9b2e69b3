// The button box: one grid of labelled push buttons.
#include "../shell/shell_win.h"

LRESULT CALLBACK ButtonBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND ButtonBoxDialogWindow() { return nullptr; }
