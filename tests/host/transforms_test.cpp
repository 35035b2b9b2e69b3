// Test patterns, quarter turns and size steps, without the window system.
#include "imageops/transforms.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint32_t> Rotated(const std::vector<uint32_t>& block, int width, int height, bool clockwise) {
    std::vector<uint32_t> out(block.size());
    RotateBlock(block.data(), out.data(), width, height, 4, clockwise);
    return out;
}

// Rows (p0 p1 p2 / p3 p4 p5) of a 3 x 2 image.
TEST(RotateBlock, QuarterTurnsOfThreeByTwo) {
    std::vector<uint32_t> block = {0, 1, 2, 3, 4, 5};
    EXPECT_EQ(Rotated(block, 3, 2, true), (std::vector<uint32_t>{3, 0, 4, 1, 5, 2}));
    EXPECT_EQ(Rotated(block, 3, 2, false), (std::vector<uint32_t>{2, 5, 1, 4, 0, 3}));
    std::vector<uint8_t> bytes = {10, 11, 12, 13, 14, 15}, turned(6);
    RotateBlock(bytes.data(), turned.data(), 3, 2, 1, true);
    EXPECT_EQ(turned, (std::vector<uint8_t>{13, 10, 14, 11, 15, 12}));
    // Four turns either way come back.
    std::vector<uint32_t> wide = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    EXPECT_EQ(Rotated(Rotated(Rotated(Rotated(wide, 4, 3, true), 3, 4, true), 4, 3, true), 3, 4, true), wide);
    EXPECT_EQ(Rotated(Rotated(wide, 4, 3, true), 3, 4, false), wide);
}

TEST(SizeStep, RoundsToTheNearestPixel) {
    struct Case {
        int size, factor;
        int64_t expected;
    } cases[] = {{1, SIZE_STEP_HALF, 1},
                 {3, SIZE_STEP_SMALLER, 2},
                 {640, SIZE_STEP_HALF, 320},
                 {640, SIZE_STEP_SMALLER, 452},
                 {640, SIZE_STEP_LARGER, 905},
                 {640, SIZE_STEP_DOUBLE, 1280},
                 {2000000000, SIZE_STEP_DOUBLE, 4000000000}};
    for (const Case& c : cases)
        EXPECT_EQ(SizeStep(c.size, c.factor), c.expected) << c.size << " at " << c.factor;
}

ColorValue Rgb(int r, int g, int b) { return static_cast<ColorValue>(r << 16 | g << 8 | b); }

TEST(TestPatternPixel, WorkedExamples) {
    struct Case {
        const char* what;
        int pattern, x, y, width, height;
        ColorValue expected;
    } cases[] = {
        {"YCrCb centre", PATTERN_YCRCB, 128, 128, 256, 256, 0},
        {"YCrCb top left: Y 401, clamped", PATTERN_YCRCB, 0, 0, 256, 256, Rgb(255, 255, 176)},
        {"YCrCb bottom right: Y 398", PATTERN_YCRCB, 255, 255, 256, 256, Rgb(221, 255, 255)},
        {"RGB top left", PATTERN_RGB, 0, 0, 100, 50, Rgb(0, 0, 255)},
        {"RGB bottom right: 255 - 37740 / 150", PATTERN_RGB, 99, 49, 100, 50, Rgb(252, 249, 4)},
        {"HSV top left: white", PATTERN_HSV, 0, 0, 360, 100, Rgb(255, 255, 255)},
        {"HSV middle row: full red", PATTERN_HSV, 0, 50, 360, 100, Rgb(255, 0, 0)},
        {"HSV one row high", PATTERN_HSV, 0, 0, 360, 1, Rgb(255, 0, 0)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TestPatternPixel(c.pattern, c.x, c.y, c.width, c.height), c.expected) << c.what;
}

// Every channel of every pattern stays a channel, whatever the size.
TEST(TestPatternPixel, ChannelsStayWithinRange) {
    const int sizes[][2] = {{1, 1}, {1, 7}, {7, 1}, {2, 2}, {3, 5}, {256, 256}, {97, 31}};
    int outside = 0;
    for (int pattern : {PATTERN_RGB, PATTERN_HSV, PATTERN_YCRCB, PATTERN_YUV, PATTERN_YIQ})
        for (const auto& size : sizes)
            for (int y = 0; y < size[1]; ++y)
                for (int x = 0; x < size[0]; ++x)
                    outside += TestPatternPixel(pattern, x, y, size[0], size[1]) > 0xFFFFFF;
    EXPECT_EQ(outside, 0);
}

} // namespace
