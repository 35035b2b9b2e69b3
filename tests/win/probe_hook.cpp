// The probe's hook: a subclass of the main window that logs what happens on the main thread and
// answers the runner's messages, and the log the runner reads.
#include "tests/win/probe_hook.h"
#include "tests/win/probe_protocol.h"
#include "shell/clock.h"
#include "shell/command_ids.h"
#include "shell/request.h"
#include "shell/main_window_win.h"
#include "shell/pump_win.h"
#include "shell/requests_win.h"
#include "shell/window_text_win.h"
#include "imageops/imageops_win.h"
#include "boxes/button_box.h"
#include "boxes/input_box.h"
#include "imagewin/image_slots.h"
#include "pelori.h"

#include <shlobj.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

HANDLE logFile = INVALID_HANDLE_VALUE;
WNDPROC frameworkMainProc;
HANDLE programThreadCopy;
uint32_t exitChosenAt;

} // namespace

char probeMode[32] = "returns";

void ProbeLog(const char* format, ...) {
    char line[512];
    va_list args;
    va_start(args, format);
    int length = vsnprintf(line, sizeof line - 1, format, args);
    va_end(args);
    if (length < 0) return;
    if (length > static_cast<int>(sizeof line) - 2) length = sizeof line - 2;
    line[length++] = '\n';
    DWORD written;
    WriteFile(logFile, line, static_cast<DWORD>(length), &written, nullptr);
}

namespace {

void OpenLog() {
    wchar_t path[MAX_PATH];
    if (GetEnvironmentVariableW(PROBE_LOG_VARIABLE, path, MAX_PATH) == 0) return;
    logFile = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
    wchar_t wideMode[32];
    if (GetEnvironmentVariableW(PROBE_MODE_VARIABLE, wideMode, 32) > 0)
        WideToNarrow(wideMode, probeMode, sizeof probeMode);
}

// Files requests whose results are known whatever the slots hold: an index outside 0..255 gives 4
// and a depth of 16 bits gives 3. Each second filer posts a message that files a nested request
// from inside the next filer's wait.
void FileRequestLoad() {
    uint32_t servedBefore = request.servedCount;
    int wrong = 0;
    for (int i = 0; i < PROBE_LOAD_REQUESTS; ++i) {
        if (i % 2 == 0) PostMessageW(shell.mainWindow, WM_PROBE_NESTED, 0, 0);
        bool outside = i % 3 == 0;
        int index = outside ? (i % 2 ? 256 + i : -1 - i) : i % 256;
        int result = RequestCreateImage(index, "load", 1, 1, 16);
        if (result != (outside ? 4 : 3)) ++wrong;
    }
    PumpMessages();
    ProbeLog("load served=%u wrong=%d", request.servedCount - servedBefore, wrong);
}

int nestedWrong;
void FileNestedRequest() {
    if (RequestCreateImage(300, "nested", 1, 1, 32) != 4) ++nestedWrong;
    ProbeLog("nested wrong=%d", nestedWrong);
}

void FileAfterChoosingExit(HWND window) {
    PostMessageW(window, WM_COMMAND, CMD_EXIT, 0);
    int result = RequestCreateImage(5, "late", 8, 8, 32);
    ProbeLog("filer returned %d", result);
}

void NoteExitChosen(UINT message, WPARAM wParam) {
    bool exitCommand = message == WM_COMMAND && LOWORD(wParam) == CMD_EXIT;
    bool exitKey = message == WM_KEYDOWN && (wParam == 'X' || wParam == VK_ESCAPE) && GetKeyState(VK_CONTROL) >= 0;
    if (exitCommand || exitKey) exitChosenAt = ClockMs();
}

void LogDestroyed(HWND window) {
    DWORD code = 0;
    GetExitCodeThread(programThreadCopy, &code);
    LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    ProbeLog("destroyed thread_exit=%lu exitState=%d running=%d exit_ms=%u accept_files=%d", code,
             runState.exitState.load(), runState.running.load(), ClockMs() - exitChosenAt,
             (exStyle & WS_EX_ACCEPTFILES) != 0);
}

uint32_t SlotChecksum(int slot) {
    if (!imageSlots[slot].inUse || imageSlots[slot].bitDepth != 32) return 0;
    return PixelChecksum(pixels32[slot], imageSlots[slot].width * imageSlots[slot].height);
}

void LogSlots() {
    for (int i = 0; i < SLOT_COUNT; ++i) {
        const ImageSlot& s = imageSlots[i];
        if (s.inUse)
            ProbeLog("slot %d bits=%d w=%d h=%d sum=%08x name=%s", i, s.bitDepth, s.width, s.height, SlotChecksum(i),
                     s.name);
    }
    ProbeLog("slots end");
}

void LogBlock(int slot, LPARAM block) {
    int x = block & 0xFF, y = (block >> 8) & 0xFF, w = (block >> 16) & 0xFF, h = (block >> 24) & 0xFF;
    uint32_t sum = 0;
    const ImageSlot& s = imageSlots[slot];
    if (IsImageInUse(slot) && s.bitDepth == 32 && x + w <= s.width && y + h <= s.height)
        for (int row = y; row < y + h; ++row)
            sum = sum * 31 + PixelChecksum(pixels32[slot] + row * s.width + x, w);
    ProbeLog("block %d sum=%08x", slot, sum);
}

void LogWindows() {
    for (int i = 0; i < SLOT_COUNT; ++i) {
        const ImageSlot& s = imageSlots[i];
        if (!s.inUse) continue;
        RECT outer;
        GetWindowRect(s.window, &outer);
        ProbeLog("window %d x=%ld y=%ld zoom=%d", i, outer.left, outer.top, s.zoom);
    }
    ProbeLog("windows end");
}

void LogPopup() {
    HMENU popup = BuildMainPopup();
    for (int i = 0; i < GetMenuItemCount(popup); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(popup, i, text, 64, MF_BYPOSITION);
        char narrow[64];
        WideToNarrow(text, narrow, sizeof narrow);
        UINT state = GetMenuState(popup, i, MF_BYPOSITION);
        // A separator is reported as such; its greying means nothing.
        state = (state & MF_SEPARATOR) ? MF_SEPARATOR : state & (MF_GRAYED | MF_DISABLED);
        ProbeLog("popup %d %d %u %s", i, static_cast<int>(GetMenuItemID(popup, i)), state, narrow);
    }
    DestroyMenu(popup);
}

// Turns the paths of a WM_COPYDATA into a DROPFILES block, as the shell makes one, and drops it.
void DropPaths(HWND window, const COPYDATASTRUCT* data) {
    if (data->dwData != PROBE_DROP_TAG && data->dwData != PROBE_DROP_AND_START_TAG) return;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + data->cbData + sizeof(wchar_t));
    DROPFILES* drop = static_cast<DROPFILES*>(GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    memcpy(drop + 1, data->lpData, data->cbData);
    GlobalUnlock(block);
    PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(block), 0);
    if (data->dwData == PROBE_DROP_AND_START_TAG) {
        PostMessageW(window, WM_KEYDOWN, 'S', 1);
        PostMessageW(window, WM_PROBE_POPUP, 0, 0);
    }
}

// Through the main window's requests: a new slot, a picture drawn into it, a load aimed at a slot
// that is not open (which must leave every image alone), and a redraw.
void FileImageRequests() {
    int created = RequestCreateImage(0, "req", 64, 48, 32);
    int again = RequestCreateImage(0, "req", 64, 48, 32);
    int loaded = RequestLoadImage(0, PLR_TEST_DATA_DIR "chelsea_crop.png");
    uint32_t before = SlotChecksum(0);
    int current = currentImage;
    int closed = RequestLoadImage(7, PLR_TEST_DATA_DIR "wide_200x100.bmp");
    RequestRedrawImage(0);
    ProbeLog("image created=%d again=%d loaded=%d closed=%d changed=%d blank=%d current_kept=%d", created, again,
             loaded, closed, SlotChecksum(0) != before, before == 0, current == currentImage);
}

// Menus belong to their process, so the runner reads the menu bar through the probe.
void LogMenuBar(HWND window) {
    HMENU menu = GetMenu(window);
    int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
        char narrow[64];
        WideToNarrow(text, narrow, sizeof narrow);
        ProbeLog("menu %d %u %u %s", i, GetMenuItemID(menu, i), GetMenuState(menu, i, MF_BYPOSITION), narrow);
    }
}

LRESULT CALLBACK ProbeMainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    NoteExitChosen(message, wParam);
    switch (message) {
    case WM_PROBE_REPORT:
        ProbeLog("flags start=%d running=%d stop=%d exit=%d", runState.startRequested.load(), runState.running.load(),
                 runState.stopRequested.load(), runState.exitState.load());
        return 0;
    case WM_PROBE_LOAD: FileRequestLoad(); return 0;
    case WM_PROBE_NESTED: FileNestedRequest(); return 0;
    case WM_PROBE_MENU: LogMenuBar(window); return 0;
    case WM_PROBE_IMAGE_REQUESTS: FileImageRequests(); return 0;
    case WM_PROBE_BUTTON_BOX: {
        uint32_t before = request.servedCount;
        RequestButtonBox(static_cast<int>(wParam), static_cast<int>(lParam));
        ProbeLog("button box served=%u buttons=%d", request.servedCount - before, buttonBox.count);
        return 0;
    }
    case WM_PROBE_SLOTS: LogSlots(); return 0;
    case WM_PROBE_WINDOWS: LogWindows(); return 0;
    case WM_PROBE_BLOCK: LogBlock(static_cast<int>(wParam), lParam); return 0;
    case WM_PROBE_POPUP: LogPopup(); return 0;
    case WM_PROBE_INPUT_BOX: {
        uint32_t before = request.servedCount;
        RequestInputBox(static_cast<int>(wParam));
        ProbeLog("input box served=%u rows=%d", request.servedCount - before, inputBox.items);
        return 0;
    }
    case WM_PROBE_LINE: ProbeLog("line owner=%d", runState.lineInputOwner.load()); return 0;
    case WM_PROBE_FONT: {
        LOGFONTW font = {};
        GetObjectW(imageTextFont, sizeof font, &font);
        ProbeLog("font height=%ld width=%ld", static_cast<long>(font.lfHeight), static_cast<long>(font.lfWidth));
        return 0;
    }
    case WM_PROBE_SET_FLAGS:
        runState.lineInputOwner = static_cast<int32_t>(wParam);
        runState.graphToolActive = static_cast<int32_t>(lParam);
        return 0;
    case WM_COPYDATA: DropPaths(window, reinterpret_cast<const COPYDATASTRUCT*>(lParam)); return TRUE;
    case WM_PROBE_TEXT_WINDOW: {
        uint32_t before = request.servedCount;
        RequestTextWindow(static_cast<int>(wParam));
        ProbeLog("text window served=%u", request.servedCount - before);
        return 0;
    }
    case WM_PROBE_GIVE_UP: FileAfterChoosingExit(window); return 0;
    case WM_COMMAND: ProbeLog("command %d", static_cast<int>(LOWORD(wParam))); break;
    case WM_DROPFILES: {
        LRESULT result = CallWindowProcW(frameworkMainProc, window, message, wParam, lParam);
        ProbeLog("drop done");
        return result;
    }
    case WM_DESTROY: LogDestroyed(window); break;
    // The frame drag's modal loop, so the runner can tell when it has begun and ended.
    case WM_ENTERSIZEMOVE: ProbeLog("size move begins"); break;
    case WM_EXITSIZEMOVE: ProbeLog("size move ends"); break;
    case WM_RBUTTONDOWN:
    case WM_NCRBUTTONDOWN: {
        // Logged once the framework is done with the click: after the popup menu, if one opened.
        LRESULT result = CallWindowProcW(frameworkMainProc, window, message, wParam, lParam);
        ProbeLog("right click done");
        return result;
    }
    }
    return CallWindowProcW(frameworkMainProc, window, message, wParam, lParam);
}

} // namespace

void InstallProbeHook() {
    OpenLog();
    programThreadCopy = OpenThread(SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, shell.programThreadId);
    frameworkMainProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(shell.mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ProbeMainProc)));
    ProbeLog("setup instance=%d mode=%s", shell.instanceNumber, probeMode);
}
