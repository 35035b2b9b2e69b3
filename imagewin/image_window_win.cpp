// The image window procedure.
#include "imagewin/image_windows_win.h"
#include "imageops/picks_win.h"
#include "shell/owned_window_win.h"

static LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    PLR_DrawImage(FindImageSlot(window)); // through the slot's own window DC
    EndPaint(window, &paint);
    return 0;
}

LRESULT CALLBACK ImageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // While a pick runs on this window, its mouse input is the pick's.
    if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST && ReportPickInput(FindImageSlot(window), message, lParam))
        return 0;
    switch (message) {
    case WM_CREATE: return 0;
    case WM_DESTROY: return 0;
    case WM_PAINT: return OnPaint(window);
    case WM_CLOSE: PLR_DestroyImage(FindImageSlot(window)); return 0;
    case WM_SIZING: return KeepWindowSize(window, reinterpret_cast<RECT*>(lParam));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
