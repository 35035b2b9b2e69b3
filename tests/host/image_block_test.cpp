#include "imagewin/image_block.h"
#include "imagewin/image_slots.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct BlockFixture : testing::Test {
    std::vector<uint32_t> words;
    std::vector<uint8_t> bytes;
    void SetUp() override {
        for (ImageSlot& slot : imageSlots)
            slot = {};
        currentImage = 1;
    }
    void TearDown() override {
        for (int i = 0; i < SLOT_COUNT; ++i) {
            imageSlots[i] = {};
            pixels32[i] = nullptr;
            pixels8[i] = nullptr;
        }
        currentImage = 0;
    }
    static void SetSlot(int bitDepth, int width, int height) {
        imageSlots[1] = {};
        imageSlots[1].inUse = 1;
        imageSlots[1].bitDepth = bitDepth;
        imageSlots[1].width = width;
        imageSlots[1].height = height;
    }
    void Make32(int width, int height) {
        words.resize(static_cast<size_t>(width) * height);
        for (size_t i = 0; i < words.size(); ++i)
            words[i] = 0x010000u * static_cast<uint32_t>(i + 1);
        SetSlot(32, width, height);
        pixels32[1] = words.data();
    }
    void Make8(int width, int height) {
        int rowBytes = (width + 3) & ~3;
        bytes.assign(static_cast<size_t>(rowBytes) * height, 0xEE); // padding shows up if read
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                bytes[y * rowBytes + x] = static_cast<uint8_t>(10 * y + x + 1);
        SetSlot(8, width, height);
        pixels8[1] = bytes.data();
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
