// RGB/HSV conversions and the read-out colour models.
#include "imageops/color_models.h"
#include "plr_imageops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

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

// Over every colour: V is the largest channel, S the spread, H a whole degree below 360, and
// converting back gives the colour again up to the truncated hue.
//
// The round trip's bound. With V = max and S = max - min = d, PLR_HSVtoRGB's m = V - S is the
// smallest channel, so the largest and smallest come back exactly, and so does a channel tied with
// either, since ties put H on a sector boundary. The middle channel lies e levels above m, and H
// keeps only floor(60 e / d) degrees of it: the dropped fraction of a degree is worth at most
// (d - 1) / 60 levels. Scaling back by d / 60 truncates again, so the channel comes back at most
// ceil((d - 1) / 60) <= ceil(254 / 60) = 5 levels off: below where it rises with H, above where
// it falls. Every colour run through reaches 5 below at (0, 247, 37) and 4 above at (0, 13, 255).
TEST(RGBtoHSV, EveryColourKeepsItsChannelsAndComesBack) {
    const int kMiddleChannelTolerance = 5;
    int wrong = 0, outOfRange = 0;
    for (uint32_t color = 0; color < (1u << 24); ++color) {
        int channels[3], backChannels[3];
        PLR_SplitRGB(color, &channels[0], &channels[1], &channels[2]);
        int max = *std::max_element(channels, channels + 3), min = *std::min_element(channels, channels + 3);
        int h, s, v;
        PLR_RGBtoHSV(color, &h, &s, &v);
        if (h < 0 || h > 359 || s < 0 || s > 255 || v < 0 || v > 255) ++outOfRange;
        ColorValue back = PLR_HSVtoRGB(v, s, h);
        PLR_SplitRGB(back, &backChannels[0], &backChannels[1], &backChannels[2]);
        bool ok = v == max && s == max - min && back <= 0xFFFFFF;
        for (int i = 0; i < 3; ++i) {
            int error = std::abs(backChannels[i] - channels[i]);
            bool extreme = channels[i] == max || channels[i] == min;
            ok = ok && error <= (extreme ? 0 : kMiddleChannelTolerance);
        }
        if (!ok && ++wrong <= 5)
            ADD_FAILURE() << std::hex << "colour 0x" << color << ": H " << std::dec << h << " S " << s << " V " << v
                          << " back 0x" << std::hex << back;
    }
    EXPECT_EQ(wrong, 0);
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
