#include "imageops/color_models.h"
#include "plr_imageops.h"

#include <algorithm>
#include <cstdio>

void PLR_SplitRGB(ColorValue color, int* r, int* g, int* b) {
    if (r) *r = static_cast<int>((color >> 16) & 0xFF);
    if (g) *g = static_cast<int>((color >> 8) & 0xFF);
    if (b) *b = static_cast<int>(color & 0xFF);
}

void PLR_RGBtoHSV(ColorValue color, int* h, int* s, int* v) {
    int r, g, b;
    PLR_SplitRGB(color, &r, &g, &b);
    int max = std::max({r, g, b});
    int min = std::min({r, g, b});
    int d = max - min;
    // Each sector adds a non-negative truncated term to its lower bound; ties fall to the earlier
    // test, which gives the same hue as the later one would.
    int hue = 0;
    if (d == 0)
        hue = 0;
    else if (max == r && min == b)
        hue = (g - b) * 60 / d;
    else if (max == g && min == b)
        hue = (g - r) * 60 / d + 60;
    else if (max == g && min == r)
        hue = (b - r) * 60 / d + 120;
    else if (max == b && min == r)
        hue = (b - g) * 60 / d + 180;
    else if (max == b && min == g)
        hue = (r - g) * 60 / d + 240;
    else
        hue = (r - b) * 60 / d + 300;
    if (h) *h = hue;
    if (s) *s = d;
    if (v) *v = max;
}

int PLR_GetHue(ColorValue color) {
    int h;
    PLR_RGBtoHSV(color, &h, nullptr, nullptr);
    return h;
}

int PLR_GetSaturation(ColorValue color) {
    int s;
    PLR_RGBtoHSV(color, nullptr, &s, nullptr);
    return s;
}

int PLR_GetValue(ColorValue color) {
    int v;
    PLR_RGBtoHSV(color, nullptr, nullptr, &v);
    return v;
}

ColorValue PLR_HSVtoRGB(int v, int s, int h) {
    // 64-bit throughout: inputs are not clamped, and out-of-range ones must not overflow.
    int64_t value = v;
    int64_t m = std::max<int64_t>(value - s, 0);
    int64_t d = value - m;
    auto t = [d](int64_t k) { return d * k / 60; };
    int64_t r, g, b;
    if (h < 60)
        r = value, g = m + t(h), b = m;
    else if (h < 120)
        r = m + t(120 - static_cast<int64_t>(h)), g = value, b = m;
    else if (h < 180)
        r = m, g = value, b = m + t(h - 120);
    else if (h < 240)
        r = m, g = m + t(240 - static_cast<int64_t>(h)), b = value;
    else if (h < 300)
        r = m + t(h - 240), g = m, b = value;
    else
        r = value, g = m, b = m + t(360 - static_cast<int64_t>(h));
    return (static_cast<uint32_t>(r) << 16) + (static_cast<uint32_t>(g) << 8) + static_cast<uint32_t>(b);
}

ColorReadout ComputeColorReadout(ColorValue color) {
    int r, g, b;
    PLR_SplitRGB(color, &r, &g, &b);
    // C++ division truncates toward zero, as the signed read-outs require; R, G, B <= 255 keep
    // every numerator well inside int.
    ColorReadout out;
    out.y = (19595 * r + 38470 * g + 7471 * b + 32768) / 65536;
    out.cr = (32768 * r - 27460 * g - 5308 * b + 32768) / 65536;
    out.cb = (-11076 * r - 21692 * g + 32768 * b + 32768) / 65536;
    out.u = (-9634 * r - 18940 * g + 28574 * b + 32768) / 65536;
    out.v = (40305 * r - 33751 * g - 6554 * b + 32768) / 65536;
    out.i = (39053 * r - 18022 * g - 21037 * b + 32768) / 65536;
    out.q = (13533 * r - 32565 * g + 19032 * b + 32768) / 65536;
    return out;
}
