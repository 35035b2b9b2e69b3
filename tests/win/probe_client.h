// Starting probe processes and watching them from the test runner, as another program would:
// through their windows, their log file and their exit codes.
#pragma once

#include "probe_protocol.h"

#include <string>
#include <vector>

struct Probe {
    const wchar_t* executable = L"pelori_probe.exe"; // beside the runner
    PROCESS_INFORMATION process = {};
    std::wstring logPath;
    HWND mainWindow = nullptr;
};

// Starts the probe in a mode and waits until its application has been set up and its main window
// is found. Returns false if that does not happen within the timeout.
bool StartProbe(Probe& probe, const char* mode, const std::wstring& arguments = L"");
bool LaunchProbe(Probe& probe, const char* mode, const std::wstring& arguments = L""); // without waiting

std::string ReadProbeLog(const Probe& probe);
std::vector<std::string> LogLines(const Probe& probe);
// Drops the files on the probe's main window as the shell would, and waits until it is handled.
bool DropOnProbe(Probe& probe, const std::vector<std::wstring>& paths, int timeoutMs = 15000);
// The probe's open image slots: "slot %d bits=%d w=%d h=%d sum=%08x name=%s", one per slot.
std::vector<std::string> ProbeSlots(Probe& probe);
int CountLogLines(const Probe& probe, const char* prefix);
// Waits until a log line starts with the prefix; returns that line, or "" after the timeout.
std::string WaitForLogLine(const Probe& probe, const char* prefix, int timeoutMs = 10000);
// Asks the probe's main thread to log its run flags and returns that line.
std::string ReportFlags(Probe& probe);

// Waits for the process to end; returns its exit code, or STILL_ACTIVE after the timeout.
DWORD WaitForProbeExit(Probe& probe, int timeoutMs = 10000);
void KillProbe(Probe& probe);

HWND FindMainWindowOf(DWORD processId);
// Writes a 24-bit BMP whose pixel (x, y) is color(x, y), a colour value 0x00RRGGBB.
bool WriteTestBmp(const std::wstring& path, int width, int height, unsigned (*color)(int x, int y));
std::wstring TempFolder(); // with its trailing separator
std::string WindowClassName(HWND window);
std::string WindowText(HWND window);
