#include "imageops/pixels.h"
#include "imagewin/image_slots.h"
#include "plr_imageops.h"

#include <algorithm>
#include <climits>
#include <cstring>

int penX, penY;

namespace {

bool IsWithin(int value, int limit) { return limit > 0 && static_cast<unsigned>(value) < static_cast<unsigned>(limit); }

// Where (x, y) of the current image is stored: one of the two pointers, or neither when outside.
// Only width and height decide; a closed slot has both 0 and so is never touched.
struct PixelPlace {
    uint32_t* word;
    uint8_t* byte;
};

PixelPlace LocatePixel(int x, int y) {
    PixelPlace place = {nullptr, nullptr};
    if (static_cast<unsigned>(currentImage) >= SLOT_COUNT) return place;
    const ImageSlot& slot = imageSlots[currentImage];
    if (!IsWithin(x, slot.width) || !IsWithin(y, slot.height)) return place;
    size_t row = static_cast<size_t>(y);
    size_t column = static_cast<size_t>(x);
    if (slot.bitDepth == 32 && pixels32[currentImage])
        place.word = pixels32[currentImage] + row * static_cast<size_t>(slot.width) + column;
    else if (slot.bitDepth == 8 && pixels8[currentImage])
        place.byte = pixels8[currentImage] + row * static_cast<size_t>(ImageRowBytes(slot)) + column;
    return place;
}

} // namespace

ImageExtent CurrentImageExtent() {
    if (static_cast<unsigned>(currentImage) >= SLOT_COUNT) return {0, 0, 0};
    const ImageSlot& slot = imageSlots[currentImage];
    return {std::max(slot.width, 0), std::max(slot.height, 0), slot.bitDepth};
}

int ClampToInt(int64_t value) {
    return static_cast<int>(std::min<int64_t>(std::max<int64_t>(value, INT_MIN), INT_MAX));
}

int PutPixelKeepPen(int x, int y, ColorValue color) {
    PixelPlace place = LocatePixel(x, y);
    if (place.word)
        *place.word = color;
    else if (place.byte)
        *place.byte = static_cast<uint8_t>(color & 0xFF);
    else
        return 1;
    return 0;
}

int InvertPixelKeepPen(int x, int y) {
    PixelPlace place = LocatePixel(x, y);
    if (place.word)
        *place.word ^= 0xFFFFFFu;
    else if (place.byte)
        *place.byte = static_cast<uint8_t>(~*place.byte);
    else
        return 1;
    return 0;
}

int PLR_PutPixel(int x, int y, ColorValue color) {
    penX = x;
    penY = y;
    return PutPixelKeepPen(x, y, color);
}

int PLR_InvertPixel(int x, int y) {
    penX = x;
    penY = y;
    return InvertPixelKeepPen(x, y);
}

ColorValue PLR_GetPixel(int x, int y) {
    PixelPlace place = LocatePixel(x, y);
    if (place.word) return *place.word;
    if (place.byte) return *place.byte;
    return 0;
}

int64_t PLR_ProbePixel(int x, int y) {
    PixelPlace place = LocatePixel(x, y);
    if (place.word) return *place.word;
    if (place.byte) return *place.byte;
    return -1;
}

int PLR_ClearImage(int slot) {
    if (!IsImageInUse(slot)) return 1;
    const ImageSlot& image = imageSlots[slot];
    void* storage = image.bitDepth == 32 ? static_cast<void*>(pixels32[slot]) : static_cast<void*>(pixels8[slot]);
    if (!storage || image.width <= 0 || image.height <= 0) return 1;
    memset(storage, 0, static_cast<size_t>(ImageRowBytes(image)) * static_cast<size_t>(image.height));
    return 0;
}

int PLR_PutBlock(const void* source, int x0, int w, int h) {
    if (!IsImageInUse(currentImage)) return 1;
    if (w <= 0 || h <= 0) return 0;
    if (!source) return 2;
    const ImageSlot& slot = imageSlots[currentImage];
    uint8_t* target = slot.bitDepth == 32  ? reinterpret_cast<uint8_t*>(pixels32[currentImage])
                      : slot.bitDepth == 8 ? pixels8[currentImage]
                                           : nullptr;
    // Only the columns and rows that land inside the image are copied, row by row.
    int64_t first = std::max<int64_t>(0, -static_cast<int64_t>(x0));
    int64_t end = std::min<int64_t>(w, static_cast<int64_t>(slot.width) - x0);
    int rows = std::min(h, slot.height);
    if (!target || first >= end || rows <= 0) return 0;
    size_t pixelBytes = slot.bitDepth == 32 ? 4 : 1;
    size_t rowBytes = static_cast<size_t>(ImageRowBytes(slot));
    size_t sourceRowBytes = static_cast<size_t>(w) * pixelBytes;
    size_t copyBytes = static_cast<size_t>(end - first) * pixelBytes;
    const uint8_t* from = static_cast<const uint8_t*>(source) + static_cast<size_t>(first) * pixelBytes;
    uint8_t* to = target + static_cast<size_t>(x0 + first) * pixelBytes;
    for (size_t r = 0; r < static_cast<size_t>(rows); ++r)
        memcpy(to + r * rowBytes, from + r * sourceRowBytes, copyBytes);
    return 0;
}
