// The button box window: a grid of push buttons that count presses, scale with the frame and can
// be renamed; its run keys go on to the main window.
#include "boxes/button_box_win.h"
#include "boxes/button_box.h"
#include "boxes/button_layout.h"
#include "shell/command_ids.h"
#include "shell/owned_window_win.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"
#include "pelori.h"

static const DWORD BUTTON_BOX_STYLE = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;

static void PlaceButton(int index) {
    GridSize at = ButtonPosition(index, buttonBox.columns, buttonBox.buttonWidth, buttonBox.buttonHeight);
    SetWindowPos(buttonBox.buttons[index], nullptr, at.width, at.height, buttonBox.buttonWidth, buttonBox.buttonHeight,
                 SWP_NOZORDER);
}

void PLR_OpenButtonBox(int x, int y, int nx, int ny) {
    if (buttonBox.window != nullptr || nx <= 0 || ny <= 0 || nx > BUTTON_LIMIT || ny > BUTTON_LIMIT ||
        nx * ny > BUTTON_LIMIT)
        return;
    buttonBox.count = nx * ny;
    buttonBox.columns = nx;
    buttonBox.rows = ny;
    GridSize client = ButtonBoxClientSize(nx, ny, buttonBox.buttonWidth, buttonBox.buttonHeight);
    RECT outer = {0, 0, client.width, client.height};
    AdjustWindowRect(&outer, BUTTON_BOX_STYLE, FALSE);
    HWND box = CreateOwnedWindow(L"plr_bb", L"ButtonBox", BUTTON_BOX_STYLE, x, y, false, false,
                                 outer.right - outer.left, outer.bottom - outer.top);
    if (box == nullptr) return;
    // The window is published only once its buttons exist: its size messages lay them out.
    for (int i = 0; i < buttonBox.count; ++i) {
        wchar_t label[8];
        swprintf(label, 8, L"%d", i);
        GridSize at = ButtonPosition(i, nx, buttonBox.buttonWidth, buttonBox.buttonHeight);
        buttonBox.buttons[i] = CreateWindowW(L"BUTTON", label, WS_CHILD | WS_VISIBLE | BS_MULTILINE, at.width,
                                             at.height, buttonBox.buttonWidth, buttonBox.buttonHeight, box,
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(BUTTON_ID_BASE + i)),
                                             shell.moduleInstance, nullptr);
        buttonBox.presses[i] = 0;
    }
    buttonBox.window = box;
    SetDialogWindow(BUTTON_BOX_DIALOG_RANK, box);
    UpdateWindow(box);
    SetForegroundWindow(box);
}

void PLR_SetButtonBoxTitle(int index, const char* label) {
    if (IsButtonIndex(index)) SetWindowTextNarrow(buttonBox.buttons[index], label != nullptr ? label : "");
}

void PLR_ResizeButtonBox(int clientWidth, int clientHeight) {
    if (buttonBox.window == nullptr) return;
    RECT outer = {0, 0, clientWidth, clientHeight};
    AdjustWindowRect(&outer, BUTTON_BOX_STYLE, FALSE);
    SetWindowPos(buttonBox.window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
}

void CloseButtonBox() {
    HWND box = buttonBox.window;
    if (box == nullptr) return;
    buttonBox.window = nullptr;
    SetDialogWindow(BUTTON_BOX_DIALOG_RANK, nullptr);
    if (!DestroyWindow(box))
        MessageBoxW(shell.mainWindow, L"DestroyWindow[BB] error", L"PELORI error!", MB_ICONERROR | MB_OK);
}

static void RenameButton(int index) {
    if (!IsButtonIndex(index)) return;
    char label[256];
    GetWindowTextNarrow(buttonBox.buttons[index], label, sizeof label);
    PLR_EnsureTextWindow();
    PLR_Printf("%d '%s' ->", index, label);
    char line[256];
    PLR_ReadLine(line);
    if (line[0] != '\0' && IsButtonIndex(index)) SetWindowTextNarrow(buttonBox.buttons[index], line);
}

static int CellAt(LPARAM point) {
    return ButtonCellAt(static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point)), buttonBox.columns,
                        buttonBox.rows, buttonBox.buttonWidth, buttonBox.buttonHeight);
}

static LRESULT OnSize(int width, int height) {
    if (buttonBox.window == nullptr) return 0;
    GridSize size = ButtonSizeForClient(width, height, buttonBox.columns, buttonBox.rows);
    buttonBox.buttonWidth = size.width;
    buttonBox.buttonHeight = size.height;
    for (int i = 0; i < buttonBox.count; ++i)
        PlaceButton(i);
    return 0;
}

static LRESULT OnCommand(HWND box, WPARAM wParam) {
    int id = LOWORD(wParam), index = id - BUTTON_ID_BASE;
    if (HIWORD(wParam) == BN_CLICKED && IsButtonIndex(index)) {
        SetFocus(box); // so that the digit keys reach the box
        buttonBox.presses[index] += 1;
    } else if (id == CMD_DESTROY_BOX) {
        CloseButtonBox();
    } else if (id == CMD_RENAME) {
        RenameButton(buttonBox.renameTarget);
    }
    return 0;
}

static LRESULT OnKeyDown(HWND box, WPARAM key) {
    if (GetKeyState(VK_CONTROL) < 0) {
        if (key == 'Q') PostMessageW(box, WM_CLOSE, 0, 0);
        return 0;
    }
    if (key == 'X' || key == VK_ESCAPE || key == 'S' || key == 'C') PostMessageW(shell.mainWindow, WM_KEYDOWN, key, 0);
    if (key >= '0' && key <= '9') buttonBox.presses[key - '0'] += 1;
    if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9) buttonBox.presses[key - VK_NUMPAD0] += 1;
    return 0;
}

LRESULT CALLBACK ButtonBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE: return OnSize(LOWORD(lParam), HIWORD(lParam));
    case WM_COMMAND: return OnCommand(box, wParam);
    case WM_KEYDOWN: return OnKeyDown(box, wParam);
    // The box takes every key itself: the dialog keyboard handling would turn Esc into a command.
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    case WM_RBUTTONDOWN:
        buttonBox.renameTarget = CellAt(lParam);
        ShowSingleItemMenu(box, CMD_RENAME, "Rename");
        return 0;
    case WM_LBUTTONDBLCLK: RenameButton(CellAt(lParam)); return 0;
    case WM_NCRBUTTONDOWN: ShowSingleItemMenu(box, CMD_DESTROY_BOX, "&Destroy\tCtrl+Q"); return 0;
    case WM_CLOSE: CloseButtonBox(); return 0;
    case WM_DESTROY: return 0;
    }
    return DefWindowProcW(box, message, wParam, lParam);
}
