// Window texts, menu items and the status line: text is held as 8-bit system-code-page text and
// handed to windows as UTF-16.
#pragma once

#include "shell/shell_win.h"

// Both conversions always terminate the output and never cut a character in two; they return the
// number of units written, without the terminator.
int NarrowToWide(const char* text, wchar_t* out, int capacity);
int WideToNarrow(const wchar_t* text, char* out, int capacity);

bool IsAnsiLeadByte(unsigned char byte); // a lead byte of the system code page

void SetStatusText(const char* text); // laid into the status line's field, roughly centred
void SetStatusColorDepth();           // the status line's resting text: "%d-bit color"
void InsertMenuText(HMENU menu, int position, int state, int id, const char* text);
void InsertMenuSeparator(HMENU menu, int position);
void InsertSubMenu(HMENU menu, HMENU submenu, int position, const char* text);
void SetWindowTextNarrow(HWND window, const char* text);
void GetWindowTextNarrow(HWND window, char* buffer, int size);
