// The image operations' Windows layer: the TrueType image-text font and the pixel read-out.
#pragma once

#include "shell/shell_win.h"

extern HFONT imageTextFont; // the font of PLR_DrawTTChar; remade when a control code or the size changes

void CreateImageTextFont(); // at start-up: 8 x 16, white, the text cursor at (0, 0)
void DeleteImageTextFont();

// Prints the read-out lines of pixel (x, y) of slot into the current text window, opening one if
// none is open; nothing for a bad slot.
void PrintPixelReadout(int slot, int x, int y);
