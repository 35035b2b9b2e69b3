// The main window's popup menu: built anew on each right click, destroyed after use.
#include "shell/main_window_win.h"
#include "shell/command_ids.h"
#include "shell/window_text_win.h"
#include "pelori.h"

enum { ENABLED = 0, GREYED = 3 };

HMENU BuildMainPopup() {
    // Commands that make windows or paste are offered only while the program thread can serve them.
    bool busy = runState.running == 1 || runState.lineInputOwner != 0 || IsMainWindowBusy();
    int state = busy ? GREYED : ENABLED;
    HMENU popup = CreatePopupMenu();
    InsertMenuText(popup, 0, state, CMD_PASTE, "Paste\tCtrl+V");
    InsertMenuSeparator(popup, 1);
    InsertMenuText(popup, 2, state, CMD_START, "Start");
    InsertMenuText(popup, 3, ENABLED, CMD_STOP, "Stop");
    InsertMenuText(popup, 4, ENABLED, CMD_EXIT, "E&xit");
    InsertMenuSeparator(popup, 5);
    InsertMenuText(popup, 6, state, CMD_IMAGE_WINDOW, "Image Window");
    InsertMenuText(popup, 7, state, CMD_TEXT_WINDOW, "Text Window");
    InsertMenuText(popup, 8, state, CMD_INPUT_BOX, "Input Box");
    InsertMenuText(popup, 9, state, CMD_BUTTON_BOX, "Button Box");
    InsertMenuSeparator(popup, 10);
    InsertMenuText(popup, 11, state, CMD_WINDOW_INFO, "&Window Info.\tCtrl+W");
    return popup;
}

void ShowMainPopup(HWND window) {
    if (runState.graphToolActive == 1) return; // a pick is waiting for clicks
    POINT cursor;
    GetCursorPos(&cursor);
    HMENU popup = BuildMainPopup();
    TrackPopupMenu(popup, TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, window, nullptr);
    DestroyMenu(popup);
}
