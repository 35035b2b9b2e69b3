// The input box window: labelled edit fields whose values are taken when a field loses the focus
// or Enter is pressed, two columns that follow the frame, and renaming through line input.
#include "boxes/input_box_win.h"
#include "boxes/input_box.h"
#include "shell/command_ids.h"
#include "shell/owned_window_win.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"
#include "pelori.h"

#include <cstdio>

static const DWORD INPUT_BOX_STYLE = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
static const DWORD LABEL_STYLE = WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP;
static const DWORD FIELD_STYLE = WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | ES_AUTOHSCROLL;

// The edit notifications the box listens to.
enum { FIELD_GOT_FOCUS = EN_SETFOCUS, FIELD_LOST_FOCUS = EN_KILLFOCUS };

static int RowOfField(HWND field) {
    for (int i = 0; i < inputBox.items; ++i)
        if (inputBox.fields[i] == field) return i;
    return -1;
}

static void TakeValue(HWND field) {
    int row = RowOfField(field);
    if (row >= 0) GetWindowTextNarrow(field, inputBox.values[row], INPUT_VALUE_CAPACITY);
}

static void PlaceRow(int row) {
    SetWindowPos(inputBox.labels[row], nullptr, 0, 0, inputBox.labelWidth, INPUT_CONTROL_HEIGHT,
                 SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(inputBox.fields[row], nullptr, inputBox.labelWidth + 8, INPUT_ROW_HEIGHT * row + 4,
                 inputBox.fieldWidth, INPUT_CONTROL_HEIGHT, SWP_NOZORDER);
}

static RECT OuterRect(int items) {
    GridSize client = InputBoxClientSize(items, inputBox.labelWidth, inputBox.fieldWidth);
    RECT outer = {0, 0, client.width, client.height};
    AdjustWindowRect(&outer, INPUT_BOX_STYLE, FALSE);
    return outer;
}

void PLR_OpenInputBox(int x, int y, int items) {
    if (inputBox.window != nullptr) return;
    items = ClampInputItems(items);
    RECT outer = OuterRect(items);
    HWND box = CreateOwnedWindow(L"plr_ib", L"InputBox", INPUT_BOX_STYLE, x, y, false, false, outer.right - outer.left,
                                 outer.bottom - outer.top);
    if (box == nullptr) return;
    for (int i = 0; i < items; ++i) {
        wchar_t label[16];
        swprintf(label, 16, L"Item %d", i);
        inputBox.labels[i] =
            CreateWindowW(L"STATIC", label, LABEL_STYLE, 4, INPUT_ROW_HEIGHT * i + 7, inputBox.labelWidth,
                          INPUT_CONTROL_HEIGHT, box, nullptr, shell.moduleInstance, nullptr);
        snprintf(inputBox.values[i], INPUT_VALUE_CAPACITY, "0");
        inputBox.fields[i] = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"0", FIELD_STYLE, inputBox.labelWidth + 8,
                                             INPUT_ROW_HEIGHT * i + 4, inputBox.fieldWidth, INPUT_CONTROL_HEIGHT, box,
                                             nullptr, shell.moduleInstance, nullptr);
    }
    // Published once its rows exist: its messages lay them out and take their values.
    inputBox.items = items;
    inputBox.focusedField = nullptr;
    inputBox.sizingEdge = 0;
    inputBox.window = box;
    SetDialogWindow(INPUT_BOX_DIALOG_RANK, box);
    UpdateWindow(box);
    SetForegroundWindow(box);
    SetFocus(inputBox.fields[0]);
}

void CloseInputBox() {
    HWND box = inputBox.window;
    if (box == nullptr) return;
    inputBox.window = nullptr;
    SetDialogWindow(INPUT_BOX_DIALOG_RANK, nullptr);
    if (!DestroyWindow(box))
        MessageBoxW(shell.mainWindow, L"DestroyWindow[IB] Error", L"PELORI Error!", MB_ICONERROR | MB_OK);
    inputBox.items = 0;
    inputBox.focusedField = nullptr;
}

void PLR_ResizeInputBox(int labelWidth, int fieldWidth) {
    // Within 1..16384: wider than any screen, and far from overflowing the layout's sums.
    labelWidth = labelWidth < 1 ? 1 : (labelWidth > 16384 ? 16384 : labelWidth);
    fieldWidth = fieldWidth < 1 ? 1 : (fieldWidth > 16384 ? 16384 : fieldWidth);
    inputBox.labelWidth = labelWidth;
    inputBox.fieldWidth = fieldWidth;
    if (inputBox.window == nullptr) return;
    // The frame follows; the widths asked for hold even if the window system keeps the frame
    // wider than they need.
    RECT outer = OuterRect(inputBox.items);
    SetWindowPos(inputBox.window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    inputBox.labelWidth = labelWidth;
    inputBox.fieldWidth = fieldWidth;
    for (int i = 0; i < inputBox.items; ++i)
        PlaceRow(i);
}

static void SetRowLabel(int row, const char* label) {
    // Blanks first: they clear the old label's pixels where the new one is shorter.
    SetWindowTextNarrow(inputBox.labels[row], "                    ");
    SetWindowTextNarrow(inputBox.labels[row], label);
}

void PLR_SetInputBoxTitle(int row, const char* label) {
    if (inputBox.window == nullptr || row < 0 || row >= inputBox.items) return;
    SetRowLabel(row, label != nullptr ? label : "");
}

static void RenameRow(int row) {
    if (row < 0 || row >= inputBox.items) return;
    char label[256];
    GetWindowTextNarrow(inputBox.labels[row], label, sizeof label);
    PLR_EnsureTextWindow();
    PLR_Printf("%d '%s' ->", row, label);
    char line[256];
    PLR_ReadLine(line);
    if (line[0] != '\0' && inputBox.window != nullptr && row < inputBox.items) SetRowLabel(row, line);
}

static LRESULT OnCommand(WPARAM wParam, LPARAM lParam) {
    HWND sender = reinterpret_cast<HWND>(lParam);
    if (lParam == 0 && wParam == IDOK)
        TakeValue(inputBox.focusedField); // Enter, as the dialog keyboard handling reports it
    else if (HIWORD(wParam) == FIELD_GOT_FOCUS)
        inputBox.focusedField = sender;
    else if (HIWORD(wParam) == FIELD_LOST_FOCUS)
        TakeValue(sender);
    switch (LOWORD(wParam)) {
    case CMD_DESTROY_INPUT_BOX: CloseInputBox(); break;
    case CMD_RENAME_ROW: RenameRow(inputBox.renameTarget); break;
    }
    return 0;
}

// Only on activation: giving the focus away while the box is being deactivated would take the
// activation back from the window the user chose.
static LRESULT OnActivate(WPARAM wParam) {
    if (inputBox.window == nullptr || LOWORD(wParam) == WA_INACTIVE) return 0;
    if (inputBox.focusedField == nullptr) inputBox.focusedField = inputBox.fields[0];
    SetFocus(inputBox.focusedField);
    HWND first = inputBox.fields[0];
    PostMessageW(first, EM_SETSEL, 0, GetWindowTextLengthW(first));
    return 0;
}

static LRESULT OnSizing(HWND box, WPARAM edge, RECT* proposed) {
    RECT current;
    GetWindowRect(box, &current);
    proposed->top = current.top;
    proposed->bottom = current.bottom;
    inputBox.sizingEdge = static_cast<int>(edge);
    return TRUE;
}

static LRESULT OnSize(int width) {
    if (inputBox.window == nullptr) return 0;
    FitInputColumns(&inputBox, width);
    for (int i = 0; i < inputBox.items; ++i)
        PlaceRow(i);
    return 0;
}

LRESULT CALLBACK InputBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: return OnCommand(wParam, lParam);
    case WM_ACTIVATE: return OnActivate(wParam);
    case WM_SIZING: return OnSizing(box, wParam, reinterpret_cast<RECT*>(lParam));
    case WM_SIZE: return OnSize(LOWORD(lParam));
    case WM_RBUTTONDOWN:
        inputBox.renameTarget = InputRowAt(static_cast<short>(HIWORD(lParam)));
        ShowSingleItemMenu(box, CMD_RENAME_ROW, "Rename");
        return 0;
    case WM_LBUTTONDBLCLK: RenameRow(InputRowAt(static_cast<short>(HIWORD(lParam)))); return 0;
    case WM_NCRBUTTONDOWN: ShowSingleItemMenu(box, CMD_DESTROY_INPUT_BOX, "Destroy"); return 0;
    case WM_CLOSE: CloseInputBox(); return 0;
    case WM_DESTROY: return 0;
    }
    return DefWindowProcW(box, message, wParam, lParam);
}
