// The clipboard picture block: what the copy writes, and which blocks from other programs the
// reader takes. Each malformation the reader must refuse is a row of the table; so is every input
// the fuzzer ever found troublesome.
#include "imagewin/clipboard_dib.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

typedef std::vector<uint8_t> Block;

void Put32(Block& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(v >> (8 * i));
}
void Put16(Block& b, size_t at, uint32_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
}

// A block with a header of headerSize bytes, extra bytes behind it for masks and colours, and
// exactly the pixel bytes its rows need (or `pixels` bytes when given).
Block Dib(uint32_t headerSize, int64_t width, int64_t height, int bits, uint32_t compression = 0,
          uint32_t colorsUsed = 0, size_t extra = 0, int64_t pixels = -1) {
    int64_t rowBytes = (width * bits + 31) / 32 * 4;
    int64_t rows = height < 0 ? -height : height;
    if (pixels < 0) pixels = rowBytes * rows < 0 ? 0 : rowBytes * rows;
    Block b(headerSize + extra + static_cast<size_t>(pixels), 0);
    Put32(b, 0, headerSize);
    if (headerSize == 12) {
        Put16(b, 4, static_cast<uint32_t>(width));
        Put16(b, 6, static_cast<uint32_t>(height));
        Put16(b, 8, 1);
        Put16(b, 10, static_cast<uint32_t>(bits));
        return b;
    }
    Put32(b, 4, static_cast<uint32_t>(width));
    Put32(b, 8, static_cast<uint32_t>(height));
    Put16(b, 12, 1);
    Put16(b, 14, static_cast<uint32_t>(bits));
    Put32(b, 16, compression);
    Put32(b, 32, colorsUsed);
    return b;
}

TEST(ClipboardDib, TheCopyOfAThreeByTwoPictureIs64Bytes) {
    uint32_t words[6] = {0x010203, 0x040506, 0x070809, 0x0A0B0C, 0x0D0E0F, 0x101112};
    ASSERT_EQ(ClipboardDibBytes(32, 3, 2), 64);
    Block block(64, 0xEE);
    WriteClipboardDib(block.data(), 32, 3, 2, words, nullptr, nullptr);
    DibLayout d;
    ASSERT_EQ(ParseClipboardDib(block.data(), block.size(), &d), 0);
    EXPECT_EQ(d.bitCount, 24);
    EXPECT_EQ(d.height, 2) << "bottom row first";
    EXPECT_EQ(d.rowBytes, 12);
    EXPECT_EQ(d.bitsOffset, 40u);
    // The bottom row comes first, blue byte first, each row padded with zeros.
    const uint8_t bottom[12] = {0x0C, 0x0B, 0x0A, 0x0F, 0x0E, 0x0D, 0x12, 0x11, 0x10, 0, 0, 0};
    EXPECT_EQ(std::memcmp(block.data() + 40, bottom, 12), 0);
    EXPECT_EQ(block[52], 0x03);
}

TEST(ClipboardDib, TheCopyOfAnEightBitPictureCarriesItsWholeColourTable) {
    uint8_t bytes[2 * 4] = {1, 2, 3, 0, 4, 5, 6, 0}; // 3 x 2, rows of 4 bytes
    uint32_t palette[256];
    for (uint32_t i = 0; i < 256; ++i)
        palette[i] = i * 0x010203u;
    ASSERT_EQ(ClipboardDibBytes(8, 3, 2), 40 + 1024 + 8);
    Block block(static_cast<size_t>(ClipboardDibBytes(8, 3, 2)));
    WriteClipboardDib(block.data(), 8, 3, 2, nullptr, bytes, palette);
    DibLayout d;
    ASSERT_EQ(ParseClipboardDib(block.data(), block.size(), &d), 0);
    EXPECT_EQ(d.colorCount, 256);
    EXPECT_EQ(d.bitsOffset, 40u + 1024u);
    EXPECT_EQ(block[40 + 4 * 2 + 0], 0x06); // entry 2 = 0x020406: blue first
    EXPECT_EQ(block[40 + 4 * 2 + 2], 0x02);
    EXPECT_EQ(block[40 + 1024], 4); // the bottom row first
    EXPECT_EQ(ClipboardDibBytes(32, 65536, 65536), -1);
    EXPECT_EQ(ClipboardDibBytes(16, 3, 2), -1);
}

TEST(ClipboardDib, NearestPaletteEntry) {
    uint32_t palette[256];
    for (uint32_t i = 0; i < 256; ++i)
        palette[i] = i * 0x010101u;
    EXPECT_EQ(NearestPaletteIndex(palette, 0x808080), 128);
    EXPECT_EQ(NearestPaletteIndex(palette, 0x818080), 128);
    EXPECT_EQ(NearestPaletteIndex(palette, 0xFF0000), 85); // (255, 0, 0) is nearest to grey 85
    palette[200] = 0x808080;                               // equals: the first wins
    EXPECT_EQ(NearestPaletteIndex(palette, 0x808080), 128);
}

TEST(ClipboardDib, AcceptsTheFormatsItReads) {
    struct Case {
        const char* what;
        Block block;
        int colorCount;
        size_t bitsOffset;
    } cases[] = {
        {"24-bit, 40-byte header", Dib(40, 5, 3, 24), 0, 40},
        {"top-down 32-bit", Dib(40, 2, -2, 32), 0, 40},
        {"8-bit with the full table", Dib(40, 3, 1, 8, 0, 0, 1024), 256, 40 + 1024},
        {"4-bit with 3 colours used", Dib(40, 3, 1, 4, 0, 3, 12), 3, 52},
        {"1-bit", Dib(40, 9, 2, 1, 0, 0, 8), 2, 48},
        {"16-bit with masks behind the header", Dib(40, 3, 1, 16, 3, 0, 12), 0, 52},
        {"32-bit with masks behind the header", Dib(40, 1, 1, 32, 3, 0, 12), 0, 52},
        {"24-bit with a display palette", Dib(40, 1, 1, 24, 0, 2, 8), 2, 48},
        {"V4 header, masks inside", Dib(108, 1, 1, 32, 3), 0, 108},
        {"V5 header", Dib(124, 2, 2, 24), 0, 124},
        {"core header, 8-bit triples", Dib(12, 2, 2, 8, 0, 0, 768), 256, 12 + 768},
        {"extra bytes after the rows", Dib(40, 1, 1, 24, 0, 0, 0, 100), 0, 40},
    };
    for (const Case& c : cases) {
        DibLayout d;
        ASSERT_EQ(ParseClipboardDib(c.block.data(), c.block.size(), &d), 0) << c.what;
        EXPECT_EQ(d.colorCount, c.colorCount) << c.what;
        EXPECT_EQ(d.bitsOffset, c.bitsOffset) << c.what;
        EXPECT_LE(d.bitsOffset + static_cast<size_t>(d.pixelBytes), c.block.size()) << c.what;
    }
}

TEST(ClipboardDib, RefusesWhatItCannotReadSafely) {
    Block shortRows = Dib(40, 5, 3, 24);
    shortRows.pop_back();
    Block planes = Dib(40, 2, 2, 24);
    Put16(planes, 12, 2);
    Block cutHeader = Dib(40, 1, 1, 24);
    cutHeader.resize(39);
    Block hugeHeader = Dib(40, 1, 1, 24);
    Put32(hugeHeader, 0, 0xFFFFFFFF);
    struct Case {
        const char* what;
        Block block;
    } cases[] = {
        {"empty", Block()},
        {"smaller than its header size field", Block(3, 40)},
        {"smaller than its header", cutHeader},
        {"a row short", shortRows},
        {"colour table missing", Dib(40, 3, 1, 8, 0, 0, 0)},
        {"masks missing", Dib(40, 3, 1, 16, 3, 0, 0)},
        {"header size 64", Dib(64, 1, 1, 24)},
        {"header size 0", Dib(0, 1, 1, 24, 0, 0, 40)},
        {"header size 2^32 - 1", hugeHeader},
        {"zero width", Dib(40, 0, 1, 24)},
        {"negative width", Dib(40, -3, 1, 24, 0, 0, 64)},
        {"zero height", Dib(40, 1, 0, 24, 0, 0, 64)},
        {"height INT_MIN", Dib(40, 1, INT32_MIN, 24, 0, 0, 64, 0)},
        {"width whose rows overflow 32 bits", Dib(40, INT32_MAX, 1, 32, 0, 0, 64, 0)},
        {"more than the framework holds", Dib(40, 40000, 40000, 32, 0, 0, 64, 0)},
        {"2 planes", planes},
        {"bit count 2", Dib(40, 4, 1, 2, 0, 0, 64)},
        {"bit count 0", Dib(40, 4, 1, 0, 0, 0, 64)},
        {"bit count 64", Dib(40, 1, 1, 64)},
        {"more colours than 8 bits have", Dib(40, 1, 1, 8, 0, 257, 257 * 4)},
        {"more colours than 4 bits have", Dib(40, 1, 1, 4, 0, 17, 17 * 4)},
        {"a display palette over 256", Dib(40, 1, 1, 24, 0, 300, 300 * 4)},
        {"colours used 2^32 - 1", Dib(40, 1, 1, 8, 0, 0xFFFFFFFF, 1024)},
        {"run lengths (RLE8)", Dib(40, 4, 1, 8, 1, 0, 1024)},
        {"masks on 24 bits", Dib(40, 1, 1, 24, 3, 0, 12)},
        {"JPEG inside", Dib(40, 1, 1, 24, 4)},
        {"core header, 16 bits", Dib(12, 2, 2, 16)},
        {"core header, no triples", Dib(12, 2, 2, 8)},
    };
    for (const Case& c : cases) {
        DibLayout d = {};
        EXPECT_EQ(ParseClipboardDib(c.block.data(), c.block.size(), &d), 1) << c.what;
    }
    DibLayout d;
    EXPECT_EQ(ParseClipboardDib(nullptr, 64, &d), 1);
}

} // namespace
