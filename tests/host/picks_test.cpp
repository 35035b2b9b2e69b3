// Rubber bands, the paste frame, the circle's radius and the graphs' plotting, without windows.
#include "imageops/picks.h"
#include "tests/support/test_images.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct PickTest : testing::Test {
    void SetUp() override { CloseTestImages(); }
    void TearDown() override { CloseTestImages(); }
    static std::vector<ColorValue> Snapshot(int width, int height) {
        std::vector<ColorValue> pixels;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels.push_back(PLR_GetPixel(x, y));
        return pixels;
    }
    static int Count(int width, int height, ColorValue value) {
        int count = 0;
        for (ColorValue p : Snapshot(width, height))
            count += p == value;
        return count;
    }
};

TEST(PickGeometry, CircleRadiusRoundsTheDistance) {
    struct Case {
        int dx, dy, radius;
    } cases[] = {{3, 4, 5}, {-3, -4, 5}, {1, 1, 1}, {2, 2, 3}, {0, 0, 0}, {7, 0, 7}};
    for (const Case& c : cases)
        EXPECT_EQ(CircleRadius(c.dx, c.dy), c.radius) << c.dx << ", " << c.dy;
}

TEST(PickGeometry, PasteFrameIsCentredOnTheMouse) {
    struct Case {
        int x, y, width, height;
        Frame frame;
    } cases[] = {{10, 20, 9, 5, {6, 18, 14, 22}}, {10, 10, 10, 10, {5, 5, 14, 14}}, {0, 0, 1, 1, {0, 0, 0, 0}}};
    for (const Case& c : cases) {
        Frame f = PasteFrame(c.x, c.y, c.width, c.height);
        EXPECT_EQ(f.left, c.frame.left);
        EXPECT_EQ(f.top, c.frame.top);
        EXPECT_EQ(f.right, c.frame.right);
        EXPECT_EQ(f.bottom, c.frame.bottom);
    }
}

// Every band drawn twice leaves the picture as it was, partly outside the image too.
TEST_F(PickTest, RubberBandsDrawnTwiceRestoreThePicture) {
    OpenTestImage(0, 32, 20, 15);
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x)
            PLR_PutPixel(x, y, static_cast<ColorValue>(x * 7 + y * 300));
    std::vector<ColorValue> before = Snapshot(20, 15);
    RubberBand bands[] = {
        {BAND_ROW, 0, 0, 3, 4, 0, 0},       {BAND_COLUMN, 0, 0, 3, 4, 0, 0},    {BAND_LINE, 1, 1, 18, 9, 0, 0},
        {BAND_RECT, 15, 12, 2, 3, 0, 0},    {BAND_CIRCLE, 10, 7, 13, 11, 0, 0}, {BAND_PASTE, 0, 0, 10, 7, 9, 9},
        {BAND_PASTE, 0, 0, 19, 14, 12, 10}, {BAND_CIRCLE, 0, 0, 0, 0, 0, 0},
    };
    for (const RubberBand& band : bands) {
        DrawRubberBand(band);
        DrawRubberBand(band);
        EXPECT_EQ(Snapshot(20, 15), before) << "band " << band.kind;
    }
}

// The paste frame's diagonals appear once both sides are 9 or more.
TEST_F(PickTest, PasteFrameDiagonalsFromNinePixels) {
    struct Case {
        int width, height, inverted;
    } cases[] = {{8, 8, 28}, {9, 9, 32 + 2 * 7 - 2}, {9, 8, 30}}; // the diagonals cross, inverting the centre twice
    for (const Case& c : cases) {
        OpenTestImage(0, 32, 30, 30);
        DrawRubberBand({BAND_PASTE, 0, 0, 15, 15, c.width, c.height});
        EXPECT_EQ(Count(30, 30, 0xFFFFFF), c.inverted) << c.width << " x " << c.height;
    }
}

TEST(Profiles, ValuesAndRows) {
    EXPECT_EQ(ProfileRow(ProfileValue(0xFF0000, CHANNEL_RED), CHANNEL_RED), 0);
    EXPECT_EQ(ProfileRow(ProfileValue(0x00FFFF, CHANNEL_RED), CHANNEL_RED), 127);
    EXPECT_EQ(ProfileRow(359, CHANNEL_HUE), 0);
    EXPECT_EQ(ProfileRow(180, CHANNEL_HUE), 64);
    EXPECT_EQ(ProfileValue(0x808080, CHANNEL_CR), 128);
    EXPECT_EQ(ProfileValue(0xAB, CHANNEL_BYTE), 0xAB);
    for (ColorValue grey : {0x000000u, 0x808080u, 0xFFFFFFu}) {
        PlanePoint p = ChromaPoint(grey);
        EXPECT_EQ(p.x, 128);
        EXPECT_EQ(p.y, 128);
    }
}

TEST_F(PickTest, ProfilesArePolylinesFromTheOffset) {
    OpenTestImage(0, 32, 20, 128);
    currentImage = 0;
    ColorValue row[3] = {0xFF0000, 0x000000, 0xFF0000};
    PLR_PlotProfile(row, 12, 3, CHANNEL_RED, 0x00FF00);
    EXPECT_EQ(PLR_GetPixel(12, 0), 0x00FF00u);
    EXPECT_EQ(PLR_GetPixel(13, 127), 0x00FF00u);
    EXPECT_EQ(PLR_GetPixel(14, 0), 0x00FF00u);
    EXPECT_EQ(PLR_GetPixel(11, 0), 0u);
    uint8_t bytes[2] = {255, 0};
    PLR_PlotProfile(bytes, 0, 2, CHANNEL_BYTE, 0xFFFFFF);
    EXPECT_EQ(PLR_GetPixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(PLR_GetPixel(1, 127), 0xFFFFFFu);
}

// A grey row has no chroma: every point of its polyline is the centre.
TEST_F(PickTest, AGreyRowPlotsEveryChromaPointAtTheCentre) {
    OpenTestImage(0, 32, 256, 256);
    currentImage = 0;
    ColorValue greys[4] = {0x000000, 0x404040, 0x808080, 0xFFFFFF};
    PLR_PlotCrCb(greys, 4, 0);
    ColorValue centre = PLR_GetPixel(128, 128);
    EXPECT_TRUE(centre == 0xFFFFFF || centre == 0xFF00FF);
    EXPECT_EQ(Count(256, 256, 0xFFFFFF) + Count(256, 256, 0xFF00FF), 1);
    EXPECT_EQ(PLR_GetPixel(10, 128), 0x808080u); // the axes
    EXPECT_EQ(PLR_GetPixel(128, 10), 0x808080u);
}

} // namespace
