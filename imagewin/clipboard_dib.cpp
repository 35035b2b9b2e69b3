#include "imagewin/clipboard_dib.h"
#include "imagewin/image_slots.h"

#include <cstring>

namespace {

uint32_t Read16(const uint8_t* p) { return static_cast<uint32_t>(p[0] | p[1] << 8); }
uint32_t Read32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
           static_cast<uint32_t>(p[3]) << 24;
}
void Write16(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
void Write32(uint8_t* p, uint32_t v) {
    Write16(p, v);
    Write16(p + 2, v >> 16);
}

bool KnownBitCount(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

} // namespace

int ParseClipboardDib(const uint8_t* block, size_t size, DibLayout* out) {
    if (block == nullptr || size < 4) return 1;
    DibLayout d = {};
    uint32_t headerSize = Read32(block);
    if (headerSize != 12 && headerSize != 40 && headerSize != 108 && headerSize != 124) return 1;
    if (size < headerSize) return 1;
    d.headerSize = static_cast<int>(headerSize);
    int64_t width, height;
    uint32_t planes, colorsUsed = 0;
    if (headerSize == 12) {
        // The core header: unsigned 16-bit sizes, no compression, triples in the colour table.
        width = Read16(block + 4);
        height = Read16(block + 6);
        planes = Read16(block + 8);
        d.bitCount = static_cast<int>(Read16(block + 10));
        d.compression = DIB_COMPRESSION_RGB;
        d.colorEntrySize = 3;
        if (d.bitCount != 1 && d.bitCount != 4 && d.bitCount != 8 && d.bitCount != 24) return 1;
    } else {
        width = static_cast<int32_t>(Read32(block + 4));
        height = static_cast<int32_t>(Read32(block + 8));
        planes = Read16(block + 12);
        d.bitCount = static_cast<int>(Read16(block + 14));
        d.compression = static_cast<int>(Read32(block + 16));
        colorsUsed = Read32(block + 32);
        d.colorEntrySize = 4;
        if (!KnownBitCount(d.bitCount)) return 1;
        bool masks = d.compression == DIB_COMPRESSION_BITFIELDS && (d.bitCount == 16 || d.bitCount == 32);
        if (d.compression != DIB_COMPRESSION_RGB && !masks) return 1; // run lengths, JPEG, PNG: not read
    }
    if (planes != 1 || width < 1 || height == 0 || height < -INT32_MAX) return 1;
    d.width = static_cast<int>(width);
    d.height = static_cast<int>(height);
    int64_t rows = height < 0 ? -height : height;

    // A 40-byte header with masks has them as three words behind it; the longer headers hold them.
    uint64_t offset = headerSize;
    if (headerSize == 40 && d.compression == DIB_COMPRESSION_BITFIELDS) offset += 12;
    if (colorsUsed > 256) return 1;
    if (d.bitCount <= 8) {
        uint32_t entries = 1u << d.bitCount;
        if (colorsUsed > entries) return 1;
        d.colorCount = static_cast<int>(colorsUsed != 0 ? colorsUsed : entries);
    } else {
        d.colorCount = static_cast<int>(colorsUsed); // an optional table for display, skipped
    }
    d.colorOffset = static_cast<size_t>(offset);
    offset += static_cast<uint64_t>(d.colorCount) * static_cast<uint64_t>(d.colorEntrySize);

    // Every size in 64 bits: width * bits cannot overflow, and nothing beyond the limit is taken.
    d.rowBytes = (width * d.bitCount + 31) / 32 * 4;
    if (d.rowBytes > PIXEL_BYTES_LIMIT) return 1;
    d.pixelBytes = d.rowBytes * rows;
    if (d.pixelBytes > PIXEL_BYTES_LIMIT) return 1;
    // As GDI reads them: words of 32-bit pixels; the picture it makes must be holdable too.
    if (PixelBlockBytes(d.width, static_cast<int>(rows), 4, 4) < 0) return 1;
    if (offset + static_cast<uint64_t>(d.pixelBytes) > size) return 1;
    d.bitsOffset = static_cast<size_t>(offset);
    *out = d;
    return 0;
}

int NearestPaletteIndex(const uint32_t palette[256], ColorValue color) {
    int best = 0;
    int64_t bestDistance = INT64_MAX;
    for (int i = 0; i < 256 && bestDistance > 0; ++i) {
        int64_t distance = 0;
        for (int shift = 0; shift < 24; shift += 8) {
            int64_t d = static_cast<int64_t>((palette[i] >> shift) & 0xFF) - ((color >> shift) & 0xFF);
            distance += d * d;
        }
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

int64_t ClipboardDibBytes(int bitDepth, int width, int height) {
    if (bitDepth != 8 && bitDepth != 32) return -1;
    int64_t pixels = PixelBlockBytes(width, height, bitDepth == 32 ? 3 : 1, 4);
    if (pixels < 0) return -1;
    int64_t bytes = 40 + (bitDepth == 8 ? 1024 : 0) + pixels;
    return bytes > PIXEL_BYTES_LIMIT ? -1 : bytes;
}

void WriteClipboardDib(uint8_t* block, int bitDepth, int width, int height, const uint32_t* words, const uint8_t* bytes,
                       const uint32_t* palette) {
    std::memset(block, 0, 40);
    Write32(block, 40);
    Write32(block + 4, static_cast<uint32_t>(width));
    Write32(block + 8, static_cast<uint32_t>(height)); // positive: the bottom row first
    Write16(block + 12, 1);
    Write16(block + 14, bitDepth == 32 ? 24 : 8);
    uint8_t* rows = block + 40;
    if (bitDepth == 8) {
        for (int i = 0; i < 256; ++i) {
            uint32_t c = palette[i];
            uint8_t* entry = rows + 4 * i; // blue, green, red, reserved
            entry[0] = static_cast<uint8_t>(c);
            entry[1] = static_cast<uint8_t>(c >> 8);
            entry[2] = static_cast<uint8_t>(c >> 16);
            entry[3] = 0;
        }
        rows += 1024;
    }
    size_t rowBytes = bitDepth == 32 ? (3 * static_cast<size_t>(width) + 3) & ~size_t{3}
                                     : (static_cast<size_t>(width) + 3) & ~size_t{3};
    for (size_t y = 0; y < static_cast<size_t>(height); ++y) {
        uint8_t* row = rows + (static_cast<size_t>(height) - 1 - y) * rowBytes;
        std::memset(row, 0, rowBytes);
        if (bitDepth == 8) {
            std::memcpy(row, bytes + y * rowBytes, static_cast<size_t>(width));
            continue;
        }
        for (size_t x = 0; x < static_cast<size_t>(width); ++x) {
            uint32_t c = words[y * static_cast<size_t>(width) + x];
            row[3 * x] = static_cast<uint8_t>(c);
            row[3 * x + 1] = static_cast<uint8_t>(c >> 8);
            row[3 * x + 2] = static_cast<uint8_t>(c >> 16);
        }
    }
}
