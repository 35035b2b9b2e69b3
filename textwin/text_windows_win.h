// Text windows on Windows: the window procedure, and the drawing steps that line input shares
// with formatted output.
#pragma once

#include "shell/shell_win.h"
#include "textwin/text_slots.h"
#include "pelori.h"

LRESULT CALLBACK TextWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

int ScrollTextWindow(int index); // 1 if it scrolled one line
void DrawTextCells(wchar_t character, HDC context, int x, int y, int cells);
void DrawCaret(int phase); // "_" on odd phases, a blank on even ones, at the current window's cursor
void ApplyTextColors(TextWindowSlot* slot);
void PasteClipboardLine(); // queues the clipboard's text up to its first line break
void QueueTypedCharacter(WPARAM character);
void NoteRecallKey(WPARAM key);
bool MakeBackBuffer(TextWindowSlot* slot, int width, int height);
void ReleaseBackBuffer(TextWindowSlot* slot);
