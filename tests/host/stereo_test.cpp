// The view pair with its hole filling, the anaglyph and the two interlaced compositions.
#include "app/stereo.h"
#include "imagewin/image_slots.h"
#include "tests/support/test_images.h"
#include "tests/support/window_doubles.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

typedef std::vector<ColorValue> Pixels;

// A different colour in every pixel of the picture, none of them black.
ColorValue Picture(int x, int y) {
    return 0x400000u + static_cast<ColorValue>(x) * 0x100u + static_cast<ColorValue>(y);
}

struct StereoTest : testing::Test {
    int savedShift;
    void SetUp() override {
        StartOver();
        savedShift = stereo.shift;
    }
    void TearDown() override {
        StartOver();
        stereo.shift = savedShift;
    }
    // No slot open and nothing recorded, between the cases of one test as well.
    static void StartOver() {
        CloseTestImages();
        ResetWindowDoubles();
    }
    // Slots 0 to 3 as Start creates them; the picture painted, the depth map from depthOf.
    void OpenViews(int width, int height, ColorValue (*depthOf)(int x, int y)) {
        OpenTestImage(0, 32, width, height);
        OpenTestImage(1, 32, width, height);
        OpenTestImage(2, 32, 2 * width, height);
        OpenTestImage(3, 32, width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                pixels32[0][y * width + x] = Picture(x, y);
                pixels32[1][y * width + x] = depthOf(x, y);
            }
        for (int i = 0; i < 2 * width * height; ++i)
            pixels32[2][i] = 0xABCDEF; // stale content that the pair must replace
    }
    static Pixels Row(int slot, int y, int from, int count) {
        const uint32_t* row = pixels32[slot] + y * imageSlots[slot].width;
        return Pixels(row + from, row + from + count);
    }
    static Pixels PictureRow(int y, int width) {
        Pixels row;
        for (int x = 0; x < width; ++x)
            row.push_back(Picture(x, y));
        return row;
    }
};

ColorValue BlackDepth(int, int) { return 0; }
ColorValue GreyDepth200(int, int) { return 200 * 0x010101u; }
ColorValue GreyDepth128(int, int) { return 128 * 0x010101u; }
ColorValue GreyDepth255(int, int) { return 255 * 0x010101u; }

// Nothing moves: the left half is the picture. Only a farther neighbour (the last column of a
// grey map) makes the loop select "result" last.
TEST_F(StereoTest, FlatDepthWithoutDisparityCopiesThePicture) {
    struct Case {
        const char* name;
        int shift;
        ColorValue (*depthOf)(int, int);
        int currentAfter;
    } cases[] = {{"shift 0", 0, GreyDepth200, 2}, {"black depth", 16, BlackDepth, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenViews(6, 3, c.depthOf);
        stereo.shift = c.shift;
        MakeViewPair();
        for (int y = 0; y < 3; ++y) {
            EXPECT_EQ(Row(2, y, 0, 6), PictureRow(y, 6)) << "shifted, row " << y;
            EXPECT_EQ(Row(2, y, 6, 6), PictureRow(y, 6)) << "unshifted, row " << y;
        }
        EXPECT_EQ(currentImage, c.currentAfter);
        EXPECT_EQ(lastDrawnImage, c.currentAfter);
        StartOver();
    }
}

// Past the last column the depth reads 0, farther than any grey, and the picture reads black.
TEST_F(StereoTest, UniformGreyLeavesABlackStripAtTheRight) {
    struct Case {
        ColorValue (*depthOf)(int, int);
        int moved; // 16 * grey / 256
    } cases[] = {{GreyDepth128, 8}, {GreyDepth255, 15}};
    const int width = 20;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moved);
        OpenViews(width, 2, c.depthOf);
        stereo.shift = 16;
        MakeViewPair();
        for (int y = 0; y < 2; ++y) {
            Pixels expected;
            for (int x = 0; x < width; ++x)
                expected.push_back(x + c.moved < width ? Picture(x + c.moved, y) : 0);
            EXPECT_EQ(Row(2, y, 0, width), expected) << "row " << y;
            EXPECT_EQ(Row(2, y, width, width), PictureRow(y, width)) << "row " << y;
        }
        EXPECT_EQ(currentImage, 2);
        StartOver();
    }
}

// Columns 20..29 of rows 1 and 2 are near (255) on a far (0) background.
ColorValue NearSquare(int x, int y) { return x >= 20 && x <= 29 && y >= 1 && y <= 2 ? 0xFFFFFFu : 0u; }

TEST_F(StereoTest, NearSquareMovesFifteenColumnsAndItsHoleTakesTheNextPixel) {
    const int width = 48;
    OpenViews(width, 4, NearSquare);
    stereo.shift = 16;
    MakeViewPair();
    for (int y = 0; y < 4; ++y) {
        Pixels expected = PictureRow(y, width);
        if (y == 1 || y == 2) {
            for (int x = 5; x <= 14; ++x)
                expected[x] = Picture(x + 15, y); // the square, 16 * 255 / 256 = 15 to the left
            for (int x = 15; x <= 29; ++x)
                expected[x] = Picture(30, y); // the hole: the background just right of the square
        }
        EXPECT_EQ(Row(2, y, 0, width), expected) << "row " << y;
        EXPECT_EQ(Row(2, y, width, width), PictureRow(y, width)) << "row " << y;
    }
}

// The block copy of an 8-bit picture becomes grey; the per-pixel move keeps the byte (blue).
TEST_F(StereoTest, EightBitPictureIsCopiedAsGreyWithoutReadingPastIt) {
    OpenTestImage(0, 8, 5, 2); // rows of 8 bytes, 16 in all
    OpenTestImage(1, 32, 5, 2);
    OpenTestImage(2, 32, 10, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x)
            pixels8[0][y * 8 + x] = static_cast<uint8_t>(10 * x + y + 1);
    stereo.shift = 16;
    MakeViewPair();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 5; ++x) {
            ColorValue v = static_cast<ColorValue>(10 * x + y + 1);
            EXPECT_EQ(pixels32[2][y * 10 + 5 + x], v * 0x010101u) << x << "," << y;
            EXPECT_EQ(pixels32[2][y * 10 + x], v) << x << "," << y;
        }
}

TEST_F(StereoTest, AnaglyphRedIsTheLuminanceOfTheUnshiftedPicture) {
    struct Case {
        ColorValue unshifted, shifted, expected;
    } cases[] = {
        {0x808080, 0xFF1234, 0x801234}, // grey v gives red v whatever the shifted red
        {0x404040, 0x00FF00, 0x40FF00},     {0xFFFFFF, 0xABCDEF, 0xFFCDEF},
        {0xC86432, 0x000000, 0x7C0000},     // (299 * 200 + 587 * 100 + 114 * 50) / 1000 = 124
        {0x010100, 0x000000, 0x000000},     // 0.886 truncates to 0, not up to 1
        {0x64FA00, 0x000000, 0xB00000},     // 29900 + 146750 = 176650: 176.65 truncates to 176
        {0xFF000001, 0xFF000102, 0x000102}, // the top byte of either word is ignored
    };
    const int width = sizeof cases / sizeof cases[0];
    OpenViews(width, 1, BlackDepth);
    for (int x = 0; x < width; ++x) {
        pixels32[2][x] = cases[x].shifted;
        pixels32[2][width + x] = cases[x].unshifted;
    }
    ShowAnaglyph();
    for (int x = 0; x < width; ++x)
        EXPECT_EQ(pixels32[3][x], cases[x].expected) << "case " << x;
    EXPECT_EQ(currentImage, 3);
    EXPECT_EQ(lastDrawnImage, 3);
    EXPECT_EQ(displayWindowRaises, 1);
}

// "result" rows: shifted 0xAA0000 + y on the left, unshifted 0x0000BB + y on the right.
void PaintResultRows(int width, int height) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            pixels32[2][y * 2 * width + x] = 0xAA0000u + static_cast<ColorValue>(y);
            pixels32[2][y * 2 * width + width + x] = 0x0000BBu + static_cast<ColorValue>(y);
        }
}

TEST_F(StereoTest, InterlaceFollowsTheParityOfTheScreenRow) {
    struct Case {
        const char* name;
        void (*show)();
        int top;
        bool unshiftedOnEvenRows;
    } cases[] = {
        {"I-lace1, T 100", ShowInterlace1, 100, true},  {"I-lace2, T 100", ShowInterlace2, 100, false},
        {"I-lace1, T 101", ShowInterlace1, 101, false}, {"I-lace2, T 101", ShowInterlace2, 101, true},
        {"I-lace1, T -3", ShowInterlace1, -3, false},   {"I-lace2, T -3", ShowInterlace2, -3, true},
        {"I-lace1, T -4", ShowInterlace1, -4, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenViews(3, 4, BlackDepth);
        PaintResultRows(3, 4);
        displayWindowTop = c.top;
        c.show();
        for (int y = 0; y < 4; ++y) {
            bool unshifted = (y % 2 == 0) == c.unshiftedOnEvenRows;
            ColorValue expected = (unshifted ? 0x0000BBu : 0xAA0000u) + static_cast<ColorValue>(y);
            EXPECT_EQ(Row(3, y, 0, 3), Pixels(3, expected)) << "row " << y;
        }
        EXPECT_EQ(currentImage, 3);
        EXPECT_EQ(displayWindowRaises, 1);
        StartOver();
    }
}

// No window position: T = 0. The rows go over "result" itself, which stays current.
TEST_F(StereoTest, InterlaceWithDisplayClosedWritesOverTheShiftedHalf) {
    OpenTestImage(0, 32, 3, 4);
    OpenTestImage(2, 32, 6, 4);
    PaintResultRows(3, 4);
    displayWindowTop = 1;
    ShowInterlace1();
    for (int y = 0; y < 4; ++y) {
        ColorValue expected = (y % 2 == 0 ? 0x0000BBu : 0xAA0000u) + static_cast<ColorValue>(y);
        EXPECT_EQ(Row(2, y, 0, 3), Pixels(3, expected)) << "row " << y;
    }
    EXPECT_EQ(currentImage, 2);
    EXPECT_EQ(lastDrawnImage, 2);
    EXPECT_EQ(displayWindowRaises, 0);
}

} // namespace
