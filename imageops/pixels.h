// Pixel helpers shared by the image operations.
#pragma once

#include <cstdint>

#include "plr_records.h"

// The current image as the pixel operations see it; all zero when the current index is bad.
struct ImageExtent {
    int width, height, bitDepth;
};
ImageExtent CurrentImageExtent();

// PLR_PutPixel and PLR_InvertPixel without moving the pen: lines plot their points with these.
int PutPixelKeepPen(int x, int y, ColorValue color);
int InvertPixelKeepPen(int x, int y);

// Coordinates computed in 64 bits, saturated: far outside the image stays outside.
int ClampToInt(int64_t value);
