// The button box window on Windows.
#pragma once

#include "shell/shell_win.h"

// The box's rank in the dialog pump: after the input box (rank 0), whose messages come first.
enum { BUTTON_BOX_DIALOG_RANK = 1 };

LRESULT CALLBACK ButtonBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void CloseButtonBox(); // "DestroyWindow[BB] error" if the window cannot be destroyed
