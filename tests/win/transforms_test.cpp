// Whole-image transforms and test patterns on real image windows, from the program thread.
#include "imageops/transforms_win.h"
#include "imagewin/image_windows_win.h"
#include "tests/win/in_process.h"
#include "tests/win/wintest.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"

#include <string>
#include <vector>

namespace {

// A different value in every pixel: colours for 32 bits, bytes for 8.
void Paint(int slot) {
    const ImageSlot& s = imageSlots[slot];
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            if (s.bitDepth == 32)
                pixels32[slot][y * s.width + x] = 0x102030u * static_cast<uint32_t>(y + 1) + static_cast<uint32_t>(x);
            else
                pixels8[slot][y * ImageRowBytes(s) + x] = static_cast<uint8_t>(10 * y + x + 1);
        }
}

int Create(int slot, int bitDepth, int width, int height) {
    return bitDepth == 32 ? PLR_CreateImage(slot, "t", 40, 50, width, height, 100)
                          : PLR_CreateImage8(slot, "t", 40, 50, width, height, 100);
}

std::string ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return std::to_string(client.right) + " x " + std::to_string(client.bottom);
}

WT_CASE(InvertAndFlipsTwiceRestoreThePixels) {
    for (int bitDepth : {32, 8}) {
        CloseAllImages();
        WT_REQUIRE(Create(1, bitDepth, 5, 3) == 0);
        Paint(1);
        std::vector<uint32_t> before = ImagePixels(1);
        if (bitDepth == 32) pixels32[1][2] |= 0xAB000000u; // the fourth byte is not colour
        WT_CHECK_EQ(InvertImage(1), 0);
        std::vector<uint32_t> inverted = ImagePixels(1);
        if (bitDepth == 32) WT_CHECK_EQ(pixels32[1][2] >> 24, 0xABu);
        WT_CHECK_EQ(inverted[0], bitDepth == 32 ? 0xFFFFFFu ^ before[0] : 255u - before[0]);
        WT_CHECK_EQ(InvertImage(1), 0);
        WT_CHECK(ImagePixels(1) == before);

        WT_CHECK_EQ(FlipImage(1, true), 0);
        std::vector<uint32_t> flipped = ImagePixels(1);
        WT_CHECK_EQ(flipped[0], before[4]);         // (0, 0) takes (4, 0)
        WT_CHECK_EQ(flipped[5 + 1], before[5 + 3]); // (1, 1) takes (3, 1)
        WT_CHECK_EQ(FlipImage(1, true), 0);
        WT_CHECK(ImagePixels(1) == before);
        WT_CHECK_EQ(FlipImage(1, false), 0);
        flipped = ImagePixels(1);
        WT_CHECK_EQ(flipped[0], before[10]); // (0, 0) takes (0, 2)
        WT_CHECK_EQ(flipped[5 + 2], before[5 + 2]);
        WT_CHECK_EQ(FlipImage(1, false), 0);
        WT_CHECK(ImagePixels(1) == before);
    }
    WT_CHECK_EQ(InvertImage(9), 1);
    CloseAllImages();
}

WT_CASE(RotationsTurnThePixelsAndKeepTheWindow) {
    for (int bitDepth : {32, 8}) {
        CloseAllImages();
        WT_REQUIRE(Create(2, bitDepth, 3, 2) == 0);
        if (bitDepth == 8) {
            uint32_t palette[256];
            for (int i = 0; i < 256; ++i)
                palette[i] = 0x010203u * static_cast<uint32_t>(i % 70);
            PLR_SetPalette(palette, 256);
        }
        PLR_SetStretchMode(2, STRETCH_MODE_HALFTONE);
        Paint(2);
        std::vector<uint32_t> p = ImagePixels(2);
        RECT before;
        GetWindowRect(imageSlots[2].window, &before);
        uint32_t paletteBefore[256] = {};
        PLR_GetPalette(paletteBefore);

        WT_CHECK_EQ(RotateImage(2, true), 0);
        WT_CHECK_EQ(imageSlots[2].width, 2);
        WT_CHECK_EQ(imageSlots[2].height, 3);
        WT_CHECK(ImagePixels(2) == (std::vector<uint32_t>{p[3], p[0], p[4], p[1], p[5], p[2]}));
        WT_CHECK_EQ(RotateImage(2, false), 0);
        WT_CHECK(ImagePixels(2) == p);
        WT_CHECK_EQ(RotateImage(2, false), 0);
        WT_CHECK(ImagePixels(2) == (std::vector<uint32_t>{p[2], p[5], p[1], p[4], p[0], p[3]}));

        const ImageSlot& s = imageSlots[2];
        WT_CHECK_EQ(std::string(s.name), std::string("t"));
        WT_CHECK_EQ(s.bitDepth, bitDepth);
        WT_CHECK_EQ(PLR_GetStretchMode(2), STRETCH_MODE_HALFTONE);
        RECT after;
        GetWindowRect(s.window, &after);
        WT_CHECK_EQ(after.left, before.left);
        WT_CHECK_EQ(after.top, before.top);
        uint32_t paletteAfter[256] = {};
        PLR_GetPalette(paletteAfter);
        int same = 0;
        for (int i = 0; i < 256; ++i)
            same += paletteAfter[i] == paletteBefore[i];
        WT_CHECK_EQ(same, 256);
    }
    // A picture that is not square swaps its window's client size.
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(3, "wide", 0, 0, 200, 120, 100) == 0);
    WT_CHECK_EQ(ClientSize(imageSlots[3].window), std::string("200 x 120"));
    WT_CHECK_EQ(RotateImage(3, true), 0);
    WT_CHECK_EQ(ClientSize(imageSlots[3].window), std::string("120 x 200"));
    WT_CHECK_EQ(imageSlots[3].zoom, 100);
    CloseAllImages();
}

WT_CASE(SizeStepsRescaleTheContent) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(4, "steps", 30, 40, 100, 60, 100) == 0);
    Paint(4);
    std::vector<uint32_t> p = ImagePixels(4);
    WT_CHECK_EQ(StepImageSize(4, SIZE_STEP_DOUBLE), 0);
    const ImageSlot& s = imageSlots[4];
    WT_CHECK_EQ(s.width, 200);
    WT_CHECK_EQ(s.height, 120);
    WT_CHECK_EQ(std::string(s.name), std::string("steps"));
    // Nearest pixel: each source pixel becomes a 2 x 2 block.
    std::vector<uint32_t> doubled = ImagePixels(4);
    int wrong = 0;
    for (int y = 0; y < 120; ++y)
        for (int x = 0; x < 200; ++x)
            wrong += doubled[y * 200 + x] != p[(y / 2) * 100 + x / 2];
    WT_CHECK_EQ(wrong, 0);
    WT_CHECK_EQ(StepImageSize(4, SIZE_STEP_HALF), 0);
    WT_CHECK_EQ(s.width, 100);
    WT_CHECK(ImagePixels(4) == p);
    WT_CHECK_EQ(StepImageSize(4, SIZE_STEP_SMALLER), 0);
    WT_CHECK_EQ(s.width, 71);
    WT_CHECK_EQ(s.height, 42);
    RECT at;
    GetWindowRect(s.window, &at);
    WT_CHECK_EQ(at.left, 30);
    WT_CHECK_EQ(at.top, 40);
    CloseAllImages();
}

WT_CASE(TestPatternsPaintTheWholeImage) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(5, "ycc", 0, 0, 256, 256, 100) == 0);
    WT_CHECK_EQ(DrawTestPattern(5, PATTERN_YCRCB), 0);
    WT_CHECK_EQ(currentImage, 5);
    WT_CHECK_EQ(pixels32[5][128 * 256 + 128] & 0xFFFFFF, 0u);
    WT_CHECK_EQ(pixels32[5][0] & 0xFFFFFF, 0xFFFFB0u);
    WT_CHECK_EQ(pixels32[5][255 * 256 + 255] & 0xFFFFFF, 0xDDFFFFu);

    // Grey on an 8-bit image one row high: the ramp palette, and the lower line's inverted ramp.
    WT_REQUIRE(PLR_CreateImage8(6, "grey", 0, 0, 256, 1, 100) == 0);
    uint32_t marker[256];
    for (uint32_t& entry : marker)
        entry = 0x123456;
    PLR_SetPalette(marker, 256);
    WT_CHECK_EQ(DrawTestPattern(6, PATTERN_GREY), 0);
    uint32_t palette[256];
    PLR_GetPalette(palette);
    WT_CHECK_EQ(palette[200], 0xC8C8C8u);
    WT_CHECK_EQ(pixels8[6][0], 255);
    WT_CHECK_EQ(pixels8[6][255], 1); // 255 - 255 * 255 / 256
    // Grey on a 32-bit image: g above the middle row, 255 - g from it down.
    WT_REQUIRE(PLR_CreateImage(7, "grey32", 0, 0, 10, 4, 100) == 0);
    WT_CHECK_EQ(DrawTestPattern(7, PATTERN_GREY), 0);
    WT_CHECK_EQ(pixels32[7][5] & 0xFFFFFF, 0x7F7F7Fu);          // g = 255 * 5 / 10 = 127
    WT_CHECK_EQ(pixels32[7][3 * 10 + 5] & 0xFFFFFF, 0x808080u); // 255 - 127
    WT_CHECK_EQ(DrawTestPattern(9, PATTERN_RGB), 1);
    CloseAllImages();
}

} // namespace
