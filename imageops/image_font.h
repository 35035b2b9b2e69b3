// The built-in image-text font: 8 x 14 cells for the codes 32..127.
#pragma once

#include <cstdint>

enum { IMAGE_FONT_FIRST = 32, IMAGE_FONT_GLYPHS = 96, IMAGE_FONT_WIDTH = 8, IMAGE_FONT_HEIGHT = 14 };

// One byte per row from the top, bit 7 the leftmost column. Capitals stand on row 10; rows
// 11..13 hold the descenders.
extern const uint8_t imageFontGlyphs[IMAGE_FONT_GLYPHS][IMAGE_FONT_HEIGHT];
