// Message pumps, the performance counter behind ClockMs, and the pause box.
#include "shell/pump_win.h"
#include "shell/window_text_win.h"
#include "pelori.h"

// The dialog windows by rank; null where no box of that rank is open.
static HWND dialogWindows[DIALOG_WINDOW_RANKS];

void SetDialogWindow(int rank, HWND window) {
    if (rank >= 0 && rank < DIALOG_WINDOW_RANKS) dialogWindows[rank] = window;
}

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

static bool IsDialogWindowMessage(MSG* msg) {
    for (HWND box : dialogWindows)
        if (box != nullptr && IsDialogMessageW(box, msg)) return true;
    return false;
}

void PumpDialogMessages() {
    MSG msg;
    while (TakeMessage(&msg)) {
        if (IsDialogWindowMessage(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void PLR_PumpMessages() { PumpDialogMessages(); }

int64_t PerformanceCounter() {
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return count.QuadPart;
}

void PLR_Pause(const char* text) {
    wchar_t wide[256];
    NarrowToWide(text != nullptr ? text : "", wide, 256);
    MessageBoxW(nullptr, wide, L"Pause", MB_OK);
}
