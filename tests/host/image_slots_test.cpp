#include "imagewin/image_slots.h"
#include "tests/support/test_images.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Minimum client area 104 x 104 and maximum 800 x 500 unless a case says otherwise.
const SizeLimits kLimits = {104, 104, 800, 500};

TEST(ApplyZoomRule, Cases) {
    struct Case {
        const char* what;
        int width, height, zoom;
        SizeLimits limits;
        int result, fitZoom, displayWidth, displayHeight;
    } cases[] = {
        {"fits as asked", 400, 300, 100, kLimits, 0, 100, 400, 300},
        {"too large: the smaller ratio wins", 900, 600, 100, kLimits, 0, 83, 747, 498},
        {"too small: raised to the minimum", 10, 10, 100, kLimits, 0, 1040, 104, 104},
        {"zoom 0 gives the smallest zoom that fits the minimum", 200, 200, 0, kLimits, 0, 52, 104, 104},
        {"a negative zoom likewise", 200, 200, -50, kLimits, 0, 52, 104, 104},
        {"1 x 10 cannot be shown", 1, 10, 100, {104, 50, 1280, 1005}, 2, 0, 0, 0},
        {"a zoom that fits stays", 300, 200, 250, kLimits, 0, 250, 750, 500},
        {"loose limits", 3000, 2000, 100, {1, 1, 2560, 2048}, 0, 85, 2550, 1700},
    };
    for (const Case& c : cases) {
        ZoomFit fit = {-1, -1, -1};
        EXPECT_EQ(ApplyZoomRule(c.width, c.height, c.zoom, c.limits, &fit), c.result) << c.what;
        if (c.result != 0) {
            EXPECT_EQ(fit.zoom, -1) << c.what << ": nothing stored on failure";
            continue;
        }
        EXPECT_EQ(fit.zoom, c.fitZoom) << c.what;
        EXPECT_EQ(fit.displayWidth, c.displayWidth) << c.what;
        EXPECT_EQ(fit.displayHeight, c.displayHeight) << c.what;
    }
}

// w * z / 100 * 100 / w is z in real numbers, but not always in floating point: 640 * 111 / 100
// * 100 / 640 comes out a hair below 111. A zoom that fits must stay exactly.
TEST(ApplyZoomRule, AZoomThatFitsStays) {
    const SizeLimits limits = {104, 104, 800, 600};
    struct Case {
        int width, height, zoom, displayWidth, displayHeight;
    } cases[] = {{640, 480, 111, 710, 532}, {640, 480, 116, 742, 556}, {451, 300, 177, 798, 531}};
    for (const Case& c : cases) {
        ZoomFit fit = {};
        ASSERT_EQ(ApplyZoomRule(c.width, c.height, c.zoom, limits, &fit), 0);
        EXPECT_EQ(fit.zoom, c.zoom) << c.width << " x " << c.height << " at " << c.zoom;
        EXPECT_EQ(fit.displayWidth, c.displayWidth);
        EXPECT_EQ(fit.displayHeight, c.displayHeight);
    }
    // Every zoom whose window lies within the limits is kept, whatever the picture's size.
    int lost = 0;
    for (int width = 1; width <= 1200; width += 7)
        for (int zoom = 1; zoom <= 400; ++zoom) {
            int height = width * 3 / 4 + 1;
            int64_t shownWidth = int64_t{width} * zoom / 100, shownHeight = int64_t{height} * zoom / 100;
            bool fits = width * zoom >= 100 && height * zoom >= 100 && shownWidth >= limits.minWidth &&
                        shownHeight >= limits.minHeight && width * zoom <= limits.maxWidth * 100 &&
                        height * zoom <= limits.maxHeight * 100;
            ZoomFit fit = {};
            if (fits && (ApplyZoomRule(width, height, zoom, limits, &fit) != 0 || fit.zoom != zoom)) ++lost;
        }
    EXPECT_EQ(lost, 0);
}

TEST(ApplyZoomRule, MinimumHeightRaisesTheZoomUnlessTheWidthThenOverflows) {
    ZoomFit fit;
    // 400 x 20 needs zoom 300 for a 60-pixel height, which makes it 1200 wide: refused.
    EXPECT_EQ(ApplyZoomRule(400, 20, 100, {104, 60, 800, 500}, &fit), 2);
    // 200 x 20: zoom 300 gives 600 x 60.
    ASSERT_EQ(ApplyZoomRule(200, 20, 100, {104, 60, 800, 500}, &fit), 0);
    EXPECT_EQ(fit.zoom, 300);
    EXPECT_EQ(fit.displayWidth, 600);
    EXPECT_EQ(fit.displayHeight, 60);
}

TEST(ApplyZoomRule, HugeZoomsDoNotOverflow) {
    ZoomFit fit;
    EXPECT_EQ(ApplyZoomRule(1, 2000000000, 100, {104, 1, 1280, 1005}, &fit), 2);
    EXPECT_EQ(ApplyZoomRule(1, 1, 2000000000, kLimits, &fit), 0);
    EXPECT_EQ(fit.displayWidth, 500); // limited by the maximum height, square picture
}

// Sizes that would wrap a 32-bit byte count, or that no process here could hold, are refused.
TEST(PixelBlockBytes, CountsIn64BitsAndRefusesWhatCannotBeHeld) {
    struct Case {
        const char* what;
        int width, height, bytesPerPixel, pad;
        int64_t bytes;
    } cases[] = {
        {"32-bit rows", 3, 2, 4, 4, 24},
        {"8-bit rows padded to 4 bytes", 5, 3, 1, 4, 24},
        {"8-bit rows unpadded", 5, 3, 1, 1, 15},
        {"just below 2 GB", 16384, 32767, 4, 4, int64_t{16384} * 32767 * 4},
        {"32768 x 32768 x 4 wraps 32 bits to 0", 32768, 32768, 4, 4, -1},
        {"65536 x 65536 bytes", 65536, 65536, 1, 4, -1},
        {"one row wider than the limit", INT32_MAX, 1, 4, 4, -1},
        {"INT_MAX squared", INT32_MAX, INT32_MAX, 4, 4, -1},
        {"zero width", 0, 10, 4, 4, -1},
        {"negative height", 10, -3, 1, 4, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PixelBlockBytes(c.width, c.height, c.bytesPerPixel, c.pad), c.bytes) << c.what;
}

TEST(ImageSizeLimits, FromTheMetrics) {
    ScreenMetrics m = {112, 27, 4, 19, 1280, 1024};
    SizeLimits fit = ImageSizeLimits(1, m);
    EXPECT_EQ(fit.minWidth, 104);
    EXPECT_EQ(fit.minHeight, 27 - 8 - 19); // the horizontal frame width, twice
    EXPECT_EQ(fit.maxWidth, 1280);
    EXPECT_EQ(fit.maxHeight, 1005);
    SizeLimits loose = ImageSizeLimits(0, m);
    EXPECT_EQ(loose.minWidth, 1);
    EXPECT_EQ(loose.maxWidth, 2560);
    EXPECT_EQ(loose.maxHeight, 2048);
}

// Every slot free, current image 0 and an empty history.
struct HistoryFixture : testing::Test {
    void SetUp() override { CloseTestImages(); }
    void TearDown() override { CloseTestImages(); }
};

TEST_F(HistoryFixture, WalksBackAndStopsAtAFreeSlot) {
    for (int slot : {5, 7, 9})
        imageSlots[slot].inUse = 1;
    for (int slot : {5, 7, 9})
        EXPECT_EQ(PLR_SelectImage(slot), 0);
    EXPECT_EQ(currentImage, 9);
    EXPECT_EQ(PLR_SelectPreviousImage(), 0);
    EXPECT_EQ(currentImage, 7);
    EXPECT_EQ(PLR_SelectPreviousImage(), 0);
    EXPECT_EQ(currentImage, 5);
    EXPECT_EQ(PLR_SelectPreviousImage(), 1) << "slot 0 is free";
    EXPECT_EQ(currentImage, 5);
    imageSlots[0].inUse = 1;
    EXPECT_EQ(PLR_SelectPreviousImage(), 0);
    EXPECT_EQ(currentImage, 0);
    for (int entry : imageHistory)
        EXPECT_EQ(entry, 0);
}

TEST_F(HistoryFixture, SelectingAFreeSlotChangesNothing) {
    imageSlots[3].inUse = 1;
    PLR_SelectImage(3);
    EXPECT_EQ(PLR_SelectImage(4), 1);
    EXPECT_EQ(PLR_SelectImage(256), 1);
    EXPECT_EQ(PLR_SelectImage(-1), 1);
    EXPECT_EQ(currentImage, 3);
    EXPECT_EQ(imageHistory[0], 0);
    EXPECT_EQ(imageHistory[1], 0);
}

TEST_F(HistoryFixture, NinthSelectionDropsTheOldestAndTheLastEntryRepeats) {
    for (int slot = 1; slot <= 9; ++slot)
        imageSlots[slot].inUse = 1;
    for (int slot = 1; slot <= 9; ++slot)
        PLR_SelectImage(slot);
    EXPECT_EQ(imageHistory[0], 8);
    EXPECT_EQ(imageHistory[7], 1);
    PLR_SelectPreviousImage();
    EXPECT_EQ(imageHistory[6], 1);
    EXPECT_EQ(imageHistory[7], 1);
    PLR_SelectImage(9); // selecting the current slot still pushes
    EXPECT_EQ(imageHistory[0], 8);
}

TEST_F(HistoryFixture, ClosedSlotKeepsNothingReachable) {
    static uint32_t storage[4];
    imageSlots[2] = {};
    imageSlots[2].inUse = 1;
    imageSlots[2].width = imageSlots[2].height = 2;
    pixels32[2] = storage;
    pixels8[2] = reinterpret_cast<uint8_t*>(storage);
    ForgetImageStorage(2);
    EXPECT_EQ(imageSlots[2].width, 0);
    EXPECT_EQ(imageSlots[2].height, 0);
    EXPECT_EQ(pixels32[2], nullptr);
    EXPECT_EQ(pixels8[2], nullptr);
}

bool ShiftJisLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

TEST(FormatImageTitle, Cases) {
    struct Case {
        const char* name;
        int zoom, bits;
        bool halftone;
        const char* title;
    } cases[] = {
        {"photo", 100, 32, false, "photo(100%)"}, {"photo", 100, 8, false, "photo(100%)[8bit]"},
        {"photo", 50, 32, true, "photo(50%)*"},   {"photo", 50, 8, true, "photo(50%)[8bit]*"},
        {"", 1040, 32, false, "(1040%)"},
    };
    for (const Case& c : cases) {
        char title[TITLE_CAPACITY];
        FormatImageTitle(title, c.name, c.zoom, c.bits, c.halftone, NoLeadBytes);
        EXPECT_STREQ(title, c.title);
    }
}

TEST(FormatImageTitle, LongNamesAreShortenedAtACharacterBoundary) {
    char title[TITLE_CAPACITY];
    std::string longName(300, 'n');
    FormatImageTitle(title, longName.c_str(), 100, 8, true, NoLeadBytes);
    EXPECT_EQ(std::string(title), std::string(255 - 13, 'n') + "(100%)[8bit]*");

    // Two-byte characters: 0x82 0xA0 repeated; the cut must fall between pairs.
    std::string wide;
    for (int i = 0; i < 150; ++i)
        wide += "\x82\xa0";
    FormatImageTitle(title, wide.c_str(), 100, 32, false, ShiftJisLead);
    std::string got(title);
    EXPECT_LE(got.size(), 255u);
    std::string namePart = got.substr(0, got.size() - 6);
    EXPECT_EQ(namePart.size() % 2, 0u);
    EXPECT_EQ(got.substr(got.size() - 6), "(100%)");
}

TEST(WholeCharacterPrefix, NeverSplitsAPair) {
    EXPECT_EQ(WholeCharacterPrefix("ab\x82\xa0"
                                   "c",
                                   3, ShiftJisLead),
              2);
    EXPECT_EQ(WholeCharacterPrefix("ab\x82\xa0"
                                   "c",
                                   4, ShiftJisLead),
              4);
    EXPECT_EQ(WholeCharacterPrefix("ab\x82", 9, ShiftJisLead), 3); // a lone lead byte at the end counts as one
    char out[4];
    EXPECT_EQ(CopyWholeCharacters(out, sizeof out, "a\x82\xa0\x82\xa0", ShiftJisLead), 3);
    EXPECT_STREQ(out, "a\x82\xa0");
}

} // namespace
