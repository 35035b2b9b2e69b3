#include "tests/win/probe_client.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

std::wstring ProbeExecutablePath(const wchar_t* executable) {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring full(path, length);
    return full.substr(0, full.find_last_of(L"\\/") + 1) + executable;
}

std::wstring NewLogPath() {
    static int counter;
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    wchar_t name[64];
    swprintf(name, 64, L"plr_probe_%lu_%d.log", GetCurrentProcessId(), ++counter);
    return std::wstring(folder) + name;
}

} // namespace

HWND FindMainWindowOf(DWORD processId) {
    struct Search {
        DWORD processId;
        HWND found;
    } search = {processId, nullptr};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            Search* s = reinterpret_cast<Search*>(data);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner != s->processId || WindowClassName(window).rfind("pelori_mw", 0) != 0) return TRUE;
            s->found = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool LaunchProbe(Probe& probe, const char* mode, const std::wstring& arguments) {
    probe.logPath = NewLogPath();
    DeleteFileW(probe.logPath.c_str());
    std::wstring wideMode(mode, mode + strlen(mode));
    SetEnvironmentVariableW(PROBE_MODE_VARIABLE, wideMode.c_str());
    SetEnvironmentVariableW(PROBE_LOG_VARIABLE, probe.logPath.c_str());
    std::wstring exe = ProbeExecutablePath(probe.executable);
    std::wstring line = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    std::vector<wchar_t> commandLine(line.begin(), line.end());
    commandLine.push_back(0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &probe.process) != 0;
}

bool StartProbe(Probe& probe, const char* mode, const std::wstring& arguments) {
    if (!LaunchProbe(probe, mode, arguments)) return false;
    // A process start under Wine is the slowest step of all on a loaded machine.
    if (WaitForLogLine(probe, "setup", 2 * WAIT_TIMEOUT_MS).empty()) return false;
    probe.mainWindow = FindMainWindowOf(probe.process.dwProcessId);
    return probe.mainWindow != nullptr;
}

ProbeGuard::~ProbeGuard() { KillProbe(probe); }

void PostKey(HWND window, WPARAM key) { PostMessageW(window, WM_KEYDOWN, key, 1); }

std::string ReadProbeLog(const Probe& probe) {
    HANDLE file =
        CreateFileW(probe.logPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0)
        text.append(buffer, read);
    CloseHandle(file);
    return text;
}

std::vector<std::string> LogLines(const Probe& probe) {
    std::vector<std::string> lines;
    std::string text = ReadProbeLog(probe);
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

int CountLogLines(const Probe& probe, const char* prefix) {
    int count = 0;
    for (const std::string& line : LogLines(probe))
        if (line.rfind(prefix, 0) == 0) ++count;
    return count;
}

int LogNumber(const std::string& line, const char* key) {
    size_t at = line.find(key);
    return at == std::string::npos ? -999 : std::atoi(line.c_str() + at + std::strlen(key));
}

LogMark MarkLog(const Probe& probe) { return {LogLines(probe).size()}; }

std::vector<std::string> LinesSince(const Probe& probe, LogMark mark) {
    std::vector<std::string> lines = LogLines(probe);
    return std::vector<std::string>(lines.begin() + static_cast<long>(std::min(mark.lines, lines.size())), lines.end());
}

int CountLinesSince(const Probe& probe, LogMark mark, const char* text) {
    int count = 0;
    for (const std::string& line : LinesSince(probe, mark))
        count += line == text;
    return count;
}

std::string WaitForLogLine(const Probe& probe, const char* prefix, int timeoutMs, LogMark mark) {
    std::string found;
    WaitUntil(
        [&] {
            for (const std::string& line : LinesSince(probe, mark))
                if (line.rfind(prefix, 0) == 0) {
                    found = line;
                    return true;
                }
            return false;
        },
        timeoutMs);
    return found;
}

// The report is logged while the sent message is handled, so it is in the log when SendMessage returns.
std::string ReportFlags(Probe& probe) {
    LogMark mark = MarkLog(probe);
    SendMessageW(probe.mainWindow, WM_PROBE_REPORT, 0, 0);
    return WaitForLogLine(probe, "flags", 0, mark);
}

std::string WaitForFlags(Probe& probe, const std::string& flags) {
    std::string last;
    WaitUntil([&] { return (last = ReportFlags(probe)) == flags; });
    return last;
}

DWORD WaitForProbeExit(Probe& probe, int timeoutMs) {
    if (probe.process.hProcess == nullptr) return STILL_ACTIVE;
    WaitForSingleObject(probe.process.hProcess, static_cast<DWORD>(timeoutMs));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(probe.process.hProcess, &code);
    return code;
}

void KillProbe(Probe& probe) {
    if (probe.process.hProcess == nullptr) return;
    if (WaitForSingleObject(probe.process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(probe.process.hProcess, 99);
    CloseHandle(probe.process.hProcess);
    CloseHandle(probe.process.hThread);
    probe.process = {};
    DeleteFileW(probe.logPath.c_str());
}

bool DropOnProbe(Probe& probe, const std::vector<std::wstring>& paths, int timeoutMs, unsigned tag) {
    std::wstring list;
    for (const std::wstring& path : paths)
        list += path + L'\0';
    list += L'\0';
    COPYDATASTRUCT data = {tag, static_cast<DWORD>(list.size() * sizeof(wchar_t)), &list[0]};
    LogMark mark = MarkLog(probe);
    SendMessageW(probe.mainWindow, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data));
    return !WaitForLogLine(probe, "drop done", timeoutMs, mark).empty();
}

std::vector<std::string> ProbeSlots(Probe& probe) {
    int before = CountLogLines(probe, "slots end");
    SendMessageW(probe.mainWindow, WM_PROBE_SLOTS, 0, 0);
    std::vector<std::string> lines = LogLines(probe), slots;
    int ends = 0;
    for (const std::string& line : lines) {
        if (line == "slots end")
            ++ends;
        else if (line.rfind("slot ", 0) == 0 && ends == before)
            slots.push_back(line);
    }
    return slots;
}

bool WriteTestBmp(const std::wstring& path, int width, int height, unsigned (*color)(int x, int y)) {
    int stride = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * height;
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = -height; // top row first
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::vector<unsigned char> rows(static_cast<size_t>(stride) * height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned c = color(x, y);
            unsigned char* p = &rows[static_cast<size_t>(y) * stride + 3 * x];
            p[0] = c & 0xFF;
            p[1] = (c >> 8) & 0xFF;
            p[2] = (c >> 16) & 0xFF;
        }
    FILE* out = _wfopen(path.c_str(), L"wb");
    if (out == nullptr) return false;
    bool written = fwrite(&file, sizeof file, 1, out) == 1 && fwrite(&info, sizeof info, 1, out) == 1 &&
                   fwrite(rows.data(), 1, rows.size(), out) == rows.size();
    fclose(out);
    return written;
}

std::wstring TempFolder() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    return temp;
}
