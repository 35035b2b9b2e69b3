// Pictures on the clipboard as device-independent bitmaps (CF_DIB): the block the copy writes, and
// the checks a block from any other program must pass before GDI is handed it.
#pragma once

#include "plr_records.h"

#include <cstddef>
#include <cstdint>

enum { DIB_COMPRESSION_RGB = 0, DIB_COMPRESSION_BITFIELDS = 3 };

// Where the parts of an accepted block lie.
struct DibLayout {
    int headerSize;     // 12 (core), 40, 108 (V4) or 124 (V5)
    int width, height;  // height as the header has it: negative for a top-down picture
    int bitCount;       // 1, 4, 8, 16, 24 or 32
    int compression;    // DIB_COMPRESSION_RGB, or DIB_COMPRESSION_BITFIELDS for 16 and 32 bits
    int colorCount;     // colour-table entries behind the header (and masks), at most 256
    int colorEntrySize; // 3 for a core header's triples, 4 otherwise
    size_t colorOffset; // where the colour table starts
    size_t bitsOffset;  // where the pixel rows start
    int64_t rowBytes;   // each row padded to 4 bytes
    int64_t pixelBytes; // rowBytes * |height|
};

// 0: the block of size bytes is a picture the reader takes, described in layout; 1: refused
// (too small for what its header says, an unknown header, size or format, or larger than the
// framework holds).
int ParseClipboardDib(const uint8_t* block, size_t size, DibLayout* layout);

// The entry of the colour table nearest to the colour (least squared distance over red, green and
// blue; the first of equals), as an 8-bit slot takes a pasted colour.
int NearestPaletteIndex(const uint32_t palette[256], ColorValue color);

// The copy's block for a width x height picture of bitDepth 32 (written as 24-bit rows) or 8
// (indices with a 256-entry colour table); -1 for a size the framework never holds.
int64_t ClipboardDibBytes(int bitDepth, int width, int height);
// Writes the block: a 40-byte header, the colour table for 8 bits, then the rows bottom row first.
// words: width x height colour values, rows unpadded; bytes: rows of (width + 3) & ~3 indices;
// palette: 256 entries 0x00RRGGBB (8 bits only).
void WriteClipboardDib(uint8_t* block, int bitDepth, int width, int height, const uint32_t* words, const uint8_t* bytes,
                       const uint32_t* palette);
