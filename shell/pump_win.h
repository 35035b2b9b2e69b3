// Message pumps of the program thread and of the main thread's waits.
#pragma once

#include "shell/shell_win.h"

#include <cstdint>

void PumpMessages();       // every message of this thread's queue, dispatched as is
void PumpDialogMessages(); // the same, but the registered dialog windows see theirs first

// Windows whose messages take dialog keyboard handling in PumpDialogMessages, tried by rank from
// 0 up; a box registers itself while it is open and passes null when it closes.
enum { DIALOG_WINDOW_RANKS = 4 };
void SetDialogWindow(int rank, HWND window);

int64_t PerformanceCounter(); // the high-resolution counter behind ClockMs
