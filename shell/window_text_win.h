// Window texts, menu items and the status line: text is held as 8-bit system-code-page text and
// handed to windows as UTF-16.
#pragma once

#include "shell/shell_win.h"

// Both conversions always terminate the output and never cut a character in two; they return the
// number of units written, without the terminator.
int NarrowToWide(const char* text, wchar_t* out, int capacity);
int WideToNarrow(const wchar_t* text, char* out, int capacity);

bool IsAnsiLeadByte(unsigned char byte); // a lead byte of the system code page

// Paths must arrive whole, or they name another file. PathToNarrow gives the 8-bit form of a
// path, or, when the code page lacks one of its characters, of the volume's short (8.3) form;
// PathToWide gives the UTF-16 form of an 8-bit path. Both return 0, or 1 (out is "") when the
// path does not fit in capacity or has no such form.
int PathToNarrow(const wchar_t* path, char* out, int capacity);
int PathToWide(const char* path, wchar_t* out, int capacity);

void SetStatusText(const char* text); // laid into the status line's field, roughly centred
void SetStatusColorDepth();           // the status line's resting text: "%d-bit color"
void InsertMenuText(HMENU menu, int position, int state, int id, const char* text);
void InsertMenuSeparator(HMENU menu, int position);
void InsertSubMenu(HMENU menu, HMENU submenu, int position, const char* text);
// A popup menu of one item at the cursor, built for this click and destroyed after it; the
// owner receives the item's command.
void ShowSingleItemMenu(HWND owner, int id, const char* text);
void SetWindowTextNarrow(HWND window, const char* text);
void GetWindowTextNarrow(HWND window, char* buffer, int size);
