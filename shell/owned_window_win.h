// The framework's top-level windows: owned by the main window, and frames that keep their size.
#pragma once

#include "shell/shell_win.h"

// A coordinate marked default is the system's choice.
HWND CreateOwnedWindow(const wchar_t* className, const wchar_t* title, DWORD style, int x, int y, bool defaultX,
                       bool defaultY, int width, int height);

// WM_SIZING: the frame can be dragged, but the window keeps its size.
LRESULT KeepWindowSize(HWND window, RECT* proposed);
