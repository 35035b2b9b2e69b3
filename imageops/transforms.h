// Whole-image transforms and test patterns without the window system: the patterns' colours,
// the quarter-turn index maps and the size steps' arithmetic.
#pragma once

#include "plr_records.h"

#include <cstdint>

enum TestPatterns { PATTERN_RGB, PATTERN_HSV, PATTERN_YCRCB, PATTERN_YUV, PATTERN_YIQ, PATTERN_GREY };

// The colour of pixel (x, y) of a width x height test pattern (not PATTERN_GREY, which is drawn
// as lines); every channel is within 0..255.
ColorValue TestPatternPixel(int pattern, int x, int y, int width, int height);

// A quarter turn of a width x height block of pixels of 1 or 4 bytes, rows unpadded, into a
// height x width block: clockwise new (x, y) = old (y, H - 1 - x), counter-clockwise old (W - 1 - y, x).
void RotateBlock(const void* source, void* target, int width, int height, int bytesPerPixel, bool clockwise);

// The size steps' factors in thousandths, and the new size: (size * factor + 500) / 1000.
enum { SIZE_STEP_HALF = 500, SIZE_STEP_SMALLER = 707, SIZE_STEP_LARGER = 1414, SIZE_STEP_DOUBLE = 2000 };
int64_t SizeStep(int size, int factor);
