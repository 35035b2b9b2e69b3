// The input box window on Windows.
#pragma once

#include "shell/shell_win.h"

// The box's rank in the dialog pump: its messages are tried before the button box's (rank 1).
enum { INPUT_BOX_DIALOG_RANK = 0 };

LRESULT CALLBACK InputBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void CloseInputBox(); // "DestroyWindow[IB] Error" if the window cannot be destroyed
