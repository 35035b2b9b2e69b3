// The main window: creation with its bounce, run commands and keys, fixed size.
#include "shell/main_window_win.h"
#include "shell/clock.h"
#include "shell/command_ids.h"
#include "shell/main_geometry.h"
#include "shell/owned_window_win.h"
#include "shell/program_thread_win.h"
#include "pelori.h"

#include <cstdio>

static void BusyWaitUntil(uint32_t mark, uint32_t ms) {
    while (ClockMs() - mark < ms) {
    }
}

// The window drops into place in 28 steps of 20 ms; the main thread is blocked meanwhile, before
// the program thread exists.
static void PlayBounce(HWND window) {
    uint32_t mark = ClockMs();
    for (int k = 0; k < BOUNCE_STEPS; ++k) {
        RECT rect;
        GetWindowRect(window, &rect);
        SetWindowPos(window, nullptr, rect.left, rect.top + bounceOffsets[k], 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
        BusyWaitUntil(mark, BOUNCE_STEP_MS);
        mark = ClockMs();
    }
    BusyWaitUntil(mark, BOUNCE_SETTLE_MS);
}

static LRESULT OnCreate(HWND window) {
    shell.statusLine =
        CreateWindowW(L"STATIC", L"Ready", WS_CHILD | WS_VISIBLE, 0, 6, 234, 20, window,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ID_STATUS_LINE)), shell.moduleInstance, nullptr);
    PlayBounce(window);
    HDC dc = GetDC(window);
    shell.colorDepth = GetDeviceCaps(dc, BITSPIXEL);
    ReleaseDC(window, dc);
    shell.mainWindow = window;
    shell.programThread = CreateThread(nullptr, 0, ProgramThreadEntry, nullptr, 0, &shell.programThreadId);
    return 0;
}

static int mainWindowWork; // pieces of work under way, nested ones counted too

void BeginMainWindowWork() { ++mainWindowWork; }

void EndMainWindowWork() { --mainWindowWork; }

bool IsMainWindowBusy() { return mainWindowWork > 0; }

static void OnStart() {
    if (runState.running == 0 && !IsMainWindowBusy()) runState.startRequested = 1;
}

static void OnStop() { runState.stopRequested = 1; }

static LRESULT OnCommand(int id) {
    switch (id) {
    case CMD_START: OnStart(); break;
    case CMD_STOP: OnStop(); break;
    case CMD_EXIT: RunExitSequence(); break;
    case CMD_PASTE: PasteAsNewImage(); break;
    case CMD_IMAGE_WINDOW: ImageWindowDialog(); break;
    case CMD_TEXT_WINDOW: OpenNextTextWindow(); break;
    case CMD_INPUT_BOX: InputBoxDialog(); break;
    case CMD_BUTTON_BOX: ButtonBoxDialog(); break;
    case CMD_WINDOW_INFO: ShowWindowInfo(); break;
    }
    return 0;
}

static LRESULT OnKeyDown(HWND window, WPARAM key) {
    if (GetKeyState(VK_CONTROL) < 0) {
        if (key == 'V') PostMessageW(window, WM_COMMAND, CMD_PASTE, 0);
        if (key == 'W') PostMessageW(window, WM_COMMAND, CMD_WINDOW_INFO, 0);
        return 0;
    }
    switch (key) {
    case 'S': OnStart(); break;
    case 'C': OnStop(); break;
    case 'X':
    case VK_ESCAPE: RunExitSequence(); break;
    }
    return 0;
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return OnCreate(window);
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_SIZING: return KeepWindowSize(window, reinterpret_cast<RECT*>(lParam));
    case WM_COMMAND: return OnCommand(LOWORD(wParam));
    case WM_KEYDOWN: return OnKeyDown(window, wParam);
    case WM_RBUTTONDOWN:
    case WM_NCRBUTTONDOWN: ShowMainPopup(window); return 0;
    case WM_DROPFILES: OnDropFiles(reinterpret_cast<HDROP>(wParam)); return 0;
    case WM_OPEN_COMMAND_LINE: OpenCommandLinePictures(); return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}
