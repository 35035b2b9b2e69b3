// Colour-model read-outs shared by the pixel read-out and the graphs.
#pragma once

#include "plr_records.h"

// Y of the read-out is 0..255; the others are signed and carry no offset.
struct ColorReadout {
    int y, cr, cb; // Y/Cr/Cb
    int u, v;      // Y/u/v
    int i, q;      // Y/I/Q
};
ColorReadout ComputeColorReadout(ColorValue color);

enum { PIXEL_READOUT_CAPACITY = 256 };

// The read-out lines of pixel (x, y) of an image of bitDepth (8 or 32; others give the position
// only), cut to capacity. Returns the length written.
int FormatPixelReadout(char* buffer, int capacity, int x, int y, int bitDepth, ColorValue pixel);
