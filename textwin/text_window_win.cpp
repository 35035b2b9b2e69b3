// The text window procedure: repaint from the back buffer, resize, close.
#include "textwin/text_windows_win.h"

static LRESULT OnPaint(HWND window) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    int index = FindTextWindow(window);
    if (index >= 0) {
        const TextWindowSlot& slot = textWindows[index];
        const RECT& dirty = paint.rcPaint;
        BitBlt(slot.windowDC, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, slot.memoryDC,
               dirty.left, dirty.top, SRCCOPY);
    }
    EndPaint(window, &paint);
    return 0;
}

// A new size gets a new black back buffer and the cursor goes home; what was shown is lost.
// A minimised window (zero width or height) keeps its buffer and text, so output does not wrap
// and scroll on every character until it is restored.
static LRESULT OnSize(HWND window, int width, int height) {
    int index = FindTextWindow(window);
    if (index < 0 || width <= 0 || height <= 0) return 0;
    TextWindowSlot* slot = &textWindows[index];
    TextWindowSlot replacement = *slot;
    if (!MakeBackBuffer(&replacement, width, height)) return 0; // too large: keep the old buffer
    ReleaseBackBuffer(slot);
    slot->windowDC = replacement.windowDC;
    slot->memoryDC = replacement.memoryDC;
    slot->backBuffer = replacement.backBuffer;
    slot->previousBitmap = replacement.previousBitmap;
    slot->width = width;
    slot->height = height;
    slot->cursorX = slot->cursorY = 0;
    ApplyTextColors(slot);
    InvalidateRect(window, nullptr, FALSE);
    return 0;
}

static LRESULT OnClose(HWND window) {
    int index = FindTextWindow(window);
    if (index >= 0)
        PLR_DestroyTextWindow(index);
    else
        DestroyWindow(window);
    return 0;
}

// While a line input waits, every text window's keys go to it.
static bool FeedLineInput(UINT message, WPARAM wParam) {
    if (runState.lineInputOwner == 0) return false;
    if (message == WM_CHAR) QueueTypedCharacter(wParam);
    if (message == WM_KEYDOWN) NoteRecallKey(wParam);
    return message == WM_CHAR || message == WM_KEYDOWN;
}

LRESULT CALLBACK TextWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (FeedLineInput(message, wParam)) return 0;
    switch (message) {
    case WM_CREATE: return 0;
    case WM_DESTROY: return 0;
    case WM_PAINT: return OnPaint(window);
    case WM_SIZE: return OnSize(window, LOWORD(lParam), HIWORD(lParam));
    case WM_CLOSE: return OnClose(window);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
