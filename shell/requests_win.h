// The main thread's requests: windows made and filled on the program thread, which owns them.
// Each filer pumps the main thread's messages until its request is served; it gives up, with
// REQ_RESULT_ABANDONED, once Exit is under way.
#pragma once

#include "shell/shell_win.h"

int RequestCreateImage(int index, const char* name, int width, int height, int bits); // PLR_CreateImage's codes
void RequestRedrawImage(int index);
int RequestLoadImage(int index, const char* path); // PLR_LoadImageFile's codes; 2 also when the slot is not open
void RequestPasteBitmap(HBITMAP bitmap);           // the program thread deletes the bitmap, or the filer does
void RequestTextWindow(int index);                 // an open one is only brought to the front
void RequestInputBox(int items);
void RequestButtonBox(int nx, int ny); // closes an open box first

void ServeRequest(); // program thread: the pending request, then done
