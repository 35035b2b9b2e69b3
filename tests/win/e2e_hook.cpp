// The probe's hook inside the real application: installed by a thread of its own once the main
// window and the program thread exist, so the application's code is the program's own. Text the
// application prints is logged too: the link routes PLR_Printf through the wrapper below.
#include "probe_hook.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"

#include <cstdarg>
#include <cstdio>
#include <string>

extern "C" void __real__Z10PLR_PrintfPKcz(const char* format, ...);

// Logs "printed <text>" with line feeds as \n; the empty prints of the poll loop are logged once,
// as "poll", after each text, so the runner can tell that the loop has come round.
extern "C" void __wrap__Z10PLR_PrintfPKcz(const char* format, ...) {
    static bool pollLogged = true;
    char text[4096];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (text[0] == '\0') {
        if (!pollLogged) ProbeLog("poll");
        pollLogged = true;
    } else {
        std::string escaped;
        for (const char* p = text; *p; ++p)
            escaped += *p == '\n' ? std::string("\\n") : std::string(1, *p);
        ProbeLog("printed %s", escaped.c_str());
        pollLogged = false;
    }
    __real__Z10PLR_PrintfPKcz("%s", text);
}

namespace {

DWORD WINAPI InstallWhenReady(void*) {
    while (shell.mainWindow == nullptr || shell.programThreadId == 0)
        Sleep(5);
    InstallProbeHook();
    return 0;
}

const bool hookStarted = CloseHandle(CreateThread(nullptr, 0, InstallWhenReady, nullptr, 0, nullptr)) != 0;

} // namespace
