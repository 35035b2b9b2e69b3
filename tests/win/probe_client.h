// Starting probe processes and watching them from the test runner, as another program would:
// through their windows, their log file and their exit codes.
#pragma once

#include "tests/win/probe_protocol.h"
#include "tests/win/win_waits.h"

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

// Ends the probe when the case ends, passed or not.
struct ProbeGuard {
    Probe& probe;
    ~ProbeGuard();
};

std::string ReadProbeLog(const Probe& probe);
std::vector<std::string> LogLines(const Probe& probe);
// Drops the files on the probe's main window as the shell would, and waits until it is handled.
bool DropOnProbe(Probe& probe, const std::vector<std::wstring>& paths, int timeoutMs = WAIT_TIMEOUT_MS,
                 unsigned tag = PROBE_DROP_TAG);
// The probe's open image slots: "slot %d bits=%d w=%d h=%d sum=%08x name=%s", one per slot.
std::vector<std::string> ProbeSlots(Probe& probe);
int CountLogLines(const Probe& probe, const char* prefix);
// The number after key in a log line ("exit_ms=" in "... exit_ms=12 ..."); -999 if it is missing.
int LogNumber(const std::string& line, const char* key);

// A place in the log, so that a check sees only what its own step caused.
struct LogMark {
    size_t lines;
};
LogMark MarkLog(const Probe& probe);
std::vector<std::string> LinesSince(const Probe& probe, LogMark mark);
int CountLinesSince(const Probe& probe, LogMark mark, const char* text); // lines equal to text
// Waits until a log line after the mark starts with the prefix; returns it, or "" after the
// timeout. A timeout of 0 looks once.
std::string WaitForLogLine(const Probe& probe, const char* prefix, int timeoutMs = WAIT_TIMEOUT_MS, LogMark mark = {0});
// Asks the probe's main thread to log its run flags and returns that line.
std::string ReportFlags(Probe& probe);
// Waits until the probe's run flags are these ("flags start=0 running=1 ..."); returns the last report.
std::string WaitForFlags(Probe& probe, const std::string& flags);

// Waits for the process to end; returns its exit code, or STILL_ACTIVE after the timeout.
DWORD WaitForProbeExit(Probe& probe, int timeoutMs = WAIT_TIMEOUT_MS);
void KillProbe(Probe& probe);

HWND FindMainWindowOf(DWORD processId);
void PostKey(HWND window, WPARAM key); // WM_KEYDOWN, as a key press delivers it
// Writes a 24-bit BMP whose pixel (x, y) is color(x, y), a colour value 0x00RRGGBB.
bool WriteTestBmp(const std::wstring& path, int width, int height, unsigned (*color)(int x, int y));
std::wstring TempFolder(); // with its trailing separator
