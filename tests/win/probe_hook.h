// The probe's hook in a framework process: the main window's subclass and the log.
#pragma once

#include "pelori.h"

extern char probeMode[32]; // from the environment: how the probe's AppMain behaves

// Opens the log, keeps a handle to the program thread and subclasses the main window; then logs
// "setup instance=%d mode=%s". Needs the main window and the program thread to exist.
void InstallProbeHook();
void ProbeLog(const char* format, ...) PLR_PRINTF_FORMAT(1, 2);
