#include "imagewin/image_block.h"
#include "imagewin/image_slots.h"
#include "pelori.h"

#include <cstdint>
#include <cwchar>

void PLR_GetBlock(void* buffer, int x0, int y0, int w, int h) {
    if (buffer == nullptr || !IsImageInUse(currentImage) || w <= 0 || h <= 0) return;
    const ImageSlot& slot = imageSlots[currentImage];
    int rowBytes = ImageRowBytes(slot);
    for (int64_t j = 0; j < h; ++j) {
        uint64_t y = static_cast<uint64_t>(static_cast<int64_t>(y0) + j);
        for (int64_t i = 0; i < w; ++i) {
            uint64_t x = static_cast<uint64_t>(static_cast<int64_t>(x0) + i);
            bool inside = x < static_cast<uint64_t>(slot.width) && y < static_cast<uint64_t>(slot.height);
            if (slot.bitDepth == 32)
                static_cast<uint32_t*>(buffer)[j * w + i] = inside ? pixels32[currentImage][y * slot.width + x] : 0;
            else
                static_cast<uint8_t*>(buffer)[j * w + i] = inside ? pixels8[currentImage][y * rowBytes + x] : 0;
        }
    }
}

static wchar_t LowerAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

int AppendExtension(wchar_t* path, int capacity, const wchar_t* extension) {
    size_t length = wcslen(path), extensionLength = wcslen(extension);
    if (length >= extensionLength) {
        bool same = true;
        for (size_t i = 0; i < extensionLength; ++i)
            same = same && LowerAscii(path[length - extensionLength + i]) == LowerAscii(extension[i]);
        if (same) return 0;
    }
    if (length + extensionLength + 1 > static_cast<size_t>(capacity)) return 1;
    wmemcpy(path + length, extension, extensionLength + 1);
    return 0;
}
