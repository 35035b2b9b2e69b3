// The probe: the framework with a test application whose AppMain behaves as the runner asks.
#include "tests/win/probe_hook.h"
#include "pelori.h"

#include <windows.h>

#include <cstring>

void AppSetup() {
    InstallProbeHook();
    if (std::strcmp(probeMode, "font") == 0) {
        PLR_SetTTFontSize(20, 30);
        ProbeLog("font set");
    }
}

void AppMain() {
    ProbeLog("appmain begin");
    if (std::strcmp(probeMode, "reads") == 0) {
        PLR_OpenTextWindow(0, 0, 0, 200, 100);
        char line[256];
        PLR_ReadLine(line);
        ProbeLog("read ended");
        return;
    }
    bool forever = std::strcmp(probeMode, "forever") == 0;
    while (forever || runState.stopRequested == 0) {
        Sleep(5);
        PLR_PumpMessages();
    }
    ProbeLog("appmain end");
}
