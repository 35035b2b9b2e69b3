// Message pumps, the performance counter behind ClockMs, and the pause box.
#include "shell_win.h"

// A quit message taken from the queue here belongs to the main message loop: put it back and stop,
// or the program would outlive its main window.
static bool TakeMessage(MSG* msg) {
    if (!PeekMessageW(msg, nullptr, 0, 0, PM_REMOVE)) return false;
    if (msg->message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg->wParam));
        return false;
    }
    return true;
}

void PumpMessages() {
    MSG msg;
    while (TakeMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

static bool IsMessageForBox(HWND box, MSG* msg) { return box != nullptr && IsDialogMessageW(box, msg); }

void PumpDialogMessages() {
    MSG msg;
    while (TakeMessage(&msg)) {
        if (IsMessageForBox(InputBoxDialogWindow(), &msg)) continue;
        if (IsMessageForBox(ButtonBoxDialogWindow(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int64_t PerformanceCounter() {
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return count.QuadPart;
}

void PLR_Pause(const char* text) {
    wchar_t wide[256];
    NarrowToWide(text, wide, 256);
    MessageBoxW(nullptr, wide, L"Pause", MB_OK);
}
