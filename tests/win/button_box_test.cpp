// The button box under Wine: real clicks and keys from another thread while the program thread
// pumps, as it does in the application's waits.
#include "boxes/button_box.h"
#include "boxes/button_box_win.h"
#include "boxes/button_layout.h"
#include "imageops/color_order.h"
#include "shell/command_ids.h"
#include "textwin/text_windows_win.h"
#include "wintest.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"

#include <string>
#include <vector>

namespace {

void PumpFor(int ms) {
    for (int waited = 0; waited < ms; waited += 10) {
        PumpDialogMessages();
        Sleep(10);
    }
}

void CloseEverything() {
    CloseButtonBox();
    for (int i = 0; i < SLOT_COUNT; ++i)
        PLR_DestroyTextWindow(i);
    PumpFor(50);
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

// Input from another thread, each step after a pause, while the test thread pumps.
struct Step {
    enum Kind { CLICK, TWO_CLICKS, RIGHT_CLICK, KEY, CTRL_KEY, CHARS } kind;
    POINT point{};                 // screen point for the mouse steps
    WORD key = 0;                  // virtual key
    const wchar_t* text = nullptr; // CHARS: posted as WM_CHAR to the current text window
};

struct Script {
    std::vector<Step> steps;
    volatile LONG done;
};

void SendMouse(DWORD down, DWORD up, POINT at, int clicks) {
    SetCursorPos(at.x, at.y);
    for (int i = 0; i < clicks; ++i) {
        INPUT inputs[2] = {};
        inputs[0].type = inputs[1].type = INPUT_MOUSE;
        inputs[0].mi.dwFlags = down;
        inputs[1].mi.dwFlags = up;
        SendInput(2, inputs, sizeof inputs[0]);
        Sleep(30);
    }
}

void SendKey(WORD key, bool control) {
    INPUT inputs[4] = {};
    int n = 0;
    if (control) inputs[n++].ki.wVk = VK_CONTROL;
    inputs[n++].ki.wVk = key;
    inputs[n].ki.wVk = key;
    inputs[n++].ki.dwFlags = KEYEVENTF_KEYUP;
    if (control) {
        inputs[n].ki.wVk = VK_CONTROL;
        inputs[n++].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    for (int i = 0; i < n; ++i)
        inputs[i].type = INPUT_KEYBOARD;
    SendInput(n, inputs, sizeof inputs[0]);
}

DWORD WINAPI RunScript(void* data) {
    Script* script = static_cast<Script*>(data);
    for (const Step& step : script->steps) {
        Sleep(150);
        switch (step.kind) {
        case Step::CLICK: SendMouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, step.point, 1); break;
        case Step::TWO_CLICKS: SendMouse(MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, step.point, 2); break;
        case Step::RIGHT_CLICK: SendMouse(MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, step.point, 1); break;
        case Step::KEY: SendKey(step.key, false); break;
        case Step::CTRL_KEY: SendKey(step.key, true); break;
        case Step::CHARS:
            for (const wchar_t* p = step.text; *p; ++p)
                PostMessageW(textWindows[currentTextWindow].window, WM_CHAR, *p, 1);
            break;
        }
    }
    Sleep(300);
    InterlockedExchange(&script->done, 1);
    return 0;
}

// Plays the steps while the program thread pumps (and reads lines when a rename asks).
void Play(std::vector<Step> steps) {
    if (buttonBox.window != nullptr) SetForegroundWindow(buttonBox.window);
    PumpFor(50);
    Script script{steps, 0};
    HANDLE thread = CreateThread(nullptr, 0, RunScript, &script, 0, nullptr);
    for (int waited = 0; !script.done && waited < 20000; waited += 10) {
        PumpDialogMessages();
        Sleep(10);
    }
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    PumpFor(50);
}

POINT ButtonCentre(int index) {
    RECT rect;
    GetWindowRect(buttonBox.buttons[index], &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

POINT ClientPoint(int x, int y) {
    POINT point = {x, y};
    ClientToScreen(buttonBox.window, &point);
    return point;
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
    Play({{Step::CLICK, ButtonCentre(3)}, {Step::CLICK, ButtonCentre(3)}});
    WT_CHECK_EQ(PLR_GetButtonPress(3), 2);
    WT_CHECK_EQ(PLR_GetButtonPress(3), 0);
    WT_CHECK(GetFocus() == buttonBox.window);
    Play({{Step::KEY, {}, '5'}, {Step::KEY, {}, VK_NUMPAD7}, {Step::KEY, {}, '5'}});
    WT_CHECK_EQ(PLR_GetButtonPress(5), 2);
    WT_CHECK_EQ(PLR_GetButtonPress(7), 1);
    WT_CHECK_EQ(PLR_GetButtonPress(3), 0);
    CloseEverything();
}

std::vector<WPARAM> mainWindowKeys;
WNDPROC frameworkMainProc;
LRESULT CALLBACK RecordingMainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) {
        mainWindowKeys.push_back(wParam); // recorded, not acted on: Exit would end the test
        return 0;
    }
    return CallWindowProcW(frameworkMainProc, window, message, wParam, lParam);
}

WT_CASE(RunKeysGoOnToTheMainWindow) {
    CloseEverything();
    PLR_OpenButtonBox(100, 100, 2, 2);
    WT_REQUIRE(buttonBox.window != nullptr);
    mainWindowKeys.clear();
    frameworkMainProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(shell.mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingMainProc)));
    Play({{Step::CLICK, ButtonCentre(0)},
          {Step::KEY, {}, 'S'},
          {Step::KEY, {}, 'C'},
          {Step::KEY, {}, 'X'},
          {Step::KEY, {}, VK_ESCAPE},
          {Step::KEY, {}, 'A'}});
    SetWindowLongPtrW(shell.mainWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(frameworkMainProc));
    std::vector<WPARAM> expected = {'S', 'C', 'X', VK_ESCAPE};
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
    Play({{Step::TWO_CLICKS, ClientPoint(50, 60)}, {Step::CHARS, {}, 0, L"Go\r"}});
    WT_CHECK_EQ(Label(cell), std::string("Go"));
    WT_CHECK(IsOpenTextWindow(0));
    Play({{Step::TWO_CLICKS, ClientPoint(50, 60)}, {Step::CHARS, {}, 0, L"\r"}});
    WT_CHECK_EQ(Label(cell), std::string("Go"));

    // The "Rename" popup of a right click right of the last column names that row's last button.
    Play({{Step::RIGHT_CLICK, ClientPoint(207, 40)},
          {Step::KEY, {}, VK_DOWN},
          {Step::KEY, {}, VK_RETURN},
          {Step::CHARS, {}, 0, L"Right\r"}});
    WT_CHECK_EQ(buttonBox.renameTarget, 3);
    WT_CHECK_EQ(Label(3), std::string("Right"));
    CloseEverything();
}

WT_CASE(FrameMenuAndCtrlQCloseTheBox) {
    CloseEverything();
    PLR_OpenButtonBox(100, 100, 2, 2);
    WT_REQUIRE(buttonBox.window != nullptr);
    RECT frame;
    GetWindowRect(buttonBox.window, &frame);
    POINT caption = {(frame.left + frame.right) / 2, frame.top + GetSystemMetrics(SM_CYCAPTION) / 2 + 2};
    Play({{Step::RIGHT_CLICK, caption}, {Step::KEY, {}, VK_DOWN}, {Step::KEY, {}, VK_RETURN}});
    WT_CHECK(buttonBox.window == nullptr);
    WT_CHECK(FindWindowW(L"plr_bb", nullptr) == nullptr);
    WT_CHECK_EQ(PLR_GetButtonPress(0), 0);

    PLR_OpenButtonBox(100, 100, 2, 2);
    WT_REQUIRE(buttonBox.window != nullptr);
    Play({{Step::CLICK, ButtonCentre(1)}, {Step::CTRL_KEY, {}, 'Q'}});
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
    UpdateWindow(buttonBox.window);
    PumpFor(300);
    WT_CHECK_EQ(Label(0), std::string("Upper\nLower"));
    WT_CHECK_EQ(TextBands(buttonBox.buttons[0]), 2);
    WT_CHECK_EQ(TextBands(buttonBox.buttons[1]), 1);
    CloseEverything();
}

} // namespace
