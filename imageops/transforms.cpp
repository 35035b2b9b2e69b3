#include "imageops/transforms.h"
#include "plr_imageops.h"

#include <cmath>
#include <cstring>

namespace {

int ClampChannel(int64_t value) { return value < 0 ? 0 : (value > 255 ? 255 : static_cast<int>(value)); }

ColorValue Rgb(int64_t r, int64_t g, int64_t b) {
    return static_cast<ColorValue>(ClampChannel(r) << 16 | ClampChannel(g) << 8 | ClampChannel(b));
}

// The chroma planes: luminance grows with the distance from the centre, chroma a to the right and
// b upward; coefficients in 65536ths.
struct ChromaCoefficients {
    int64_t r1, r2, g1, g2, b1, b2;
};
const ChromaCoefficients chromaPlanes[] = {
    {0, 91881, -22544, -46793, 116130, 0},          // YCrCb: a is Cb, b is Cr
    {0, 74711, -25952, -38076, 132973, 0},          // Yuv: a is u, b is v
    {42998, 62187, -44872, -17334, 118292, -73859}, // YIQ
};

ColorValue ChromaPixel(const ChromaCoefficients& c, int x, int y, int width, int height) {
    int64_t a = (static_cast<int64_t>(x) - width / 2) * 255 / width;
    int64_t b = -((static_cast<int64_t>(y) - height / 2) * 255 / height);
    int64_t luminance = static_cast<int64_t>(std::sqrt(static_cast<double>(5 * a * a + 5 * b * b)));
    auto channel = [&](int64_t c1, int64_t c2) { return (65536 * luminance + c1 * a + c2 * b + 32768) / 65536; };
    return Rgb(channel(c.r1, c.r2), channel(c.g1, c.g2), channel(c.b1, c.b2));
}

// White to full colour in the top half, full colour toward black in the bottom half.
ColorValue HsvPixel(int x, int y, int width, int height) {
    int hue = static_cast<int>(int64_t{359} * x / width);
    int64_t half = height / 2;
    if (y < half) return PLR_HSVtoRGB(255, static_cast<int>(255 * int64_t{y} / half), hue);
    // An image one row high has no bottom half to darken along: its row is full colour.
    int value = half == 0 ? 255 : static_cast<int>(255 - 255 * (y - half) / half);
    return PLR_HSVtoRGB(value, 255, hue);
}

} // namespace

ColorValue TestPatternPixel(int pattern, int x, int y, int width, int height) {
    if (width < 1 || height < 1) return 0;
    switch (pattern) {
    case PATTERN_RGB:
        return Rgb(255 * int64_t{x} / width, 255 * int64_t{y} / height,
                   255 - 255 * (int64_t{x} + y) / (int64_t{width} + height));
    case PATTERN_HSV: return HsvPixel(x, y, width, height);
    case PATTERN_YCRCB:
    case PATTERN_YUV:
    case PATTERN_YIQ: return ChromaPixel(chromaPlanes[pattern - PATTERN_YCRCB], x, y, width, height);
    }
    return 0;
}

void RotateBlock(const void* source, void* target, int width, int height, int bytesPerPixel, bool clockwise) {
    const uint8_t* from = static_cast<const uint8_t*>(source);
    uint8_t* to = static_cast<uint8_t*>(target);
    size_t pixel = static_cast<size_t>(bytesPerPixel);
    // The new image is height wide and width high.
    for (size_t y = 0; y < static_cast<size_t>(width); ++y)
        for (size_t x = 0; x < static_cast<size_t>(height); ++x) {
            size_t oldX = clockwise ? y : width - 1 - y;
            size_t oldY = clockwise ? height - 1 - x : x;
            std::memcpy(to + (y * height + x) * pixel, from + (oldY * width + oldX) * pixel, pixel);
        }
}

int64_t SizeStep(int size, int factor) { return (int64_t{size} * factor + 500) / 1000; }
