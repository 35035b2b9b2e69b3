// The program thread, which runs the application and serves window requests, and the exit
// sequence that ends it from the main thread.
#pragma once

#include "shell/shell_win.h"

DWORD WINAPI ProgramThreadEntry(void* unused);
int ProgramThreadMain(); // AppSetup, then the idle loop until Exit
void RunExitSequence();  // main thread: ends the program thread (within 2 s) and the main window
