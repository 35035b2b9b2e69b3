// The input box: one box of labelled edit fields.
#include "boxes/input_box_win.h"

LRESULT CALLBACK InputBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}
