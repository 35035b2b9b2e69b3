// The button box under Wine: real clicks and keys from another thread while the program thread
// pumps, as it does in the application's waits.
#include "boxes/button_box.h"
#include "boxes/button_box_win.h"
#include "boxes/button_layout.h"
#include "imageops/color_order.h"
#include "shell/command_ids.h"
#include "textwin/text_windows_win.h"
#include "tests/win/in_process.h"
#include "tests/win/win_input.h"
#include "tests/win/wintest.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"

#include <string>
#include <vector>

namespace {

void CloseEverything() {
    CloseButtonBox();
    for (int i = 0; i < SLOT_COUNT; ++i)
        PLR_DestroyTextWindow(i);
    PumpDialogMessages();
}

std::string Label(int index) {
    char label[256];
    GetWindowTextNarrow(buttonBox.buttons[index], label, sizeof label);
    return label;
}

SIZE ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// The player's thread reads what the program thread writes as it handles the input.
int Presses(int index) { return *static_cast<volatile int*>(&buttonBox.presses[index]); }
bool BoxOpen() { return *static_cast<HWND volatile*>(&buttonBox.window) != nullptr; }
bool Reading() { return runState.lineInputOwner.load() != 0; }
bool PopupShown() { return VisiblePopupMenu() != nullptr; }

// Mouse input goes to the box as posted messages, with the points the window system would give:
// under Wine on a virtual display, a real click on a box just opened is at times lost before it
// reaches any window.

// A click on the button, done once the box has counted it as press number `count`.
InputStep Click(int index, int count) {
    HWND button = buttonBox.buttons[index];
    return {nullptr, [=] { PostMessageW(button, BM_CLICK, 0, 0); }, [=] { return Presses(index) == count; }};
}

InputStep PostMouse(UINT message, WPARAM wParam, POINT at, std::function<bool()> done) {
    HWND box = buttonBox.window;
    return {nullptr, [=] { PostMessageW(box, message, wParam, MAKELPARAM(at.x, at.y)); }, done};
}

InputStep Digit(WORD key, int index, int count) {
    return {nullptr, [=] { SendKey(key); }, [=] { return Presses(index) == count; }};
}

// A line typed into the text window that reads, sent so that each character follows the last;
// done once the read has ended.
InputStep TypeLine(const wchar_t* text) {
    return {Reading,
            [=] {
                for (const wchar_t* p = text; *p; ++p)
                    SendMessageW(textWindows[currentTextWindow].window, WM_CHAR, *p, 1);
            },
            [] { return !Reading(); }};
}

// A right click on the client point, or on the caption at the screen point, opens a popup menu.
InputStep RightClickForPopup(POINT client) { return PostMouse(WM_RBUTTONDOWN, MK_RBUTTON, client, PopupShown); }
InputStep RightClickOnCaption(POINT screen) { return PostMouse(WM_NCRBUTTONDOWN, HTCAPTION, screen, PopupShown); }

// The popup menu's first item, chosen by keyboard.
InputStep ChooseFirstItem(std::function<bool()> done) {
    return {PopupShown,
            [] {
                SendKey(VK_DOWN);
                SendKey(VK_RETURN);
            },
            done};
}

// Plays the steps from another thread while the program thread pumps (and reads lines when a
// rename asks); the box has the keyboard first.
bool Play(std::vector<InputStep> steps) {
    if (buttonBox.window != nullptr) {
        HWND box = buttonBox.window;
        SetForegroundWindow(box);
        if (!WaitUntil([=] { return GetForegroundWindow() == box; }, WAIT_TIMEOUT_MS, PumpBriefly)) return false;
    }
    return PlayInput(std::move(steps), PumpBriefly);
}

WT_CASE(OpenLaysOutTheGrid) {
    CloseEverything();
    PLR_OpenButtonBox(0, 0, 2, 10);
    WT_REQUIRE(buttonBox.window != nullptr);
    HWND box = buttonBox.window;
    wchar_t text[32];
    GetWindowTextW(box, text, 32);
    WT_CHECK(wcscmp(text, L"ButtonBox") == 0);
    GetClassNameW(box, text, 32);
    WT_CHECK(wcscmp(text, L"plr_bb") == 0);
    WT_CHECK(GetWindow(box, GW_OWNER) == shell.mainWindow);
    WT_CHECK_EQ(ClientSize(box).cx, 208);
    WT_CHECK_EQ(ClientSize(box).cy, 304);
    WT_CHECK_EQ(buttonBox.count, 20);
    WT_CHECK_EQ(Label(0), std::string("0"));
    WT_CHECK_EQ(Label(19), std::string("19"));
    PLR_SetButtonBoxTitle(19, nullptr); // no text: an empty label
    WT_CHECK_EQ(Label(19), std::string(""));
    RECT button;
    GetWindowRect(buttonBox.buttons[3], &button);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&button), 2);
    WT_CHECK_EQ(button.left, 106);
    WT_CHECK_EQ(button.top, 34);
    WT_CHECK_EQ(button.right - button.left, 98);
    WT_CHECK_EQ(button.bottom - button.top, 26);
    WT_CHECK_EQ(GetDlgCtrlID(buttonBox.buttons[3]), 3003);
    WT_CHECK((GetWindowLongPtrW(buttonBox.buttons[3], GWL_STYLE) & BS_MULTILINE) != 0);

    PLR_OpenButtonBox(0, 0, 3, 3); // already open: nothing changes
    WT_CHECK(buttonBox.window == box);
    WT_CHECK_EQ(buttonBox.count, 20);
    CloseEverything();

    PLR_OpenButtonBox(0, 0, 17, 16);
    WT_CHECK(buttonBox.window == nullptr);
    PLR_OpenButtonBox(0, 0, 0, 5);
    WT_CHECK(buttonBox.window == nullptr);
    PLR_OpenButtonBox(0, 0, 16, 16);
    WT_CHECK(buttonBox.window != nullptr);
    WT_CHECK_EQ(buttonBox.count, 256);
    WT_CHECK_EQ(Label(255), std::string("255"));
    CloseEverything();
}

WT_CASE(ClicksAndDigitKeysCountPresses) {
    CloseEverything();
    PLR_OpenButtonBox(100, 100, 2, 10);
    WT_REQUIRE(buttonBox.window != nullptr);
    WT_REQUIRE(Play({Click(3, 1), Click(3, 2)}));
    WT_CHECK_EQ(PLR_GetButtonPress(3), 2);
    WT_CHECK_EQ(PLR_GetButtonPress(3), 0);
    WT_CHECK(GetFocus() == buttonBox.window);
    WT_REQUIRE(Play({Digit('5', 5, 1), Digit(VK_NUMPAD7, 7, 1), Digit('5', 5, 2)}));
    WT_CHECK_EQ(PLR_GetButtonPress(5), 2);
    WT_CHECK_EQ(PLR_GetButtonPress(7), 1);
    WT_CHECK_EQ(PLR_GetButtonPress(3), 0);
    CloseEverything();
}

std::vector<WPARAM> mainWindowKeys;
volatile LONG mainWindowKeyCount;
WNDPROC frameworkMainProc;
LRESULT CALLBACK RecordingMainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) {
        mainWindowKeys.push_back(wParam); // recorded, not acted on: Exit would end the test
        InterlockedIncrement(&mainWindowKeyCount);
        return 0;
    }
    return CallWindowProcW(frameworkMainProc, window, message, wParam, lParam);
}

// A key to the box, done once the main window has received `count` keys; null: nothing to wait for.
InputStep KeyOn(WORD key, int count) {
    return {nullptr, [=] { SendKey(key); }, [=] { return count < 0 || mainWindowKeyCount == count; }};
}

WT_CASE(RunKeysGoOnToTheMainWindow) {
    CloseEverything();
    PLR_OpenButtonBox(100, 100, 2, 2);
    WT_REQUIRE(buttonBox.window != nullptr);
    mainWindowKeys.clear();
    mainWindowKeyCount = 0;
    frameworkMainProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(shell.mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingMainProc)));
    // 'A' stays in the box: the S after it is the next key the main window sees.
    bool played = Play(
        {Click(0, 1), KeyOn('S', 1), KeyOn('C', 2), KeyOn('X', 3), KeyOn(VK_ESCAPE, 4), KeyOn('A', -1), KeyOn('S', 5)});
    SetWindowLongPtrW(shell.mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(frameworkMainProc));
    WT_CHECK(played);
    std::vector<WPARAM> expected = {'S', 'C', 'X', VK_ESCAPE, 'S'};
    WT_CHECK(mainWindowKeys == expected);
    CloseEverything();
}

WT_CASE(ResizingScalesEveryButton) {
    CloseEverything();
    PLR_OpenButtonBox(0, 0, 2, 10);
    WT_REQUIRE(buttonBox.window != nullptr);
    PLR_ResizeButtonBox(308, 304);
    WT_CHECK_EQ(ClientSize(buttonBox.window).cx, 308);
    WT_CHECK_EQ(buttonBox.buttonWidth, 148);
    WT_CHECK_EQ(buttonBox.buttonHeight, 26);
    RECT button;
    GetWindowRect(buttonBox.buttons[1], &button);
    MapWindowPoints(nullptr, buttonBox.window, reinterpret_cast<POINT*>(&button), 2);
    WT_CHECK_EQ(button.left, 156);
    WT_CHECK_EQ(button.right - button.left, 148);
    // As small as the window system lets the frame become: the buttons follow the client area.
    PLR_ResizeButtonBox(9, 9);
    SIZE client = ClientSize(buttonBox.window);
    GridSize expected = ButtonSizeForClient(client.cx, client.cy, 2, 10);
    WT_CHECK_EQ(buttonBox.buttonWidth, expected.width);
    WT_CHECK_EQ(buttonBox.buttonHeight, expected.height);
    CloseEverything();
    PLR_OpenButtonBox(0, 0, 1, 1); // the next box keeps the last button size
    WT_CHECK_EQ(buttonBox.buttonWidth, expected.width);
    CloseEverything();
}

WT_CASE(RenamingReadsALineAndAnEmptyOneKeepsTheLabel) {
    CloseEverything();
    PLR_OpenButtonBox(100, 100, 2, 10);
    WT_REQUIRE(buttonBox.window != nullptr);
    // A double click on the gap below button 2 renames it (the gap belongs to the cell above... or below)
    int cell = ButtonCellAt(50, 60, 2, 10, 98, 26);
    InputStep doubleClick = PostMouse(WM_LBUTTONDBLCLK, MK_LBUTTON, {50, 60}, Reading);
    WT_REQUIRE(Play({doubleClick, TypeLine(L"Go\r")}));
    WT_CHECK_EQ(Label(cell), std::string("Go"));
    WT_CHECK(IsOpenTextWindow(0));
    WT_REQUIRE(Play({doubleClick, TypeLine(L"\r")}));
    WT_CHECK_EQ(Label(cell), std::string("Go"));

    // The "Rename" popup of a right click right of the last column names that row's last button.
    WT_REQUIRE(Play({RightClickForPopup({207, 40}), ChooseFirstItem(Reading), TypeLine(L"Right\r")}));
    WT_CHECK_EQ(buttonBox.renameTarget, 3);
    WT_CHECK_EQ(Label(3), std::string("Right"));
    CloseEverything();
}

// A double click on another button while one rename reads: the second read gets nothing at once,
// so that button keeps its label, and the first rename goes on with what is typed.
WT_CASE(ASecondRenameWhileOneReadsGetsNothing) {
    CloseEverything();
    PLR_OpenButtonBox(100, 100, 2, 10);
    WT_REQUIRE(buttonBox.window != nullptr);
    HWND box = buttonBox.window;
    InputStep firstRename = PostMouse(WM_LBUTTONDBLCLK, MK_LBUTTON, {50, 60}, Reading);
    // Sent: it returns once the box has handled the second double click, unless that read waits.
    InputStep secondRename = {nullptr,
                              [=] {
                                  DWORD_PTR result = 0;
                                  SendMessageTimeoutW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(150, 10),
                                                      SMTO_NORMAL, WAIT_TIMEOUT_MS, &result);
                              },
                              Reading};
    WT_CHECK(Play({firstRename, secondRename, TypeLine(L"First\r")}));
    WT_CHECK_EQ(Label(ButtonCellAt(50, 60, 2, 10, 98, 26)), std::string("First"));
    WT_CHECK_EQ(Label(1), std::string("1"));
    WT_CHECK_EQ(runState.lineInputOwner.load(), 0);
    CloseEverything();
}

WT_CASE(FrameMenuAndCtrlQCloseTheBox) {
    CloseEverything();
    PLR_OpenButtonBox(100, 100, 2, 2);
    WT_REQUIRE(buttonBox.window != nullptr);
    RECT frame;
    GetWindowRect(buttonBox.window, &frame);
    POINT caption = {(frame.left + frame.right) / 2, frame.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2};
    WT_REQUIRE(Play({RightClickOnCaption(caption), ChooseFirstItem([] { return !BoxOpen(); })}));
    WT_CHECK(buttonBox.window == nullptr);
    WT_CHECK(FindWindowW(L"plr_bb", nullptr) == nullptr);
    WT_CHECK_EQ(PLR_GetButtonPress(0), 0);

    PLR_OpenButtonBox(100, 100, 2, 2);
    WT_REQUIRE(buttonBox.window != nullptr);
    InputStep ctrlQ = {nullptr, [] { SendKey('Q', true); }, [] { return !BoxOpen(); }};
    WT_REQUIRE(Play({Click(1, 1), ctrlQ}));
    WT_CHECK(buttonBox.window == nullptr);
    CloseEverything();
}

// Rows of the button's face that hold text pixels, as separate bands.
int TextBands(HWND button) {
    RECT rect;
    GetWindowRect(button, &rect);
    HDC screen = GetDC(nullptr);
    int bands = 0;
    bool inBand = false;
    for (int y = rect.top + 4; y < rect.bottom - 4; ++y) {
        bool text = false;
        for (int x = rect.left + 6; x < rect.right - 6 && !text; ++x)
            text = (SwapRedBlue(GetPixel(screen, x, y)) & 0xFFFFFF) == 0;
        if (text && !inBand) ++bands;
        inBand = text;
    }
    ReleaseDC(nullptr, screen);
    return bands;
}

WT_CASE(ALabelWithALineBreakShowsOnTwoLines) {
    CloseEverything();
    PLR_OpenButtonBox(100, 100, 2, 1);
    WT_REQUIRE(buttonBox.window != nullptr);
    PLR_ResizeButtonBox(208, 68);
    PLR_SetButtonBoxTitle(0, "Upper\nLower");
    PLR_SetButtonBoxTitle(1, "Single");
    PLR_SetButtonBoxTitle(2, "not a button");
    PLR_SetButtonBoxTitle(-1, nullptr);
    UpdateWindow(buttonBox.window);
    WT_CHECK_EQ(Label(0), std::string("Upper\nLower"));
    // Read from the screen once the buttons have been painted there.
    WaitUntil([] { return TextBands(buttonBox.buttons[0]) == 2 && TextBands(buttonBox.buttons[1]) == 1; },
              WAIT_TIMEOUT_MS, PumpBriefly);
    WT_CHECK_EQ(TextBands(buttonBox.buttons[0]), 2);
    WT_CHECK_EQ(TextBands(buttonBox.buttons[1]), 1);
    CloseEverything();
}

} // namespace
