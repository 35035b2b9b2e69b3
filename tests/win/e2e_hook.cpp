// The probe's hook inside the real application: installed by a thread of its own once the main
// window and the program thread exist, so the application's code is the program's own. What the
// application prints and the passes of its poll loop are logged too: the link routes PLR_Printf
// and PLR_GetButtonPress through the wrappers below.
#include "tests/win/probe_hook.h"
#include "shell/shell_win.h"

#include <cstdarg>
#include <cstdio>
#include <string>

extern "C" void __real__Z10PLR_PrintfPKcz(const char* format, ...);
extern "C" int __real__Z18PLR_GetButtonPressi(int index);

// Logs "printed <text>" with line feeds as \n; the poll loop's empty prints are not logged.
extern "C" void __wrap__Z10PLR_PrintfPKcz(const char* format, ...) {
    char text[4096];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (text[0] != '\0') {
        std::string escaped;
        for (const char* p = text; *p; ++p)
            escaped += *p == '\n' ? std::string("\\n") : std::string(1, *p);
        ProbeLog("printed %s", escaped.c_str());
    }
    __real__Z10PLR_PrintfPKcz("%s", text);
}

// Logs "poll" as each pass of the poll loop begins (with button 0), and "press <index> count=<n>"
// when a pass takes a button's presses, so the runner can wait for an action and the pass after it.
extern "C" int __wrap__Z18PLR_GetButtonPressi(int index) {
    if (index == 0) ProbeLog("poll");
    int presses = __real__Z18PLR_GetButtonPressi(index);
    if (presses != 0) ProbeLog("press %d count=%d", index, presses);
    return presses;
}

namespace {

// Start-up sets both before the program thread runs the application; until then there is no
// event to wait on, so this thread looks every few milliseconds.
DWORD WINAPI InstallWhenReady(void*) {
    while (shell.mainWindow == nullptr || shell.programThreadId == 0)
        Sleep(5);
    InstallProbeHook();
    return 0;
}

const bool hookStarted = CloseHandle(CreateThread(nullptr, 0, InstallWhenReady, nullptr, 0, nullptr)) != 0;

} // namespace
