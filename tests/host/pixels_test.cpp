// Pixel access on the current image, block copies, clearing and the pixel read-out text.
#include "imageops/color_models.h"
#include "imageops/pixels.h"
#include "imagewin/image_slots.h"
#include "plr_imageops.h"
#include "tests/support/test_images.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

// Each image opened becomes the current one; the pen starts and ends at the origin.
struct PixelTest : testing::Test {
    static void Open(int slot, int bitDepth, int width, int height) {
        OpenTestImage(slot, bitDepth, width, height);
        currentImage = slot;
    }
    void SetUp() override {
        CloseTestImages();
        penX = penY = 0;
    }
    void TearDown() override {
        CloseTestImages();
        penX = penY = 0;
    }
};

TEST_F(PixelTest, ThirtyTwoBitImagesKeepTheWholeWord) {
    Open(1, 32, 4, 3);
    EXPECT_EQ(PLR_PutPixel(3, 2, 0xAB123456), 0);
    EXPECT_EQ(pixels32[1][2 * 4 + 3], 0xAB123456u);
    EXPECT_EQ(PLR_GetPixel(3, 2), 0xAB123456u);
    EXPECT_EQ(PLR_ProbePixel(3, 2), 0xAB123456);
    EXPECT_EQ(penX, 3);
    EXPECT_EQ(penY, 2);
}

TEST_F(PixelTest, EightBitImagesKeepTheLowByteInPaddedRows) {
    Open(2, 8, 5, 3); // rows of 8 bytes
    EXPECT_EQ(PLR_PutPixel(1, 2, 0x123456), 0);
    EXPECT_EQ(pixels8[2][2 * 8 + 1], 86);
    EXPECT_EQ(PLR_GetPixel(1, 2), 86u);
    EXPECT_EQ(PLR_ProbePixel(1, 2), 86);
}

TEST_F(PixelTest, PointsOutsideAreNeitherReadNorWrittenButMoveThePen) {
    Open(0, 32, 4, 3);
    struct Point {
        int x, y;
    } outside[] = {{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {INT_MIN, 1}, {1, INT_MAX}, {-1, -1}};
    for (const Point& p : outside) {
        SCOPED_TRACE(testing::Message() << p.x << "," << p.y);
        EXPECT_EQ(PLR_PutPixel(p.x, p.y, 0xFFFFFF), 1);
        EXPECT_EQ(penX, p.x);
        EXPECT_EQ(penY, p.y);
        EXPECT_EQ(PLR_InvertPixel(p.x, p.y), 1);
        EXPECT_EQ(PLR_GetPixel(p.x, p.y), 0u);
        EXPECT_EQ(PLR_ProbePixel(p.x, p.y), -1);
    }
    for (int i = 0; i < 12; ++i)
        EXPECT_EQ(pixels32[0][i], 0u);
}

TEST_F(PixelTest, ProbeTellsAnAllOnesWordFromOutside) {
    Open(0, 32, 1, 1);
    pixels32[0][0] = 0xFFFFFFFF;
    EXPECT_EQ(PLR_ProbePixel(0, 0), 0xFFFFFFFFll);
    EXPECT_EQ(PLR_ProbePixel(1, 0), -1);
}

TEST_F(PixelTest, InvertFlipsColourBitsOrTheWholeByte) {
    Open(0, 32, 2, 1);
    Open(1, 8, 2, 1);
    pixels32[0][1] = 0xFF000000;
    pixels8[1][1] = 15;
    PLR_SelectImage(0);
    EXPECT_EQ(PLR_InvertPixel(1, 0), 0);
    EXPECT_EQ(pixels32[0][1], 0xFFFFFFFFu);
    PLR_SelectImage(1);
    EXPECT_EQ(PLR_InvertPixel(1, 0), 0);
    EXPECT_EQ(pixels8[1][1], 240);
}

TEST_F(PixelTest, KeepPenFormsLeaveThePenAlone) {
    Open(0, 32, 2, 2);
    penX = 7;
    penY = 9;
    EXPECT_EQ(PutPixelKeepPen(1, 1, 0x10), 0);
    EXPECT_EQ(InvertPixelKeepPen(1, 1), 0);
    EXPECT_EQ(PutPixelKeepPen(-1, 5, 0x10), 1);
    EXPECT_EQ(penX, 7);
    EXPECT_EQ(penY, 9);
    EXPECT_EQ(pixels32[0][3], 0xFFFFEFu);
}

TEST_F(PixelTest, EachCallActsOnTheImageCurrentAtThatMoment) {
    Open(3, 32, 2, 2);
    Open(4, 32, 2, 2);
    pixels32[3][0] = 0x123456;
    PLR_SelectImage(3);
    ColorValue value = PLR_GetPixel(0, 0);
    PLR_SelectImage(4);
    PLR_PutPixel(1, 1, value);
    EXPECT_EQ(pixels32[4][3], 0x123456u);
}

// A closed slot keeps width and height 0 and no storage: nothing may reach freed memory.
TEST_F(PixelTest, ClosedOrMissingCurrentImageIsNeverTouched) {
    CloseTestImage(5);
    for (int slot : {5, -1, static_cast<int>(SLOT_COUNT)}) {
        SCOPED_TRACE(slot);
        currentImage = slot;
        EXPECT_EQ(PLR_PutPixel(0, 0, 1), 1);
        EXPECT_EQ(PLR_InvertPixel(0, 0), 1);
        EXPECT_EQ(PLR_GetPixel(0, 0), 0u);
        EXPECT_EQ(PLR_ProbePixel(0, 0), -1);
        uint32_t block[4] = {1, 2, 3, 4};
        EXPECT_EQ(PLR_PutBlock(block, 0, 2, 2), 1);
        PLR_DrawLine(1, 0, 0, 5, 5);
        PLR_FillBoxXor(0, 0, 5, 5);
        PLR_FillCircle(3, 2, 2);
        PLR_FloodFill(0, 0);
        PLR_DrawString("AB");
    }
    EXPECT_EQ(PLR_ClearImage(5), 1);
}

TEST_F(PixelTest, ClearImageZeroesTheGivenSlotIncludingRowPadding) {
    Open(6, 8, 3, 2);
    Open(7, 32, 2, 2);
    memset(pixels8[6], 0x5A, 8);
    for (int i = 0; i < 4; ++i)
        pixels32[7][i] = 0xFFFFFFFF;
    EXPECT_EQ(PLR_ClearImage(6), 0); // not the current image
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(pixels8[6][i], 0);
    EXPECT_EQ(pixels32[7][0], 0xFFFFFFFFu);
    EXPECT_EQ(PLR_ClearImage(7), 0);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(pixels32[7][i], 0u);
    EXPECT_EQ(PLR_ClearImage(-1), 1);
    EXPECT_EQ(PLR_ClearImage(SLOT_COUNT), 1);
    EXPECT_EQ(PLR_ClearImage(8), 1);
}

// The block column a value 0x30 + column stands for; '.' for 0, a pixel left untouched.
char BlockColumn(ColorValue value) { return value ? static_cast<char>('0' + value - 0x30) : '.'; }

// Source blocks are exactly w x h, so a read of a skipped source pixel past them is reported.
TEST_F(PixelTest, PutBlockWritesOnlyWhatLandsInside) {
    struct Case {
        const char* name;
        int x0, w, h;
        const char* expected; // rows of the 4 x 2 image; '.' untouched, else the block column
    } cases[] = {
        {"inside", 1, 2, 1, ".01.|....|"},         {"last column only", 3, 3, 2, "...0|...0|"},
        {"left part cut", -2, 4, 1, "23..|....|"}, {"rows below cut", 0, 1, 5, "0...|0...|"},
        {"wholly right", 4, 2, 2, "....|....|"},   {"wholly left", -3, 3, 2, "....|....|"},
    };
    for (int bitDepth : {32, 8}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << bitDepth << " bits");
            Open(9, bitDepth, 4, 2);
            std::vector<uint32_t> words(static_cast<size_t>(c.w) * c.h);
            std::vector<uint8_t> bytes(words.size());
            for (size_t i = 0; i < words.size(); ++i) {
                words[i] = 0x30 + static_cast<uint32_t>(i % c.w);
                bytes[i] = static_cast<uint8_t>(words[i]);
            }
            EXPECT_EQ(
                PLR_PutBlock(bitDepth == 32 ? static_cast<const void*>(words.data()) : bytes.data(), c.x0, c.w, c.h),
                0);
            EXPECT_EQ(ImageAsText(4, 2, BlockColumn), c.expected);
            CloseTestImage(9);
        }
    }
}

TEST_F(PixelTest, PutBlockRefusesClosedSlotAndMissingSource) {
    CloseTestImage(10);
    currentImage = 10;
    uint32_t word = 1;
    EXPECT_EQ(PLR_PutBlock(&word, 0, 1, 1), 1);
    Open(11, 32, 1, 1);
    EXPECT_EQ(PLR_PutBlock(nullptr, 0, 1, 1), 2);
    EXPECT_EQ(PLR_PutBlock(nullptr, 0, 0, 1), 0); // an empty block needs no source
}

TEST(PixelReadout, ThirtyTwoBitWhite) {
    char text[PIXEL_READOUT_CAPACITY];
    int length = FormatPixelReadout(text, sizeof text, 12, 34, 32, 0xFFFFFF);
    const char* expected = "(X,Y)=(12,34)\n(R,G,B)=(255,255,255)\n(H,S,V)=(0,0,255)\n(Y,Cr,Cb)=(255,0,0)\n"
                           "(Y,u,v)=(255,0,0)\n(Y,I,Q)=(255,0,0)\n\n";
    EXPECT_STREQ(text, expected);
    EXPECT_EQ(length, static_cast<int>(strlen(expected)));
}

TEST(PixelReadout, SignedQuantitiesOfRed) {
    char text[PIXEL_READOUT_CAPACITY];
    FormatPixelReadout(text, sizeof text, 0, 0, 32, 0xFF0000);
    EXPECT_STREQ(text, "(X,Y)=(0,0)\n(R,G,B)=(255,0,0)\n(H,S,V)=(0,255,255)\n(Y,Cr,Cb)=(76,128,-42)\n"
                       "(Y,u,v)=(76,-36,157)\n(Y,I,Q)=(76,152,53)\n\n");
}

TEST(PixelReadout, EightBitAndOtherDepths) {
    char text[PIXEL_READOUT_CAPACITY];
    FormatPixelReadout(text, sizeof text, 3, 4, 8, 86);
    EXPECT_STREQ(text, "(X,Y)=(3,4)\n(Luminance)=(86)\n\n");
    FormatPixelReadout(text, sizeof text, -1, 2, 0, 0);
    EXPECT_STREQ(text, "(X,Y)=(-1,2)\n");
}

TEST(PixelReadout, IsCutToTheBuffer) {
    char text[12];
    memset(text, 'x', sizeof text);
    EXPECT_EQ(FormatPixelReadout(text, 10, 3, 4, 8, 86), 9);
    EXPECT_STREQ(text, "(X,Y)=(3,");
    EXPECT_EQ(text[10], 'x');
    EXPECT_EQ(FormatPixelReadout(text, 0, 3, 4, 8, 86), 0);
}

} // namespace
