// The gamma and S-correction tables, the correction plot and the four depth maps.
#include "app/stereo.h"
#include "imagewin/image_slots.h"
#include "tests/support/test_images.h"
#include "tests/support/window_doubles.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// Parameters and tables are process-wide: each test starts from the defaults and leaves them so.
struct DepthTest : testing::Test {
    StereoParameters savedParameters;
    void SetUp() override {
        CloseTestImages();
        savedParameters = stereo;
        Rebuild();
    }
    void TearDown() override {
        CloseTestImages();
        stereo = savedParameters;
        Rebuild();
    }
    // With no slot open the plot has nowhere to go; its drawing is not what a test records.
    static void Rebuild() {
        MakeGammaTable();
        MakeCorrectionCurve();
        ResetWindowDoubles();
    }
    static ColorValue Pixel(int slot, int x, int y) { return pixels32[slot][y * imageSlots[slot].width + x]; }
};

const ColorValue RED = 0xFF0000, WHITE = 0xFFFFFF, BLACK = 0, MID_GREY = 0x808080, BROWN = 0xC86432;

// The expected tables and depths in this file are worked out from the values every run starts
// with (S_mod 9, S_correct 100, S_correct_sub 0.3, gamma 1.0); when those change, this says why
// the tables no longer match.
TEST_F(DepthTest, ParametersStartAtTheirDefaults) {
    EXPECT_EQ(stereo.shift, 10);
    EXPECT_EQ(stereo.S_mod, 9);
    EXPECT_EQ(stereo.S_correct, 100);
    EXPECT_EQ(stereo.S_correct_sub, 0.3);
    EXPECT_EQ(stereo.gamma, 1.0);
}

TEST_F(DepthTest, CorrectionTableWithTheDefaults) {
    struct Case {
        int i, entry;
    } cases[] = {{0, 0},    {16, 0},   {32, 0},   {48, 0},   {64, 1},   {80, 3},    {96, 5},    {112, 9},  {128, 15},
                 {144, 22}, {160, 32}, {176, 44}, {192, 60}, {208, 78}, {224, 100}, {240, 126}, {255, 155}};
    for (const Case& c : cases)
        EXPECT_EQ(sCorrectionTable[c.i], c.entry) << "i = " << c.i;
}

TEST_F(DepthTest, GammaOneIsTheIdentity) {
    for (int i = 0; i < DEPTH_TABLE_SIZE; ++i)
        EXPECT_EQ(gammaTable[i], i);
}

TEST_F(DepthTest, GammaTwoIsTheSquareRootShape) {
    stereo.gamma = 2.0;
    MakeGammaTable();
    struct Case {
        int i, entry;
    } cases[] = {{0, 0}, {1, 15}, {2, 22}, {3, 27}, {128, 180}, {255, 255}};
    for (const Case& c : cases)
        EXPECT_EQ(gammaTable[c.i], c.entry) << "i = " << c.i;
}

// A parameter of 0 makes the exponent +infinity: only pow(1, inf) = 1 survives.
TEST_F(DepthTest, ParameterZeroKeepsOnlyTheTopEntry) {
    struct Case {
        const char* name;
        double gamma, sub;
        int sCorrect;
        const int* table;
        int top;
    } cases[] = {
        {"gamma 0", 0.0, 0.3, 100, gammaTable, 255},
        {"S_correct_sub 0, S_correct 0", 1.0, 0.0, 0, sCorrectionTable, 255},
        {"S_correct_sub 0, S_correct 100", 1.0, 0.0, 100, sCorrectionTable, 155},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        stereo.gamma = c.gamma;
        stereo.S_correct_sub = c.sub;
        stereo.S_correct = c.sCorrect;
        MakeGammaTable();
        MakeCorrectionCurve();
        for (int i = 0; i < 255; ++i)
            ASSERT_EQ(c.table[i], 0) << "i = " << i;
        EXPECT_EQ(c.table[255], c.top);
    }
}

// Only the buttons keep the parameters in range; the tables are indices all the same.
TEST_F(DepthTest, TablesStayWithinLevelsWhateverTheParameters) {
    struct Case {
        double gamma, sub;
        int sCorrect;
    } cases[] = {{0.0, 0.0, 0}, {1e-300, 1e-300, 255}, {-0.5, -1.0, -5}, {1e300, 50.0, 300}};
    for (const Case& c : cases) {
        stereo.gamma = c.gamma;
        stereo.S_correct_sub = c.sub;
        stereo.S_correct = c.sCorrect;
        MakeGammaTable();
        MakeCorrectionCurve();
        for (int i = 0; i < DEPTH_TABLE_SIZE; ++i) {
            EXPECT_TRUE(gammaTable[i] >= 0 && gammaTable[i] <= 255) << "gamma " << c.gamma << " i " << i;
            EXPECT_TRUE(sCorrectionTable[i] >= 0 && sCorrectionTable[i] <= 255) << "sub " << c.sub << " i " << i;
        }
    }
}

// Five colours in the first columns of a 130-wide picture, so that W / 64 = 2 and W / 32 = 4.
TEST_F(DepthTest, DepthOfColoursInEveryMap) {
    const ColorValue colours[] = {RED, WHITE, BLACK, MID_GREY, BROWN};
    struct Case {
        const char* name;
        void (*make)();
        int shift;
        int d[5]; // red, white, black, mid grey, (200, 100, 50)
    } cases[] = {
        {"V map", MakeVMap, 2, {255, 255, 0, 128, 200}},
        {"S map", MakeSMap, 4, {255, 0, 0, 0, 150}},
        {"S mod", MakeSMapMod, 2, {155, 0, 108, 10, 67}},
        {"S mod+V", MakeSMapModV, 2, {155, 155, 108, 15, 68}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenTestImage(0, 32, 130, 2);
        OpenTestImage(1, 32, 130, 2);
        FillTestImage(1, 0xABCDEF);
        for (int x = 0; x < 5; ++x)
            pixels32[0][130 + x] = colours[x]; // row 1
        c.make();
        EXPECT_EQ(stereo.shift, c.shift);
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(Pixel(1, x, 1), static_cast<ColorValue>(c.d[x]) * 0x010101u) << "colour " << x;
        EXPECT_EQ(Pixel(1, 129, 1), Pixel(1, 0, 0)) << "black everywhere else";
        EXPECT_EQ(currentImage, 1);
        EXPECT_EQ(lastDrawnImage, 1);
        CloseTestImages();
    }
}

TEST_F(DepthTest, SCorrect255GivesBlackModifiedMaps) {
    stereo.S_correct = 255;
    MakeCorrectionCurve();
    for (int i = 0; i < DEPTH_TABLE_SIZE; ++i)
        ASSERT_EQ(sCorrectionTable[i], 0) << "i = " << i;
    void (*maps[])() = {MakeSMapMod, MakeSMapModV};
    for (void (*make)() : maps) {
        OpenTestImage(0, 32, 5, 1);
        OpenTestImage(1, 32, 5, 1);
        const ColorValue colours[] = {RED, WHITE, BLACK, MID_GREY, BROWN};
        memcpy(pixels32[0], colours, sizeof colours);
        FillTestImage(1, 0xABCDEF);
        make();
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(Pixel(1, x, 0), 0u) << "colour " << x;
        CloseTestImages();
    }
}

// An 8-bit picture's byte v is the colour (0, 0, v): V and S are both v.
TEST_F(DepthTest, EightBitPictureCountsAsBlue) {
    struct Case {
        const char* name;
        void (*make)();
    } cases[] = {{"V map", MakeVMap}, {"S map", MakeSMap}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenTestImage(0, 8, 3, 2); // rows of 4 bytes
        OpenTestImage(1, 32, 3, 2);
        pixels8[0][4 + 2] = 200;
        c.make();
        EXPECT_EQ(Pixel(1, 2, 1), 200u * 0x010101u);
        EXPECT_EQ(Pixel(1, 0, 0), 0u);
        CloseTestImages();
    }
}

TEST_F(DepthTest, WithDepthClosedTheMapIsWrittenOverThePicture) {
    OpenTestImage(0, 32, 3, 2);
    const ColorValue picture[] = {RED, WHITE, BLACK, MID_GREY, BROWN, 0x102030};
    memcpy(pixels32[0], picture, sizeof picture);
    MakeVMap();
    const ColorValue expected[] = {0xFFFFFF, 0xFFFFFF, 0, 0x808080, 0xC8C8C8, 0x303030};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(pixels32[0][i], expected[i]) << "pixel " << i;
    EXPECT_EQ(currentImage, 0);
    EXPECT_EQ(lastDrawnImage, 0);
}

// With S_correct 0 the curve reaches 255; entry 1 first appears at i = 49.
TEST_F(DepthTest, PlotPutsEachEntryOnRow256MinusEntry) {
    stereo.S_correct = 0;
    OpenTestImage(0, 32, 8, 8);
    OpenTestImage(4, 32, 256, 256);
    FillTestImage(4, 0x123456);
    currentImage = 0;
    MakeCorrectionCurve();
    EXPECT_EQ(currentImage, 4);
    EXPECT_EQ(lastDrawnImage, 4);
    struct Case {
        int i, entry, row; // row -1: nothing drawn in column i
    } cases[] = {{0, 0, -1}, {48, 0, -1}, {49, 1, 255}, {255, 255, 1}};
    for (const Case& c : cases) {
        ASSERT_EQ(sCorrectionTable[c.i], c.entry) << "i = " << c.i;
        for (int y = 0; y < 256; ++y)
            EXPECT_EQ(Pixel(4, c.i, y), y == c.row ? 0xFFFFFFu : 0u) << "column " << c.i << " row " << y;
    }
    for (int x = 0; x < 256; ++x) {
        EXPECT_EQ(Pixel(4, x, 0), 0u) << "row 0, column " << x;
        int row = 256 - sCorrectionTable[x];
        if (row < 256) {
            EXPECT_EQ(Pixel(4, x, row), 0xFFFFFFu) << "column " << x;
        }
    }
    EXPECT_EQ(Pixel(0, 7, 7), 0u) << "the picture is left alone";
}

TEST_F(DepthTest, PlotWithItsSlotClosedGoesOverTheCurrentImage) {
    OpenTestImage(0, 32, 300, 260);
    FillTestImage(0, 0x123456);
    MakeCorrectionCurve(); // defaults: entry 255 is 155
    EXPECT_EQ(currentImage, 0);
    EXPECT_EQ(lastDrawnImage, 0);
    EXPECT_EQ(Pixel(0, 10, 10), 0u);
    EXPECT_EQ(Pixel(0, 255, 256 - 155), 0xFFFFFFu);
    EXPECT_EQ(Pixel(0, 256, 10), 0u) << "the box's outline includes column 256";
    EXPECT_EQ(Pixel(0, 255, 256), 0u) << "and row 256";
    EXPECT_EQ(Pixel(0, 10, 256), 0xFFFFFFu) << "an entry of 0 lands on row 256, inside this taller image";
    EXPECT_EQ(Pixel(0, 257, 10), 0x123456u);
    EXPECT_EQ(Pixel(0, 10, 257), 0x123456u);
}

} // namespace
