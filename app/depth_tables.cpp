// The gamma table, the S-correction table and the S-correction plot.
#include "app/stereo.h"

#include <cmath>

int gammaTable[DEPTH_TABLE_SIZE];
int sCorrectionTable[DEPTH_TABLE_SIZE];

namespace {

// 255 * (i / 255)^exponent, truncated. An exponent of +infinity (parameter 0) gives 0 below 255
// and 255 at 255; a negative parameter would exceed 255 or give infinity, so the result is held
// to 0..255 (a NaN becomes 0).
int PowerCurve(int i, double exponent) {
    double value = std::pow(i / 255.0, exponent) * 255.0;
    if (!(value >= 0.0)) return 0;
    if (value >= 255.0) return 255;
    return static_cast<int>(value);
}

int ClampToLevel(int value) { return value < 0 ? 0 : (value > 255 ? 255 : value); }

} // namespace

void MakeGammaTable() {
    double exponent = 1.0 / stereo.gamma;
    for (int i = 0; i < DEPTH_TABLE_SIZE; ++i)
        gammaTable[i] = PowerCurve(i, exponent);
}

void MakeCorrectionCurve() {
    double exponent = 1.0 / stereo.S_correct_sub;
    int top = 255 - ClampToLevel(stereo.S_correct);
    for (int i = 0; i < DEPTH_TABLE_SIZE; ++i)
        sCorrectionTable[i] = PowerCurve(i, exponent) * top / 255;

    PLR_SelectImage(4);
    PLR_DrawBox(0, 0, 256, 256, 0, 0);
    // An entry of 0 lands on row 256, just below a 256-high plot, and is not drawn.
    for (int i = 0; i < DEPTH_TABLE_SIZE; ++i)
        PLR_PutPixel(i, 256 - sCorrectionTable[i], 0xFFFFFF);
    PLR_DrawImage(currentImage);
}
