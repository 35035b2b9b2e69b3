#include "tests/win/win_waits.h"

#include <vector>

namespace {

void WaitBriefly() { MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT); }

std::string Narrow(const wchar_t* text) {
    std::string out;
    for (const wchar_t* p = text; *p; ++p)
        out += *p < 128 ? static_cast<char>(*p) : '?';
    return out;
}

bool BelongsTo(HWND window, DWORD processId) {
    if (processId == 0) return true;
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == processId;
}

HWND FindVisible(const wchar_t* className, const wchar_t* title, DWORD processId) {
    for (HWND w = FindWindowW(className, title); w != nullptr; w = FindWindowExW(nullptr, w, className, title))
        if (IsWindowVisible(w) && BelongsTo(w, processId)) return w;
    return nullptr;
}

} // namespace

bool WaitUntil(const std::function<bool()>& done, int timeoutMs, IdleStep idle) {
    DWORD start = GetTickCount();
    for (;;) {
        if (done()) return true;
        if (GetTickCount() - start >= static_cast<DWORD>(timeoutMs)) return false;
        (idle != nullptr ? idle : WaitBriefly)();
    }
}

std::string WindowClassName(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return Narrow(name);
}

std::string WindowText(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return Narrow(text);
}

HWND WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD processId, int timeoutMs, IdleStep idle) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindVisible(className, title, processId)) != nullptr; }, timeoutMs, idle);
    return found;
}

HWND VisiblePopupMenu() { return FindVisible(L"#32768", nullptr, 0); }

std::wstring MessageBoxText(HWND box) {
    std::wstring text;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t buffer[256] = {};
        GetWindowTextW(child, buffer, 256);
        if (WindowClassName(child) == "Static" && wcslen(buffer) > text.size()) text = buffer;
    }
    return text;
}

// The box is found as soon as it exists; its texts follow while the dialog is being built.
HWND WaitForMessageBox(DWORD processId, const wchar_t* caption, int timeoutMs) {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            box = FindVisible(L"#32770", caption, processId);
            return box != nullptr && !MessageBoxText(box).empty();
        },
        timeoutMs);
    return box;
}

namespace {

DWORD WINAPI AnswerFileDialog(void* data) {
    FileDialogAnswer* answer = static_cast<FileDialogAnswer*>(data);
    HWND dialog = nullptr;
    wchar_t name[MAX_PATH] = {};
    // The dialog is ready for its user once it has filled its name box.
    bool ready = WaitUntil([&] {
        dialog = FindVisible(L"#32770", answer->title.c_str(), 0);
        return dialog != nullptr && GetDlgItemTextW(dialog, FILE_DIALOG_NAME_BOX, name, MAX_PATH) > 0;
    });
    if (!ready) return 1;
    answer->nameSeen = name;
    if (answer->fileName.empty()) {
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    } else {
        SetDlgItemTextW(dialog, FILE_DIALOG_NAME_BOX, answer->fileName.c_str());
        PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    }
    answer->answered = true;
    return 0;
}

} // namespace

void StartAnsweringFileDialog(FileDialogAnswer* answer) {
    answer->answered = false;
    answer->thread = CreateThread(nullptr, 0, AnswerFileDialog, answer, 0, nullptr);
}

bool FinishAnsweringFileDialog(FileDialogAnswer* answer) {
    if (answer->thread == nullptr) return false;
    WaitForSingleObject(answer->thread, 2 * WAIT_TIMEOUT_MS);
    CloseHandle(answer->thread);
    answer->thread = nullptr;
    return answer->answered;
}
