// Image windows on Windows: creation with a zoom that fits the screen, display, palettes, files.
#pragma once

#include "shell/shell_win.h"
#include "imagewin/image_slots.h"
#include "pelori.h"

LRESULT CALLBACK ImageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

int CreateImageSlot(int slot, const char* name, int x, int y, int width, int height, int zoom, int bitDepth);
int SelectImageOfWindow(HWND window);
void UpdateImageTitle(int slot);
ScreenMetrics ReadScreenMetrics();

int FindEncoder(const wchar_t* mimeType, CLSID* classId); // 0 found, 1 none
int SaveFileDialog(char path[FOLDER_CAPACITY]);
int SaveFilterIndex();             // the filter chosen in the last save dialog, 1-based
const wchar_t* OpenDialogFolder(); // where the next open dialog starts: the working folder at first
