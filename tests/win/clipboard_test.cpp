// The clipboard exchange under Wine: copy and paste between slots, pictures put there by the test
// as another program would, and placement by a pick.
#include "imageops/picks.h"
#include "imagewin/clipboard_win.h"
#include "imagewin/image_windows_win.h"
#include "tests/win/in_process.h"
#include "tests/win/win_input.h"
#include "tests/win/wintest.h"
#include "shell/pump_win.h"

#include <cstring>
#include <vector>

namespace {

void Paint(int slot) {
    const ImageSlot& s = imageSlots[slot];
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x) {
            if (s.bitDepth == 32)
                pixels32[slot][y * s.width + x] = 0x0A0B0Cu * static_cast<uint32_t>(y + 1) + 0x010000u * x;
            else
                pixels8[slot][y * ImageRowBytes(s) + x] = static_cast<uint8_t>(7 * y + x + 1);
        }
}

// Puts bytes on the clipboard as CF_DIB, as another program may.
bool PutDib(const std::vector<uint8_t>& block) {
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, block.size());
    memcpy(GlobalLock(memory), block.data(), block.size());
    GlobalUnlock(memory);
    bool put = SetClipboardData(CF_DIB, memory) != nullptr;
    CloseClipboard();
    return put;
}

std::vector<uint8_t> ClipboardDib() {
    std::vector<uint8_t> block;
    if (!OpenClipboard(nullptr)) return block;
    HANDLE data = GetClipboardData(CF_DIB);
    if (data != nullptr) {
        const uint8_t* p = static_cast<const uint8_t*>(GlobalLock(data));
        block.assign(p, p + GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return block;
}

WT_CASE(CopyPutsABottomUpTwentyFourBitPicture) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(1, "copy", 0, 0, 3, 2, 100) == 0);
    Paint(1);
    WT_CHECK_EQ(PLR_CopyToClipboard(1), 0);
    std::vector<uint8_t> block = ClipboardDib();
    WT_REQUIRE(block.size() >= 64u);
    WT_CHECK_EQ(block[0], 40);
    WT_CHECK_EQ(block[8], 2);   // positive height: bottom row first
    WT_CHECK_EQ(block[14], 24); // bit count
    uint32_t bottomLeft = pixels32[1][3] & 0xFFFFFF;
    WT_CHECK_EQ(block[40], static_cast<uint8_t>(bottomLeft));
    WT_CHECK_EQ(block[42], static_cast<uint8_t>(bottomLeft >> 16));
    WT_CHECK_EQ(PLR_CopyToClipboard(9), 1);
    CloseAllImages();
}

WT_CASE(CopyThenPasteRoundTripsPixelsAndPalette) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(1, "from", 0, 0, 5, 3, 100) == 0);
    Paint(1);
    WT_CHECK_EQ(PLR_CopyToClipboard(1), 0);
    WT_REQUIRE(PLR_CreateImage(2, "to", 200, 0, 5, 3, 100) == 0);
    WT_CHECK_EQ(PLR_PasteFromClipboard(2, 0, 0), 0);
    WT_CHECK(ImagePixels(2, 5, 3) == ImagePixels(1, 5, 3));

    WT_REQUIRE(PLR_CreateImage8(3, "from8", 0, 200, 5, 3, 100) == 0);
    uint32_t palette[256];
    for (uint32_t i = 0; i < 256; ++i)
        palette[i] = (i * 0x030507u) & 0xFFFFFF;
    PLR_SetPalette(palette, 256);
    Paint(3);
    WT_CHECK_EQ(PLR_CopyToClipboard(3), 0);
    WT_REQUIRE(PLR_CreateImage8(4, "to8", 200, 200, 5, 3, 100) == 0); // the grey ramp until the paste
    WT_CHECK_EQ(PLR_PasteFromClipboard(4, 0, 0), 0);
    uint32_t pasted[256];
    PLR_SelectImage(4);
    PLR_GetPalette(pasted);
    WT_CHECK(memcmp(pasted, palette, sizeof palette) == 0);
    WT_CHECK(ImagePixels(4, 5, 3) == ImagePixels(3, 5, 3));
    CloseAllImages();
}

// A 24-bit picture into an 8-bit slot: the slot keeps its colour table, each pixel its nearest entry.
WT_CASE(TwentyFourBitsIntoEightKeepThePaletteAndTakeTheNearestEntries) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(1, "colours", 0, 0, 4, 1, 100) == 0);
    uint32_t colours[4] = {0x000000, 0x808080, 0xFFFFFF, 0x818181};
    memcpy(pixels32[1], colours, sizeof colours);
    WT_CHECK_EQ(PLR_CopyToClipboard(1), 0);
    WT_REQUIRE(PLR_CreateImage8(2, "grey", 0, 100, 4, 1, 100) == 0);
    uint32_t ramp[256];
    PLR_GetPalette(ramp);
    WT_CHECK_EQ(PLR_PasteFromClipboard(2, 0, 0), 0);
    uint32_t after[256];
    PLR_SelectImage(2);
    PLR_GetPalette(after);
    WT_CHECK(memcmp(after, ramp, sizeof ramp) == 0);
    WT_CHECK(ImagePixels(2, 4, 1) == (std::vector<uint32_t>{0, 128, 255, 129}));
    CloseAllImages();
}

WT_CASE(ALargerPictureIsCutAtTheSlotsEdges) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(1, "large", 0, 0, 10, 10, 100) == 0);
    Paint(1);
    WT_CHECK_EQ(PLR_CopyToClipboard(1), 0);
    WT_REQUIRE(PLR_CreateImage(2, "small", 200, 0, 4, 4, 100) == 0);
    WT_CHECK_EQ(PLR_PasteFromClipboard(2, 0, 0), 0);
    WT_CHECK(ImagePixels(2, 4, 4) == ImagePixels(1, 4, 4));
    pixels32[2][0] = 0x123456;
    WT_CHECK_EQ(PLR_PasteFromClipboard(2, -8, -8), 0); // only (8, 8)..(9, 9) of it lands, at the corner
    WT_CHECK_EQ(pixels32[2][0] & 0xFFFFFF, pixels32[1][8 * 10 + 8] & 0xFFFFFF);
    WT_CHECK_EQ(PLR_PasteFromClipboard(9, 0, 0), 1);
    CloseAllImages();
}

WT_CASE(ACancelledPlacementLeavesTheSlotAlone) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(1, "clip", 0, 0, 3, 3, 100) == 0);
    Paint(1);
    WT_CHECK_EQ(PLR_CopyToClipboard(1), 0);
    WT_REQUIRE(PLR_CreateImage(2, "target", 200, 0, 20, 20, 100) == 0);
    std::vector<uint32_t> before = ImagePixels(2, 20, 20);
    HWND window = imageSlots[2].window;
    InputStep cancel = {[] { return runState.graphToolActive.load() == 1; },
                        [=] { SendMessageW(window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5)); },
                        [] { return runState.graphToolActive.load() == 0; }};
    InputPlayer player;
    StartInput(&player, {cancel});
    WT_CHECK_EQ(PLR_PasteFromClipboard(2, -1, -1), 3);
    WT_CHECK(FinishInput(&player, PumpBriefly));
    WT_CHECK(ImagePixels(2, 20, 20) == before);
    CloseAllImages();
}

// Blocks another program could put there: each is refused, and nothing is pasted.
WT_CASE(MalformedPicturesAreRefusedWithoutHarm) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(1, "target", 0, 0, 8, 8, 100) == 0);
    Paint(1);
    std::vector<uint32_t> before = ImagePixels(1, 8, 8);
    auto header = [](int32_t width, int32_t height, uint16_t bits, uint32_t compression, uint32_t used, size_t pixels) {
        std::vector<uint8_t> b(40 + pixels, 0x5A);
        uint32_t fields[] = {40, static_cast<uint32_t>(width), static_cast<uint32_t>(height)};
        memcpy(b.data(), fields, sizeof fields);
        uint16_t planesAndBits[] = {1, bits};
        memcpy(b.data() + 12, planesAndBits, 4);
        memcpy(b.data() + 16, &compression, 4);
        memset(b.data() + 20, 0, 12);
        memcpy(b.data() + 32, &used, 4);
        memset(b.data() + 36, 0, 4);
        return b;
    };
    std::vector<std::vector<uint8_t>> blocks = {
        header(8, 8, 24, 0, 0, 8 * 24 - 1),         // a byte short of its rows
        header(100000, 100000, 32, 0, 0, 64),       // far larger than the block
        header(INT32_MAX, 1, 32, 0, 0, 64),         // rows that overflow 32 bits
        header(8, 8, 8, 1, 0, 1024 + 64),           // run-length compressed
        header(2, 2, 8, 0, 1000, 64),               // more colours than 8 bits have
        header(8, 8, 7, 0, 0, 256),                 // no such bit count
        std::vector<uint8_t>{40, 0, 0, 0, 1, 0, 0}, // shorter than its header
    };
    for (const std::vector<uint8_t>& block : blocks) {
        WT_REQUIRE(PutDib(block));
        WT_CHECK_EQ(PLR_PasteFromClipboard(1, 0, 0), 2);
    }
    WT_CHECK(ImagePixels(1, 8, 8) == before);
    CloseAllImages();
}

} // namespace
