// The input box under Wine: keys from another thread while the program thread pumps with the
// dialog keyboard handling, as in the application's waits.
#include "boxes/input_box.h"
#include "boxes/input_box_win.h"
#include "tests/win/in_process.h"
#include "tests/win/win_input.h"
#include "tests/win/wintest.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"
#include "textwin/text_windows_win.h"

#include <cstring>
#include <string>

namespace {

void CloseEverything() {
    CloseInputBox();
    for (int i = 0; i < SLOT_COUNT; ++i)
        PLR_DestroyTextWindow(i);
    PumpDialogMessages();
}

std::string Text(HWND window) {
    char text[256];
    GetWindowTextNarrow(window, text, sizeof text);
    return text;
}

std::string Value(int row) {
    char value[256];
    PLR_GetInputBoxText(row, value, sizeof value);
    return value;
}

SIZE ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

bool Reading() { return runState.lineInputOwner.load() != 0; }

// The box has the keyboard, with the focus in the row's field.
bool FocusRow(int row) {
    HWND box = inputBox.window;
    SetForegroundWindow(box);
    if (!WaitUntil([=] { return GetForegroundWindow() == box; }, WAIT_TIMEOUT_MS, PumpBriefly)) return false;
    SetFocus(inputBox.fields[row]);
    return GetFocus() == inputBox.fields[row];
}

InputStep Key(WORD key, std::function<bool()> done = nullptr) {
    return {nullptr, [=] { SendKey(key); }, done};
}

WT_CASE(OpenMakesLabelledFieldsThatShowZero) {
    CloseEverything();
    PLR_OpenInputBox(30, 40, 3);
    HWND box = inputBox.window;
    WT_REQUIRE(box != nullptr);
    WT_CHECK_EQ(Text(box), std::string("InputBox"));
    wchar_t className[32];
    GetClassNameW(box, className, 32);
    WT_CHECK(wcscmp(className, L"plr_ib") == 0);
    WT_CHECK(GetWindow(box, GW_OWNER) == shell.mainWindow);
    WT_CHECK_EQ(ClientSize(box).cx, 162);
    WT_CHECK_EQ(ClientSize(box).cy, 86);
    for (int i = 0; i < 3; ++i) {
        WT_CHECK_EQ(Text(inputBox.labels[i]), "Item " + std::to_string(i));
        WT_CHECK_EQ(Text(inputBox.fields[i]), std::string("0"));
        WT_CHECK_EQ(Value(i), std::string("0"));
        WT_CHECK((GetWindowLongPtrW(inputBox.labels[i], GWL_STYLE) & SS_LEFTNOWORDWRAP) == SS_LEFTNOWORDWRAP);
        LONG_PTR style = GetWindowLongPtrW(inputBox.fields[i], GWL_STYLE);
        WT_CHECK((style & (WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL)) == (WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL));
        WT_CHECK((GetWindowLongPtrW(inputBox.fields[i], GWL_EXSTYLE) & WS_EX_CLIENTEDGE) != 0);
    }
    RECT field;
    GetWindowRect(inputBox.fields[2], &field);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&field), 2);
    WT_CHECK_EQ(field.left, 88);
    WT_CHECK_EQ(field.top, 60);
    WT_CHECK(GetFocus() == inputBox.fields[0]);
    PLR_OpenInputBox(0, 0, 5); // already open: nothing changes
    WT_CHECK(inputBox.window == box);
    WT_CHECK_EQ(inputBox.items, 3);
    WT_CHECK_EQ(Value(3), std::string(""));
    WT_CHECK_EQ(PLR_GetInputBoxValue(3), 0);

    CloseEverything();
    WT_CHECK(!IsWindow(box));
    WT_CHECK_EQ(Value(0), std::string("")); // closed: no values
    PLR_OpenInputBox(0, 0, 0);
    WT_CHECK_EQ(inputBox.items, 1);
    CloseEverything();
    PLR_OpenInputBox(0, 0, 31);
    WT_CHECK_EQ(inputBox.items, 30);
    CloseEverything();
}

WT_CASE(TabAndEnterTakeTheValues) {
    CloseEverything();
    PLR_OpenInputBox(100, 100, 3);
    WT_REQUIRE(inputBox.window != nullptr);
    WT_REQUIRE(FocusRow(1));
    SendMessageW(inputBox.fields[1], EM_SETSEL, 0, -1); // typing replaces the "0"
    WT_CHECK(PlayInput({Key('1'), Key('2', [] { return Text(inputBox.fields[1]) == "12"; }),
                        Key(VK_TAB, [] { return Value(1) == "12"; })},
                       PumpBriefly));
    WT_CHECK_EQ(Value(1), std::string("12"));
    WT_CHECK_EQ(PLR_GetInputBoxValue(1), 12);
    WT_CHECK(GetFocus() == inputBox.fields[2]); // Tab went on to the next field

    SendMessageW(inputBox.fields[2], EM_SETSEL, 0, -1);
    WT_CHECK(PlayInput(
        {Key('7', [] { return Text(inputBox.fields[2]) == "7"; }), Key(VK_RETURN, [] { return Value(2) == "7"; })},
        PumpBriefly));
    WT_CHECK_EQ(Value(2), std::string("7"));
    WT_CHECK(GetFocus() == inputBox.fields[2]); // Enter takes the value and keeps the focus
    CloseEverything();
}

WT_CASE(TheHeightStaysAndTheDraggedSideWidens) {
    CloseEverything();
    PLR_ResizeInputBox(INPUT_LABEL_WIDTH, INPUT_FIELD_WIDTH);
    PLR_OpenInputBox(100, 100, 2);
    HWND box = inputBox.window;
    WT_REQUIRE(box != nullptr);
    RECT frame;
    GetWindowRect(box, &frame);
    // What dragging an edge delivers: WM_SIZING with the proposed frame, then the new size.
    auto drag = [&](WPARAM edge, RECT proposed) {
        SendMessageW(box, WM_SIZING, edge, reinterpret_cast<LPARAM>(&proposed));
        SetWindowPos(box, nullptr, proposed.left, proposed.top, proposed.right - proposed.left,
                     proposed.bottom - proposed.top, SWP_NOZORDER);
        return proposed;
    };
    RECT lower = drag(WMSZ_BOTTOM, {frame.left, frame.top, frame.right, frame.bottom + 50});
    WT_CHECK_EQ(lower.bottom, frame.bottom);
    WT_CHECK_EQ(lower.top, frame.top);
    drag(WMSZ_RIGHT, {frame.left, frame.top, frame.right + 20, frame.bottom});
    WT_CHECK_EQ(inputBox.fieldWidth, 90);
    WT_CHECK_EQ(inputBox.labelWidth, 80);
    RECT field;
    GetWindowRect(inputBox.fields[1], &field);
    WT_CHECK_EQ(field.right - field.left, 90);
    GetWindowRect(box, &frame);
    drag(WMSZ_LEFT, {frame.left - 20, frame.top, frame.right, frame.bottom});
    WT_CHECK_EQ(inputBox.labelWidth, 100);
    WT_CHECK_EQ(inputBox.fieldWidth, 90);
    CloseEverything();
    PLR_OpenInputBox(0, 0, 1); // the next box keeps the widths
    WT_CHECK_EQ(ClientSize(inputBox.window).cx, 100 + 90 + 12);
    PLR_ResizeInputBox(INPUT_LABEL_WIDTH, INPUT_FIELD_WIDTH);
    WT_CHECK_EQ(ClientSize(inputBox.window).cx, 162);
    CloseEverything();
}

// A double click on a row's band asks for its new label in the current text window.
WT_CASE(DoubleClickRenamesARowAndAnEmptyLineKeepsIt) {
    CloseEverything();
    PLR_OpenInputBox(100, 100, 3);
    HWND box = inputBox.window;
    WT_REQUIRE(box != nullptr);
    int promptEnd = 0;
    auto rename = [&](const wchar_t* line) {
        return std::vector<InputStep>{
            {nullptr, [=] { PostMessageW(box, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 2 * 28 + 10)); }, Reading},
            {Reading,
             [&promptEnd, line] {
                 promptEnd = textWindows[currentTextWindow].cursorX;
                 for (const wchar_t* p = line; *p; ++p)
                     SendMessageW(textWindows[currentTextWindow].window, WM_CHAR, *p, 1);
             },
             [] { return !Reading(); }}};
    };
    WT_CHECK(PlayInput(rename(L"\r"), PumpBriefly));
    WT_REQUIRE(IsOpenTextWindow(0));
    WT_CHECK_EQ(promptEnd, static_cast<int>(strlen("2 'Item 2' ->")) * textWindows[0].cellWidth);
    WT_CHECK_EQ(Text(inputBox.labels[2]), std::string("Item 2"));
    WT_CHECK(PlayInput(rename(L"Speed\r"), PumpBriefly));
    WT_CHECK_EQ(Text(inputBox.labels[2]), std::string("Speed"));
    PLR_SetInputBoxTitle(1, "Gain");
    PLR_SetInputBoxTitle(7, "not a row");
    WT_CHECK_EQ(Text(inputBox.labels[1]), std::string("Gain"));
    CloseEverything();
}

} // namespace
