// The main window: its procedure, popup menu and file drop.
#pragma once

#include "shell/shell_win.h"

#include <shellapi.h>

// Private message of the main window: open the pictures named on the command line.
enum { WM_OPEN_COMMAND_LINE = WM_APP + 0x100 };

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Work of the main window that pumps messages while it waits for requests (a drop, the pictures of
// the command line): Start, chosen meanwhile, would run the application on half-made windows, so
// it is ignored and greyed until the work is done. Main thread only.
void BeginMainWindowWork();
void EndMainWindowWork();
bool IsMainWindowBusy();

HMENU BuildMainPopup(); // built anew for each right click; the caller destroys it
void ShowMainPopup(HWND window);

// The dialogs and commands of the popup menu (main_dialogs_win.cpp).
void PasteAsNewImage();    // the clipboard's picture in the lowest free slot, 32 bits deep
void ImageWindowDialog();  // width, height and depth asked in text window 0
void OpenNextTextWindow(); // the lowest text window not open
void InputBoxDialog();     // the number of rows asked
void ButtonBoxDialog();    // columns and rows asked
void ShowWindowInfo();     // the current text window's window information

void OnDropFiles(HDROP drop);
void OpenPictureFiles(const wchar_t* const* paths, int count);
void OpenCommandLinePictures();
