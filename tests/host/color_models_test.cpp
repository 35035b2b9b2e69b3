// RGB/HSV conversions and the read-out colour models.
#include "imageops/color_models.h"
#include "plr_imageops.h"

#include <gtest/gtest.h>

namespace {

ColorValue Rgb(int r, int g, int b) { return static_cast<ColorValue>((r << 16) | (g << 8) | b); }

TEST(SplitRGB, TakesTheThreeLowBytesOnly) {
    int r = -1, g = -1, b = -1;
    PLR_SplitRGB(0xFF123456, &r, &g, &b);
    EXPECT_EQ(r, 0x12);
    EXPECT_EQ(g, 0x34);
    EXPECT_EQ(b, 0x56);
    PLR_SplitRGB(0x123456, nullptr, nullptr, nullptr); // outputs may be left out
}

TEST(RGBtoHSV, KnownColours) {
    struct Case {
        const char* name;
        ColorValue color;
        int h, s, v;
    } cases[] = {
        {"grey", 0x808080, 0, 0, 128},        {"red", 0xFF0000, 0, 255, 255},
        {"yellow", 0xFFFF00, 60, 255, 255},   {"green", 0x00FF00, 120, 255, 255},
        {"cyan", 0x00FFFF, 180, 255, 255},    {"blue", 0x0000FF, 240, 255, 255},
        {"magenta", 0xFF00FF, 300, 255, 255}, {"(200, 100, 50)", 0xC86432, 20, 150, 200},
        {"black", 0x000000, 0, 0, 0},         {"top byte ignored", 0xFFFF0000, 0, 255, 255},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        int h = -1, s = -1, v = -1;
        PLR_RGBtoHSV(c.color, &h, &s, &v);
        EXPECT_EQ(h, c.h);
        EXPECT_EQ(s, c.s);
        EXPECT_EQ(v, c.v);
        EXPECT_EQ(PLR_GetHue(c.color), c.h);
        EXPECT_EQ(PLR_GetSaturation(c.color), c.s);
        EXPECT_EQ(PLR_GetValue(c.color), c.v);
    }
}

TEST(HSVtoRGB, SectorsAndClampedMinimum) {
    struct Case {
        const char* name;
        int v, s, h;
        ColorValue expected;
    } cases[] = {
        {"green", 255, 255, 120, Rgb(0, 255, 0)},
        {"m clamped to 0", 200, 300, 0, Rgb(200, 0, 0)},
        {"grey", 128, 0, 200, Rgb(128, 128, 128)},
        {"orange", 200, 150, 20, Rgb(200, 100, 50)},
        {"sector 60..119", 255, 255, 90, Rgb(127, 255, 0)},
        {"sector 180..239", 255, 255, 210, Rgb(0, 127, 255)},
        {"sector 240..299", 255, 255, 270, Rgb(127, 0, 255)},
        {"sector 300..359", 255, 255, 330, Rgb(255, 0, 127)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PLR_HSVtoRGB(c.v, c.s, c.h), c.expected);
    }
}

// The six sector rules, tried in their order of precedence.
struct SectorRule {
    int maxChannel, minChannel; // 0 R, 1 G, 2 B
    int rising, falling;        // numerator (rising - falling) * 60 / d
    int base;
};
const SectorRule sectorRules[] = {
    {0, 2, 1, 2, 0}, {1, 2, 1, 0, 60}, {1, 0, 2, 0, 120}, {2, 0, 2, 1, 180}, {2, 1, 0, 1, 240}, {0, 1, 0, 2, 300},
};

void ReferenceHSV(int r, int g, int b, int* h, int* s, int* v) {
    int c[3] = {r, g, b};
    int max = r > g ? (r > b ? r : b) : (g > b ? g : b);
    int min = r < g ? (r < b ? r : b) : (g < b ? g : b);
    *v = max;
    *s = max - min;
    *h = 0;
    if (max == min) return;
    for (const SectorRule& rule : sectorRules) {
        if (c[rule.maxChannel] == max && c[rule.minChannel] == min) {
            *h = (c[rule.rising] - c[rule.falling]) * 60 / (max - min) + rule.base;
            return;
        }
    }
    *h = -1; // no rule matched
}

TEST(RGBtoHSV, EveryColourMatchesTheReferenceAndStaysInRange) {
    int mismatches = 0, outOfRange = 0;
    for (uint32_t color = 0; color < (1u << 24); ++color) {
        int h, s, v, rh, rs, rv;
        PLR_RGBtoHSV(color, &h, &s, &v);
        ReferenceHSV(color >> 16, (color >> 8) & 0xFF, color & 0xFF, &rh, &rs, &rv);
        if (h != rh || s != rs || v != rv) {
            if (++mismatches <= 5) ADD_FAILURE() << std::hex << "colour 0x" << color;
        }
        if (h < 0 || h > 359 || s < 0 || s > 255 || v < 0 || v > 255) ++outOfRange;
    }
    EXPECT_EQ(mismatches, 0);
    EXPECT_EQ(outOfRange, 0);
}

TEST(ColorReadout, WhiteBlackAndRed) {
    struct Case {
        const char* name;
        ColorValue color;
        ColorReadout expected;
    } cases[] = {
        {"white", 0xFFFFFF, {255, 0, 0, 0, 0, 0, 0}},
        {"black", 0x000000, {0, 0, 0, 0, 0, 0, 0}},
        // Negative quantities truncate toward zero: Cb -42.6 gives -42, u -36.98 gives -36.
        {"red", 0xFF0000, {76, 128, -42, -36, 157, 152, 53}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ColorReadout out = ComputeColorReadout(c.color);
        EXPECT_EQ(out.y, c.expected.y);
        EXPECT_EQ(out.cr, c.expected.cr);
        EXPECT_EQ(out.cb, c.expected.cb);
        EXPECT_EQ(out.u, c.expected.u);
        EXPECT_EQ(out.v, c.expected.v);
        EXPECT_EQ(out.i, c.expected.i);
        EXPECT_EQ(out.q, c.expected.q);
    }
}

} // namespace
