// The four depth maps: one loop over the picture, one rule per map for the depth of a colour.
#include "app/stereo.h"

#include <algorithm>

namespace {

typedef int (*DepthRule)(ColorValue color);

// Valid parameters keep every index in 0..255; this only guards against values set out of range.
int Lookup(const int table[DEPTH_TABLE_SIZE], int64_t index) {
    return table[std::min<int64_t>(std::max<int64_t>(index, 0), DEPTH_TABLE_SIZE - 1)];
}

// t = (255 - max) * S_mod / 10 + (max - min): saturation raised by a share of the darkness.
int64_t ModifiedSaturation(ColorValue color) {
    int s, v;
    PLR_RGBtoHSV(color, nullptr, &s, &v);
    return static_cast<int64_t>(255 - v) * stereo.S_mod / 10 + s;
}

int DepthFromValue(ColorValue color) { return Lookup(gammaTable, PLR_GetValue(color)); }

int DepthFromSaturation(ColorValue color) { return Lookup(gammaTable, PLR_GetSaturation(color)); }

int DepthFromModifiedSaturation(ColorValue color) {
    return Lookup(gammaTable, Lookup(sCorrectionTable, ModifiedSaturation(color)));
}

int DepthFromModifiedSaturationOrValue(ColorValue color) {
    int64_t index = std::max<int64_t>(ModifiedSaturation(color), PLR_GetValue(color));
    return Lookup(gammaTable, Lookup(sCorrectionTable, index));
}

// Selecting on every pixel is what makes a closed "depth" slot receive nothing: the map then
// goes over whatever stays current, normally the picture itself.
void MakeDepthMap(DepthRule depthOf, int shiftDivisor) {
    int width = imageSlots[0].width;
    int height = imageSlots[0].height;
    stereo.shift = width / shiftDivisor;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            PLR_SelectImage(0);
            ColorValue color = PLR_GetPixel(x, y);
            ColorValue depth = static_cast<ColorValue>(depthOf(color)) * 0x010101u;
            PLR_SelectImage(1);
            PLR_PutPixel(x, y, depth);
        }
    PLR_DrawImage(currentImage);
}

} // namespace

void MakeVMap() { MakeDepthMap(DepthFromValue, 64); }

void MakeSMap() { MakeDepthMap(DepthFromSaturation, 32); }

void MakeSMapMod() { MakeDepthMap(DepthFromModifiedSaturation, 64); }

void MakeSMapModV() { MakeDepthMap(DepthFromModifiedSaturationOrValue, 64); }
