// Line input under Wine: keys arrive as the window system delivers them, posted to the text
// windows from another thread while the program thread reads.
#include "textwin/key_queue.h"
#include "textwin/text_windows_win.h"
#include "wintest.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"

#include <string>
#include <vector>

namespace {

void CloseAllTextWindows() {
    for (int i = 0; i < SLOT_COUNT; ++i)
        PLR_DestroyTextWindow(i);
    PumpDialogMessages();
}

// One step of typing: a message to a window, or something done from outside, after a pause.
struct Keystroke {
    HWND window;
    UINT message; // WM_CHAR, WM_KEYDOWN; 0: clear lineInputOwner; 1: WM_CLOSE; 2: Ctrl+V by real input
    WPARAM key;
};

struct Typist {
    std::vector<Keystroke> keys;
    HANDLE thread = nullptr;
};

DWORD WINAPI TypeKeys(void* data) {
    Typist* typist = static_cast<Typist*>(data);
    for (const Keystroke& k : typist->keys) {
        Sleep(40);
        if (k.message == 0) {
            runState.lineInputOwner = 0; // what Exit does first
        } else if (k.message == 1) {
            PostMessageW(k.window, WM_CLOSE, 0, 0);
        } else if (k.message == 2) {
            INPUT inputs[4] = {};
            for (INPUT& input : inputs)
                input.type = INPUT_KEYBOARD;
            inputs[0].ki.wVk = inputs[3].ki.wVk = VK_CONTROL;
            inputs[1].ki.wVk = inputs[2].ki.wVk = 'V';
            inputs[2].ki.dwFlags = inputs[3].ki.dwFlags = KEYEVENTF_KEYUP;
            SendInput(4, inputs, sizeof inputs[0]);
        } else {
            PostMessageW(k.window, k.message, k.key, 1);
        }
    }
    return 0;
}

void StartTyping(Typist* typist) { typist->thread = CreateThread(nullptr, 0, TypeKeys, typist, 0, nullptr); }

void FinishTyping(Typist* typist) {
    WaitForSingleObject(typist->thread, 10000);
    CloseHandle(typist->thread);
}

std::vector<Keystroke> Chars(HWND window, const wchar_t* text) {
    std::vector<Keystroke> keys;
    for (const wchar_t* p = text; *p; ++p)
        keys.push_back({window, WM_CHAR, static_cast<WPARAM>(*p)});
    return keys;
}

std::string ReadTyped(const std::vector<Keystroke>& keys) {
    Typist typist;
    typist.keys = keys;
    StartTyping(&typist);
    char buffer[256] = "untouched";
    PLR_ReadLine(buffer);
    FinishTyping(&typist);
    return buffer;
}

std::string StatusText() {
    wchar_t text[64];
    GetWindowTextW(shell.statusLine, text, 64);
    char narrow[64];
    WideToNarrow(text, narrow, 64);
    return narrow;
}

std::string StatusDepth() {
    char depth[32];
    snprintf(depth, sizeof depth, "%d-bit color", shell.colorDepth);
    return std::string(12, ' ') + depth;
}

WT_CASE(TypedLineIsEditedEchoedAndRemembered) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(1, 0, 0, 400, 300) == 0);
    TextWindowSlot& slot = textWindows[1];
    PLR_Printf("Name? ");
    int promptEnd = slot.cursorX;
    WT_CHECK_EQ(ReadTyped(Chars(slot.window, L"ab\b\tc\r")), std::string("a c"));
    WT_CHECK_EQ(slot.cursorX, 0);
    WT_CHECK_EQ(slot.cursorY, slot.cellHeight);
    WT_CHECK(wcscmp(lastLine, L"a c") == 0);
    WT_CHECK_EQ(runState.lineInputOwner.load(), 0);
    WT_CHECK_EQ(StatusText(), StatusDepth());
    // The echo stands right after the prompt on the first row.
    HDC dc = slot.memoryDC;
    int lit = 0;
    for (int y = 0; y < slot.cellHeight; ++y)
        for (int x = promptEnd; x < promptEnd + slot.cellWidth; ++x)
            lit += GetPixel(dc, x, y) != 0;
    WT_CHECK(lit > 0);
    CloseAllTextWindows();
}

WT_CASE(CharactersTypedIntoAnotherWindowAreRead) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(2, 0, 0, 200, 100) == 0);
    WT_REQUIRE(PLR_OpenTextWindow(1, 300, 0, 200, 100) == 0);
    WT_CHECK_EQ(ReadTyped(Chars(textWindows[2].window, L"other\r")), std::string("other"));
    CloseAllTextWindows();
}

WT_CASE(UpArrowRecallsTheLastLineAfterWhatIsTyped) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(1, 0, 0, 400, 300) == 0);
    HWND window = textWindows[1].window;
    WT_CHECK_EQ(ReadTyped(Chars(window, L"ac\r")), std::string("ac"));
    std::vector<Keystroke> keys = Chars(window, L"x");
    keys.push_back({window, WM_KEYDOWN, VK_UP});
    for (const Keystroke& k : Chars(window, L"y\r"))
        keys.push_back(k);
    WT_CHECK_EQ(ReadTyped(keys), std::string("xacy"));
    CloseAllTextWindows();
}

bool SetClipboardUnicode(const wchar_t* text) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(block), text, bytes);
    GlobalUnlock(block);
    bool set = SetClipboardData(CF_UNICODETEXT, block) != nullptr;
    CloseClipboard();
    return set;
}

WT_CASE(CtrlVPastesTheClipboardsFirstLine) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(1, 0, 0, 400, 300) == 0);
    HWND window = textWindows[1].window;
    WT_REQUIRE(SetClipboardUnicode(L"pasted\r\nsecond line"));
    std::vector<Keystroke> keys = Chars(window, L"<");
    keys.push_back({window, 2, 0});
    for (const Keystroke& k : Chars(window, L">\r"))
        keys.push_back(k);
    WT_CHECK_EQ(ReadTyped(keys), std::string("<pasted>"));
    CloseAllTextWindows();
}

WT_CASE(InputEndedFromOutsideReturnsEmpty) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(1, 0, 0, 400, 300) == 0);
    HWND window = textWindows[1].window;
    std::vector<Keystroke> keys = Chars(window, L"abc");
    keys.push_back({window, 0, 0}); // Exit
    WT_CHECK_EQ(ReadTyped(keys), std::string(""));
    WT_CHECK_EQ(StatusText(), StatusDepth());
    while (TakeKey() != 0) {
    }

    keys = Chars(window, L"abc");
    keys.push_back({window, 1, 0}); // the reading window is closed
    WT_CHECK_EQ(ReadTyped(keys), std::string(""));
    WT_CHECK_EQ(textWindows[1].inUse, 0);
    WT_CHECK_EQ(runState.lineInputOwner.load(), 0);

    char buffer[256] = "untouched"; // no window open: nothing happens
    PLR_ReadLine(buffer);
    WT_CHECK_EQ(std::string(buffer), std::string("untouched"));
    CloseAllTextWindows();
}

// The main window's dialogs read lines on the main thread from windows of the program thread.
const UINT WM_READ_ON_MAIN_THREAD = WM_APP + 50;
WNDPROC frameworkProc;
char mainThreadLine[256];
volatile LONG mainThreadDone;

LRESULT CALLBACK ReadingMainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_READ_ON_MAIN_THREAD) {
        PLR_ReadLine(mainThreadLine);
        InterlockedExchange(&mainThreadDone, 1);
        return 0;
    }
    return CallWindowProcW(frameworkProc, window, message, wParam, lParam);
}

WT_CASE(LineInputOnTheMainThreadReadsTheProgramThreadsWindow) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(5, 0, 0, 400, 300) == 0);
    frameworkProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(shell.mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ReadingMainProc)));
    mainThreadDone = 0;
    PostMessageW(shell.mainWindow, WM_READ_ON_MAIN_THREAD, 0, 0);
    Typist typist;
    typist.keys = Chars(textWindows[5].window, L"from here\r");
    Sleep(100); // the main thread is reading by now
    StartTyping(&typist);
    for (int waited = 0; !mainThreadDone && waited < 10000; waited += 5) {
        PumpDialogMessages(); // the program thread keeps its windows' keys flowing
        Sleep(5);
    }
    FinishTyping(&typist);
    SetWindowLongPtrW(shell.mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(frameworkProc));
    WT_CHECK(mainThreadDone);
    WT_CHECK_EQ(std::string(mainThreadLine), std::string("from here"));
    CloseAllTextWindows();
}

} // namespace
