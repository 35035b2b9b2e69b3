// Pictures through the system clipboard: copy a slot, read the clipboard's picture, paste it.
#pragma once

#include "shell/shell_win.h"

#include <cstdint>

// The clipboard's picture (CF_DIB when it passes the reader's checks; CF_BITMAP only when no DIB is
// offered) as a bitmap
// the caller owns, or null; colors receives its colour table (0x00RRGGBB) when it has 8 or fewer
// bits per pixel, *count the number of entries (0 otherwise).
HBITMAP ReadClipboardPicture(uint32_t colors[256], int* count);

// Copies the bitmap at its own size to (0, 0) of the current image and deletes it.
void PasteBitmap(HBITMAP bitmap);
