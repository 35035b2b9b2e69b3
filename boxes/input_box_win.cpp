// The input box: one box of labelled edit fields.
#include "../shell/shell_win.h"

LRESULT CALLBACK InputBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND InputBoxDialogWindow() { return nullptr; }
