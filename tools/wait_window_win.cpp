// plr_waitwindow [--timeout SECONDS] [--drawn] CLASS [TITLE]: waits for a visible top-level window
// whose class starts with CLASS (and whose title starts with TITLE), prints its class and title
// separated by a tab, and exits 1 when none came within the timeout (60 s unless told). With
// --drawn it also waits until the window has drawn its picture: the thread that owns it answers a
// message again and the uncovered part of its client area shows a pixel that is not black. Used
// by scripts to wait for the program on a virtual display instead of sleeping.
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

const DWORD POLL_MS = 100;
const UINT ANSWER_TIMEOUT_MS = 1000;

struct Search {
    const wchar_t* classPrefix;
    const wchar_t* titlePrefix;
    HWND found;
};

bool StartsWith(const wchar_t* text, const wchar_t* prefix) { return wcsncmp(text, prefix, wcslen(prefix)) == 0; }

std::wstring ClassOf(HWND window) {
    wchar_t name[256] = L"";
    GetClassNameW(window, name, 256);
    return name;
}

// Reads the title without sending a message, so a busy program cannot hold the search up.
std::wstring TitleOf(HWND window) {
    wchar_t title[512] = L"";
    GetWindowTextW(window, title, 512);
    return title;
}

BOOL CALLBACK MatchWindow(HWND window, LPARAM data) {
    Search* search = reinterpret_cast<Search*>(data);
    if (!IsWindowVisible(window) || !StartsWith(ClassOf(window).c_str(), search->classPrefix)) return TRUE;
    if (search->titlePrefix != nullptr && !StartsWith(TitleOf(window).c_str(), search->titlePrefix)) return TRUE;
    search->found = window;
    return FALSE;
}

// The thread that owns a window answers messages only between its pieces of work, so an answer
// means that what it was drawing is finished.
bool OwnerAnswers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG, ANSWER_TIMEOUT_MS, &result) != 0;
}

// The part of the client area on the screen that no window above it covers.
HRGN UncoveredClientRegion(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    RECT screen = {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    IntersectRect(&client, &client, &screen);
    HRGN region = CreateRectRgnIndirect(&client);
    for (HWND above = GetWindow(window, GW_HWNDPREV); above != nullptr; above = GetWindow(above, GW_HWNDPREV)) {
        if (!IsWindowVisible(above)) continue;
        RECT frame;
        GetWindowRect(above, &frame);
        HRGN cover = CreateRectRgnIndirect(&frame);
        CombineRgn(region, region, cover, RGN_DIFF);
        DeleteObject(cover);
    }
    return region;
}

// Reads the screen, as a screenshot would, inside the uncovered client area.
bool ShowsNonBlackPixel(HWND window) {
    HRGN region = UncoveredClientRegion(window);
    RECT box;
    std::vector<unsigned char> data(GetRegionData(region, 0, nullptr));
    bool empty = GetRgnBox(region, &box) == NULLREGION || data.empty() ||
                 GetRegionData(region, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data())) == 0;
    DeleteObject(region);
    if (empty) return false;

    int width = box.right - box.left, height = box.bottom - box.top;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    bool found = false;
    if (bitmap != nullptr) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
        SelectObject(memory, previous);
        GdiFlush();
        const RGNDATA* rects = reinterpret_cast<const RGNDATA*>(data.data());
        const RECT* rect = reinterpret_cast<const RECT*>(rects->Buffer);
        const uint32_t* pixels = static_cast<const uint32_t*>(bits);
        for (DWORD i = 0; i < rects->rdh.nCount && !found; ++i)
            for (int y = rect[i].top; y < rect[i].bottom && !found; ++y)
                for (int x = rect[i].left; x < rect[i].right && !found; ++x)
                    found = (pixels[(y - box.top) * width + (x - box.left)] & 0xFFFFFF) != 0;
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return found;
}

std::string Utf8(const std::wstring& text) {
    int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(size > 0 ? static_cast<size_t>(size) : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, &out[0], size, nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

int Usage() {
    std::fprintf(stderr, "usage: plr_waitwindow [--timeout SECONDS] [--drawn] CLASS [TITLE]\n"
                         "  waits for a visible top-level window whose class starts with CLASS and whose\n"
                         "  title starts with TITLE, and prints its class and title separated by a tab\n");
    return 2;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    double seconds = 60;
    bool drawn = false;
    int next = 1;
    for (; next < argc && wcsncmp(argv[next], L"--", 2) == 0; ++next) {
        if (wcscmp(argv[next], L"--drawn") == 0) {
            drawn = true;
        } else if (wcscmp(argv[next], L"--timeout") == 0 && next + 1 < argc) {
            wchar_t* end = nullptr;
            seconds = wcstod(argv[++next], &end);
            if (*end != 0 || !(seconds > 0)) return Usage();
        } else {
            return Usage();
        }
    }
    if (argc - next < 1 || argc - next > 2) return Usage();
    Search search = {argv[next], argc - next == 2 ? argv[next + 1] : nullptr, nullptr};
    std::string wanted = "window of class " + Utf8(search.classPrefix) + "*";
    if (search.titlePrefix != nullptr) wanted += " titled \"" + Utf8(search.titlePrefix) + "*\"";

    // Whatever is read from the screen may lag what the thread drew by one flush, so the drawn
    // state must be seen twice in a row.
    HWND seenDrawn = nullptr;
    HWND lastFound = nullptr;
    DWORD start = GetTickCount();
    for (;;) {
        search.found = nullptr;
        EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
        HWND window = search.found;
        if (window != nullptr) lastFound = window;
        bool done = window != nullptr && !drawn;
        if (window != nullptr && drawn) {
            bool nowDrawn = OwnerAnswers(window) && ShowsNonBlackPixel(window);
            done = nowDrawn && seenDrawn == window;
            seenDrawn = nowDrawn ? window : nullptr;
        }
        if (done) {
            _setmode(_fileno(stdout), _O_BINARY); // a plain "\n", whoever reads it
            std::string line = Utf8(ClassOf(window)) + "\t" + Utf8(TitleOf(window)) + "\n";
            std::fwrite(line.data(), 1, line.size(), stdout);
            return 0;
        }
        if (static_cast<double>(GetTickCount() - start) >= seconds * 1000) break;
        Sleep(POLL_MS);
    }
    if (lastFound != nullptr && drawn)
        std::fprintf(stderr, "plr_waitwindow: the %s (\"%s\") showed no picture within %g s\n", wanted.c_str(),
                     Utf8(TitleOf(lastFound)).c_str(), seconds);
    else
        std::fprintf(stderr, "plr_waitwindow: no %s within %g s\n", wanted.c_str(), seconds);
    return 1;
}
