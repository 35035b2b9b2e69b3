// Test support for the stereo steps: stand-ins for the Windows layer they call, which record what
// was asked, and image slots on heap blocks.
#include "app/stereo.h"
#include "app_doubles.h"
#include "imagewin/image_slots.h"

#include <memory>

int drawImageCalls;      // PLR_DrawImage calls, open slot or not
int lastDrawnImage = -1; // the slot of the last one
int displayWindowTop;    // the screen y that DisplayWindowTop reports while slot 3 is open
int displayWindowRaises; // RaiseDisplayWindow calls while slot 3 is open

int PLR_DrawImage(int slot) {
    ++drawImageCalls;
    lastDrawnImage = slot;
    return IsImageInUse(slot) ? 0 : 1;
}

int DisplayWindowTop(int* top) {
    if (!IsImageInUse(3)) return 1;
    *top = displayWindowTop;
    return 0;
}

int RaiseDisplayWindow() {
    if (!IsImageInUse(3)) return 1;
    ++displayWindowRaises;
    return 0;
}

namespace {
std::unique_ptr<uint32_t[]> words[SLOT_COUNT];
std::unique_ptr<uint8_t[]> bytes[SLOT_COUNT];
} // namespace

// A zeroed block of exactly the image's size, so that the sanitizer reports any access past it.
void OpenTestImage(int slot, int bitDepth, int width, int height) {
    ImageSlot& image = imageSlots[slot];
    image = {};
    image.inUse = 1;
    image.bitDepth = bitDepth;
    image.width = width;
    image.height = height;
    image.zoom = 100;
    size_t count = static_cast<size_t>(ImageRowBytes(image)) * static_cast<size_t>(height);
    words[slot].reset(bitDepth == 32 ? new uint32_t[count / 4]() : nullptr);
    bytes[slot].reset(bitDepth == 8 ? new uint8_t[count]() : nullptr);
    pixels32[slot] = words[slot].get();
    pixels8[slot] = bytes[slot].get();
}

void CloseTestImages() {
    for (int slot = 0; slot < SLOT_COUNT; ++slot) {
        imageSlots[slot] = {};
        ForgetImageStorage(slot);
        words[slot].reset();
        bytes[slot].reset();
    }
    currentImage = 0;
    for (int& entry : imageHistory)
        entry = 0;
    drawImageCalls = 0;
    lastDrawnImage = -1;
    displayWindowTop = 0;
    displayWindowRaises = 0;
}
