#include "imagewin/image_block.h"
#include "imagewin/image_slots.h"
#include "tests/support/test_images.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// The image in slot 1, the current one, with a different value in every pixel.
struct BlockFixture : testing::Test {
    void SetUp() override {
        CloseTestImages();
        currentImage = 1;
    }
    void TearDown() override { CloseTestImages(); }
    static void Make32(int width, int height) {
        OpenTestImage(1, 32, width, height);
        for (int i = 0; i < width * height; ++i)
            pixels32[1][i] = 0x010000u * static_cast<uint32_t>(i + 1);
    }
    static void Make8(int width, int height) {
        OpenTestImage(1, 8, width, height);
        int rowBytes = PLR_GetImageRowBytes(1);
        memset(pixels8[1], 0xEE, static_cast<size_t>(rowBytes) * height); // padding shows up if read
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels8[1][y * rowBytes + x] = static_cast<uint8_t>(10 * y + x + 1);
    }
};

TEST_F(BlockFixture, Copies32BitRowsAndZeroesOutside) {
    Make32(3, 2);
    uint32_t block[6];
    PLR_GetBlock(block, -1, 0, 3, 2); // the first column lies left of the image
    EXPECT_EQ(block[0], 0u);
    EXPECT_EQ(block[1], 0x010000u);
    EXPECT_EQ(block[2], 0x020000u);
    EXPECT_EQ(block[3], 0u);
    EXPECT_EQ(block[4], 0x040000u);
    uint32_t below[2] = {7, 7};
    PLR_GetBlock(below, 0, 2, 2, 1);
    EXPECT_EQ(below[0], 0u);
    EXPECT_EQ(below[1], 0u);
}

TEST_F(BlockFixture, Copies8BitRowsWithoutTheirPadding) {
    Make8(5, 2);
    uint8_t block[10];
    PLR_GetBlock(block, 0, 0, 5, 2);
    const uint8_t expected[10] = {1, 2, 3, 4, 5, 11, 12, 13, 14, 15};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(block[i], expected[i]) << i;
}

TEST_F(BlockFixture, DoesNothingForAClosedImage) {
    Make32(2, 2);
    imageSlots[1].inUse = 0;
    uint32_t block[1] = {42};
    PLR_GetBlock(block, 0, 0, 1, 1);
    EXPECT_EQ(block[0], 42u);
}

TEST(AppendExtension, Cases) {
    struct Case {
        const wchar_t *path, *extension, *expected;
    } cases[] = {
        {L"noname", L".bmp", L"noname.bmp"},
        {L"photo.png", L".png", L"photo.png"},
        {L"photo", L".jpg", L"photo.jpg"},
        {L"photo.JPG", L".jpg", L"photo.JPG"},
        {L"photo.bmp", L".png", L"photo.bmp.png"},
        {L"photo.jpeg", L".jpg", L"photo.jpeg.jpg"},
        {L"a", L".tif", L"a.tif"},
        {L"", L".gif", L".gif"},
    };
    for (const Case& c : cases) {
        wchar_t path[260];
        wcscpy(path, c.path);
        EXPECT_EQ(AppendExtension(path, 260, c.extension), 0);
        EXPECT_EQ(std::wstring(path), std::wstring(c.expected));
    }
}

TEST(AppendExtension, RefusesWhenThereIsNoRoom) {
    wchar_t path[8] = L"abcd";
    EXPECT_EQ(AppendExtension(path, 8, L".bmp"), 1);
    EXPECT_EQ(std::wstring(path), L"abcd");
    wchar_t fits[9] = L"abcd";
    EXPECT_EQ(AppendExtension(fits, 9, L".bmp"), 0);
    EXPECT_EQ(std::wstring(fits), L"abcd.bmp");
}

} // namespace
