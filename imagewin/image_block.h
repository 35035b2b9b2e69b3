// Helpers of the picture files (PLR_GetBlock, declared in pelori.h, lives beside them).
#pragma once

// Appends the extension (".bmp") unless the path already ends with it, letters compared without
// regard to case. Returns 0, or 1 when the buffer has no room (path unchanged).
int AppendExtension(wchar_t* path, int capacity, const wchar_t* extension);
