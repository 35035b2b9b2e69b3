#include "tests/support/test_images.h"

#include "imagewin/image_slots.h"

#include <memory>

namespace {

// One block per slot. 8-bit rows are a multiple of 4 bytes, so a block of words holds either
// depth with nothing to spare.
std::unique_ptr<uint32_t[]> blocks[SLOT_COUNT];

} // namespace

void OpenTestImage(int slot, int bitDepth, int width, int height) {
    ImageSlot& image = imageSlots[slot];
    image = {};
    image.inUse = 1;
    image.bitDepth = bitDepth;
    image.width = image.displayWidth = width;
    image.height = image.displayHeight = height;
    image.zoom = 100;
    size_t bytes = static_cast<size_t>(ImageRowBytes(image)) * static_cast<size_t>(height);
    blocks[slot].reset(new uint32_t[bytes / 4]());
    pixels32[slot] = bitDepth == 32 ? blocks[slot].get() : nullptr;
    pixels8[slot] = bitDepth == 8 ? reinterpret_cast<uint8_t*>(blocks[slot].get()) : nullptr;
}

void CloseTestImage(int slot) {
    imageSlots[slot].inUse = 0;
    ForgetImageStorage(slot);
    blocks[slot].reset();
}

void CloseTestImages() {
    for (int slot = 0; slot < SLOT_COUNT; ++slot) {
        imageSlots[slot] = {};
        ForgetImageStorage(slot);
        blocks[slot].reset();
    }
    currentImage = 0;
    for (int& entry : imageHistory)
        entry = 0;
}

void FillTestImage(int slot, ColorValue value) {
    const ImageSlot& image = imageSlots[slot];
    int rowBytes = ImageRowBytes(image);
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            if (image.bitDepth == 32)
                pixels32[slot][y * image.width + x] = value;
            else
                pixels8[slot][y * rowBytes + x] = static_cast<uint8_t>(value);
        }
}

std::string ImageAsText(int width, int height, char (*symbol)(ColorValue value)) {
    std::string text;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            text += symbol(PLR_GetPixel(x, y));
        text += '|';
    }
    return text;
}
