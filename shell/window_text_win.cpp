// Window texts: held as 8-bit system-code-page text, handed to windows as UTF-16.
#include "shell/window_text_win.h"
#include "shell/status_text.h"

#include <cstdio>

enum { TEXT_CAPACITY = 256 };

bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != 0; }

int NarrowToWide(const char* text, wchar_t* out, int capacity) {
    if (capacity <= 0) return 0;
    int written = MultiByteToWideChar(CP_ACP, 0, text, -1, out, capacity);
    if (written > 0) return written - 1;
    // Too long: convert character by character (a lead byte and its trail byte together) so the
    // cut falls between whole characters.
    int length = 0;
    for (const char* p = text; *p != '\0' && length < capacity - 1;) {
        int bytes = (IsDBCSLeadByte(static_cast<BYTE>(*p)) && p[1] != '\0') ? 2 : 1;
        wchar_t one[2];
        int units = MultiByteToWideChar(CP_ACP, 0, p, bytes, one, 2);
        if (units <= 0 || length + units > capacity - 1) break;
        for (int i = 0; i < units; ++i)
            out[length++] = one[i];
        p += bytes;
    }
    out[length] = L'\0';
    return length;
}

// A code page of UTF-8 has every character; the default-character test is not allowed for it.
static int ExactNarrow(const wchar_t* text, char* out, int capacity) {
    BOOL lossy = FALSE;
    bool utf8 = GetACP() == CP_UTF8;
    int written = WideCharToMultiByte(CP_ACP, utf8 ? 0 : WC_NO_BEST_FIT_CHARS, text, -1, out, capacity, nullptr,
                                      utf8 ? nullptr : &lossy);
    return written > 0 && !lossy ? 0 : 1;
}

int PathToNarrow(const wchar_t* path, char* out, int capacity) {
    if (capacity <= 0) return 1;
    if (ExactNarrow(path, out, capacity) == 0) return 0;
    wchar_t shortPath[MAX_PATH];
    DWORD length = GetShortPathNameW(path, shortPath, MAX_PATH);
    if (length > 0 && length < MAX_PATH && ExactNarrow(shortPath, out, capacity) == 0) return 0;
    out[0] = '\0';
    return 1;
}

int PathToWide(const char* path, wchar_t* out, int capacity) {
    if (capacity <= 0) return 1;
    if (path != nullptr && MultiByteToWideChar(CP_ACP, 0, path, -1, out, capacity) > 0) return 0;
    out[0] = L'\0';
    return 1;
}

int WideToNarrow(const wchar_t* text, char* out, int capacity) {
    if (capacity <= 0) return 0;
    int written = WideCharToMultiByte(CP_ACP, 0, text, -1, out, capacity, nullptr, nullptr);
    if (written > 0) return written - 1;
    // Too long: convert one character (or surrogate pair) at a time and stop before the one that
    // does not fit, so a double-byte character is never cut in two.
    int length = 0;
    for (const wchar_t* p = text; *p != L'\0';) {
        int units = (IS_HIGH_SURROGATE(p[0]) && IS_LOW_SURROGATE(p[1])) ? 2 : 1;
        char bytes[8];
        int count = WideCharToMultiByte(CP_ACP, 0, p, units, bytes, sizeof bytes, nullptr, nullptr);
        if (count <= 0 || length + count > capacity - 1) break;
        for (int i = 0; i < count; ++i)
            out[length++] = bytes[i];
        p += units;
    }
    out[length] = '\0';
    return length;
}

void SetStatusText(const char* text) {
    char field[STATUS_FIELD_SIZE];
    FormatStatusField(text, field);
    wchar_t wide[STATUS_FIELD_SIZE];
    NarrowToWide(field, wide, STATUS_FIELD_SIZE);
    SetWindowTextW(shell.statusLine, wide);
}

void SetStatusColorDepth() {
    char depth[16];
    snprintf(depth, sizeof depth, "%d-bit color", shell.colorDepth);
    SetStatusText(depth);
}

void InsertMenuText(HMENU menu, int position, int state, int id, const char* text) {
    wchar_t wide[TEXT_CAPACITY];
    NarrowToWide(text, wide, TEXT_CAPACITY);
    InsertMenuW(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING | static_cast<UINT>(state),
                static_cast<UINT_PTR>(id), wide);
}

void InsertMenuSeparator(HMENU menu, int position) {
    InsertMenuW(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
}

void InsertSubMenu(HMENU menu, HMENU submenu, int position, const char* text) {
    wchar_t wide[TEXT_CAPACITY];
    NarrowToWide(text, wide, TEXT_CAPACITY);
    InsertMenuW(menu, static_cast<UINT>(position), MF_BYPOSITION | MF_STRING | MF_POPUP,
                reinterpret_cast<UINT_PTR>(submenu), wide);
}

void ShowSingleItemMenu(HWND owner, int id, const char* text) {
    POINT cursor;
    GetCursorPos(&cursor);
    HMENU popup = CreatePopupMenu();
    InsertMenuText(popup, 0, 0, id, text);
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, owner, nullptr);
    DestroyMenu(popup);
}

void SetWindowTextNarrow(HWND window, const char* text) {
    wchar_t wide[TEXT_CAPACITY];
    NarrowToWide(text, wide, TEXT_CAPACITY);
    SetWindowTextW(window, wide);
}

void GetWindowTextNarrow(HWND window, char* buffer, int size) {
    if (size <= 0) return;
    if (size > TEXT_CAPACITY) size = TEXT_CAPACITY;
    wchar_t wide[TEXT_CAPACITY];
    wide[0] = L'\0';
    GetWindowTextW(window, wide, size);
    WideToNarrow(wide, buffer, size);
}
