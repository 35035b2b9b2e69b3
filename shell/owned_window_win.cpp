// Creating the framework's top-level windows, owned by the main window.
#include "shell/owned_window_win.h"

HWND CreateOwnedWindow(const wchar_t* className, const wchar_t* title, DWORD style, int x, int y, bool defaultX,
                       bool defaultY, int width, int height) {
    // With x left to the system, CreateWindow reads y as a show command; so both go to the system,
    // and a coordinate that was given is put back afterwards.
    bool anyDefault = defaultX || defaultY;
    HWND window =
        CreateWindowExW(0, className, title, style, anyDefault ? CW_USEDEFAULT : x, anyDefault ? CW_USEDEFAULT : y,
                        width, height, shell.mainWindow, nullptr, shell.moduleInstance, nullptr);
    if (window != nullptr && defaultX != defaultY) {
        RECT placed;
        GetWindowRect(window, &placed);
        SetWindowPos(window, nullptr, defaultX ? placed.left : x, defaultY ? placed.top : y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return window;
}

LRESULT KeepWindowSize(HWND window, RECT* proposed) {
    GetWindowRect(window, proposed);
    return TRUE;
}
