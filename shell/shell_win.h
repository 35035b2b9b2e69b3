// The shell's process-wide record: what start-up learns once and every Windows-layer file reads.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

enum { FOLDER_CAPACITY = MAX_PATH, INSTANCE_LIMIT = 10, MAIN_CLASS_CAPACITY = 16 };

// Written by the main thread during start-up, before the program thread exists, and read-only
// afterwards (but for programThread, which the exit sequence closes), so both threads read it
// without locks.
struct Shell {
    HINSTANCE moduleInstance;                   // the executable: window classes and controls
    int instanceNumber;                         // 0..9, the digit of mainClassName
    wchar_t mainClassName[MAIN_CLASS_CAPACITY]; // "pelori_mw%d": how instances find each other
    ULONG_PTR gdiplusToken;                     // from GDI+ start-up, for its shutdown
    wchar_t workingFolder[FOLDER_CAPACITY];     // the working directory at start-up, "" if too long
    HWND mainWindow;                            // set once its creation has run (before the thread)
    HWND statusLine;                            // the main window's STATIC child
    HMENU mainMenu;                             // the menu bar, destroyed after the message loop
    int colorDepth;                             // bits per pixel of the screen, read at creation
    HANDLE programThread;                       // null once the exit sequence has closed it
    DWORD programThreadId;
};

extern Shell shell;
