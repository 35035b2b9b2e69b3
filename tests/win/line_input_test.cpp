// Line input under Wine: keys arrive as the window system delivers them, posted to the text
// windows from another thread while the program thread reads.
#include "textwin/key_queue.h"
#include "textwin/text_windows_win.h"
#include "tests/win/in_process.h"
#include "tests/win/win_input.h"
#include "tests/win/wintest.h"
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

bool Reading() { return runState.lineInputOwner.load() != 0; }

// The reading loop has taken every queued unit and served any recall.
bool KeysTaken() { return keyQueueRead.load() == keyQueueWrite.load() && recallRequest.load() == RECALL_NONE; }

// Sent, not posted: when the call returns the window has queued it, so each key follows the last.
InputStep Key(HWND window, UINT message, WPARAM key) {
    return {Reading, [=] { SendMessageW(window, message, key, 1); }, KeysTaken};
}

std::vector<InputStep> Chars(HWND window, const wchar_t* text) {
    std::vector<InputStep> steps;
    for (const wchar_t* p = text; *p; ++p)
        steps.push_back(Key(window, WM_CHAR, static_cast<WPARAM>(*p)));
    return steps;
}

std::vector<InputStep> operator+(std::vector<InputStep> a, const std::vector<InputStep>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

InputStep EndInputAsExitDoes() {
    return {Reading, [] { runState.lineInputOwner = 0; }, nullptr};
}

InputStep CloseWindow(int index) {
    HWND window = textWindows[index].window;
    return {Reading, [=] { PostMessageW(window, WM_CLOSE, 0, 0); }, [=] { return textWindows[index].inUse == 0; }};
}

// Ctrl+V by real input, to whichever window has the focus; done once the pasted units are taken.
uint32_t pasteStart;
InputStep PasteByKeyboard(uint32_t units) {
    return {Reading,
            [] {
                pasteStart = keyQueueWrite.load();
                SendKey('V', true);
            },
            [=] { return keyQueueWrite.load() - pasteStart >= units && KeysTaken(); }};
}

std::string ReadTyped(std::vector<InputStep> steps) {
    InputPlayer player;
    StartInput(&player, std::move(steps));
    char buffer[256] = "untouched";
    PLR_ReadLine(buffer);
    bool played = FinishInput(&player, PumpBriefly);
    return played ? buffer : std::string("(input not played) ") + buffer;
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

// A prompt that fills its row: the line starts on the next row, inside the window.
WT_CASE(APromptAtTheRightEdgePutsTheLineOnTheNextRow) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(1, 0, 0, 400, 300) == 0);
    TextWindowSlot& slot = textWindows[1];
    while (slot.cursorY == 0 && slot.cursorX + slot.cellWidth <= slot.width)
        PLR_Printf("W");
    WT_REQUIRE(slot.cursorY == 0); // no whole cell left on the first row
    WT_CHECK_EQ(ReadTyped(Chars(slot.window, L"ab\r")), std::string("ab"));
    WT_CHECK_EQ(slot.cursorY, 2 * slot.cellHeight); // the prompt's row, the line's, then the next
    // "a" and "b" stand in the first two cells of the line's row: none of it went past the edge.
    for (int cell = 0; cell < 2; ++cell) {
        int lit = 0;
        for (int y = slot.cellHeight; y < 2 * slot.cellHeight; ++y)
            for (int x = cell * slot.cellWidth; x < (cell + 1) * slot.cellWidth; ++x)
                lit += GetPixel(slot.memoryDC, x, y) != 0;
        WT_CHECK(lit > 0);
    }
    CloseAllTextWindows();
}

// A new size clears the window during the read; the line so far is shown again, and backspace
// stays inside the window.
WT_CASE(AResizeDuringTheReadShowsTheLineAgain) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(1, 0, 0, 40, 100) == 0);
    TextWindowSlot& slot = textWindows[1];
    HWND window = slot.window;
    InputStep resize = {Reading, [=] { SendMessageW(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(200, 100)); },
                        [] { return !Reading() || textWindows[1].width == 200; }};
    std::vector<InputStep> steps = Chars(window, L"abcdefghijkl") + std::vector<InputStep>{resize};
    std::string line = ReadTyped(steps + Chars(window, std::wstring(12, L'\b').c_str()) + Chars(window, L"z\r"));
    WT_CHECK_EQ(line, std::string("z"));
    WT_CHECK_EQ(slot.cursorY, slot.cellHeight); // "z" on the first row, then the next
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
    std::vector<InputStep> keys = Chars(window, L"x") + std::vector<InputStep>{Key(window, WM_KEYDOWN, VK_UP)};
    WT_CHECK_EQ(ReadTyped(keys + Chars(window, L"y\r")), std::string("xacy"));
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
    std::vector<InputStep> keys = Chars(window, L"<") + std::vector<InputStep>{PasteByKeyboard(6)};
    WT_CHECK_EQ(ReadTyped(keys + Chars(window, L">\r")), std::string("<pasted>"));
    CloseAllTextWindows();
}

WT_CASE(InputEndedFromOutsideReturnsEmpty) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(1, 0, 0, 400, 300) == 0);
    HWND window = textWindows[1].window;
    WT_CHECK_EQ(ReadTyped(Chars(window, L"abc") + std::vector<InputStep>{EndInputAsExitDoes()}), std::string(""));
    WT_CHECK_EQ(StatusText(), StatusDepth());
    while (TakeKey() != 0) {
    }

    WT_CHECK_EQ(ReadTyped(Chars(window, L"abc") + std::vector<InputStep>{CloseWindow(1)}), std::string(""));
    WT_CHECK_EQ(textWindows[1].inUse, 0);
    WT_CHECK_EQ(runState.lineInputOwner.load(), 0);

    char buffer[256] = "untouched"; // no window open: nothing happens
    PLR_ReadLine(buffer);
    WT_CHECK_EQ(std::string(buffer), std::string("untouched"));
    CloseAllTextWindows();
}

// Ctrl with a letter gives a control character, which a line drops; AltGr (Ctrl+Alt) gives
// characters of European layouts, which it keeps. The key state is this thread's, as the text
// window's procedure sees it.
WT_CASE(CtrlCharactersAreDroppedButAltGrCharactersKept) {
    struct Case {
        const char* name;
        bool control, alt;
        wchar_t character;
        bool kept;
    } cases[] = {
        {"plain", false, false, L'a', true},
        {"Ctrl+A", true, false, 0x01, false},
        {"AltGr+Q on a German layout", true, true, L'@', true},
        {"AltGr+E", true, true, 0x20AC, true},
        {"Alt alone", false, true, L'x', true},
    };
    BYTE saved[256];
    GetKeyboardState(saved);
    while (TakeKey() != 0) {
    }
    for (const Case& c : cases) {
        BYTE state[256] = {};
        state[VK_CONTROL] = c.control ? 0x80 : 0;
        state[VK_MENU] = c.alt ? 0x80 : 0;
        SetKeyboardState(state);
        QueueTypedCharacter(c.character);
        wchar_t taken = TakeKey();
        if (c.kept)
            WT_CHECK_EQ(static_cast<long long>(taken), static_cast<long long>(c.character));
        else
            WT_CHECK_EQ(static_cast<long long>(taken), 0ll);
        if ((taken != 0) != c.kept) std::printf("case: %s\n", c.name);
    }
    SetKeyboardState(saved);
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
    // The keys go in once the main thread reads; the program thread keeps its windows' keys flowing.
    WT_CHECK(PlayInput(Chars(textWindows[5].window, L"from here\r"), PumpBriefly));
    WT_CHECK(WaitUntil([] { return mainThreadDone != 0; }, WAIT_TIMEOUT_MS, PumpBriefly));
    SetWindowLongPtrW(shell.mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(frameworkProc));
    WT_CHECK(mainThreadDone);
    WT_CHECK_EQ(std::string(mainThreadLine), std::string("from here"));
    CloseAllTextWindows();
}

} // namespace
