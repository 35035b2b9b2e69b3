#include "imageops/color_models.h"
#include "plr_imageops.h"

#include <cstdio>

int FormatPixelReadout(char* buffer, int capacity, int x, int y, int bitDepth, ColorValue pixel) {
    if (!buffer || capacity <= 0) return 0;
    size_t size = static_cast<size_t>(capacity);
    int length;
    if (bitDepth == 32) {
        int r, g, b, h, s, v;
        PLR_SplitRGB(pixel, &r, &g, &b);
        PLR_RGBtoHSV(pixel, &h, &s, &v);
        ColorReadout c = ComputeColorReadout(pixel);
        length = snprintf(buffer, size,
                          "(X,Y)=(%d,%d)\n(R,G,B)=(%d,%d,%d)\n(H,S,V)=(%d,%d,%d)\n(Y,Cr,Cb)=(%d,%d,%d)\n"
                          "(Y,u,v)=(%d,%d,%d)\n(Y,I,Q)=(%d,%d,%d)\n\n",
                          x, y, r, g, b, h, s, v, c.y, c.cr, c.cb, c.y, c.u, c.v, c.y, c.i, c.q);
    } else if (bitDepth == 8) {
        length = snprintf(buffer, size, "(X,Y)=(%d,%d)\n(Luminance)=(%d)\n\n", x, y, static_cast<int>(pixel & 0xFF));
    } else {
        length = snprintf(buffer, size, "(X,Y)=(%d,%d)\n", x, y);
    }
    if (length < 0) {
        buffer[0] = '\0';
        return 0;
    }
    return length < capacity ? length : capacity - 1;
}
