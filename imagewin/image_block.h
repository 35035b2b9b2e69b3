#pragma once

// Copies the w x h block at (x0, y0) of the current image into buffer, rows without padding:
// w words per row for a 32-bit image, w bytes for an 8-bit one. Pixels outside the image read 0.
// Does nothing when the current image is not in use.
void PLR_GetBlock(void* buffer, int x0, int y0, int w, int h);

// Appends the extension (".bmp") unless the path already ends with it, letters compared without
// regard to case. Returns 0, or 1 when the buffer has no room (path unchanged).
int AppendExtension(wchar_t* path, int capacity, const wchar_t* extension);
