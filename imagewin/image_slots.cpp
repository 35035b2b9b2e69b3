#include "imagewin/image_slots.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

ImageSlot imageSlots[SLOT_COUNT];
uint32_t* pixels32[SLOT_COUNT];
uint8_t* pixels8[SLOT_COUNT];
int currentImage;
int imageHistory[IMAGE_HISTORY_DEPTH];

bool IsImageInUse(int slot) { return static_cast<unsigned>(slot) < SLOT_COUNT && imageSlots[slot].inUse; }

int PLR_IsImageOpen(int slot) { return IsImageInUse(slot) ? 1 : 0; }

int PLR_GetImageRowBytes(int slot) { return IsImageInUse(slot) ? ImageRowBytes(imageSlots[slot]) : 0; }

int FindImageSlot(HWND__* window) {
    for (int i = 0; i < SLOT_COUNT; ++i)
        if (imageSlots[i].inUse && imageSlots[i].window == window) return i;
    return -1;
}

int ImageRowBytes(const ImageSlot& slot) { return slot.bitDepth == 32 ? slot.width * 4 : (slot.width + 3) & ~3; }

int64_t PixelBlockBytes(int width, int height, int bytesPerPixel, int pad) {
    if (width < 1 || height < 1 || bytesPerPixel < 1 || pad < 1) return -1;
    int64_t row = (int64_t{width} * bytesPerPixel + pad - 1) / pad * pad;
    // Each factor is below 2^33, so the product cannot overflow before the comparison.
    if (row > PIXEL_BYTES_LIMIT) return -1;
    int64_t bytes = row * height;
    return bytes > PIXEL_BYTES_LIMIT ? -1 : bytes;
}

void ForgetImageStorage(int slot) {
    imageSlots[slot].width = imageSlots[slot].height = 0;
    imageSlots[slot].displayWidth = imageSlots[slot].displayHeight = 0;
    pixels32[slot] = nullptr;
    pixels8[slot] = nullptr;
}

int PLR_SelectImage(int slot) {
    if (!IsImageInUse(slot)) return 1;
    for (int i = IMAGE_HISTORY_DEPTH - 1; i > 0; --i)
        imageHistory[i] = imageHistory[i - 1];
    imageHistory[0] = currentImage;
    currentImage = slot;
    return 0;
}

int PLR_SelectPreviousImage() {
    if (!IsImageInUse(imageHistory[0])) return 1;
    currentImage = imageHistory[0];
    for (int i = 0; i < IMAGE_HISTORY_DEPTH - 1; ++i)
        imageHistory[i] = imageHistory[i + 1];
    return 0;
}

SizeLimits ImageSizeLimits(int fitToScreen, const ScreenMetrics& m) {
    if (!fitToScreen) return {1, 1, 2 * m.screenWidth, 2 * m.screenHeight};
    // The height subtracts the horizontal frame width twice, as the width does.
    return {m.minWindowWidth - 2 * m.frameWidth, m.minWindowHeight - 2 * m.frameWidth - m.captionHeight, m.screenWidth,
            m.screenHeight - m.captionHeight};
}

// The quotient rounded up, for a positive divisor and a dividend of either sign.
static int64_t CeilDiv(int64_t dividend, int64_t divisor) {
    return dividend >= 0 ? (dividend + divisor - 1) / divisor : -(-dividend / divisor);
}

// The zoom at which one side of the picture is shown: X = size * zoom / 100 held to 1..maximum,
// then X * 100 / size truncated. Worked in integers, where X * 100 / size is the requested zoom
// itself whenever X was not held: a zoom that fits stays.
static int64_t SideZoom(int64_t size, int64_t zoom, int64_t maximum) {
    if (size * zoom < 100) return 100 / size;
    if (size * zoom > maximum * 100) return maximum * 100 / size;
    return zoom;
}

static bool StoreFit(int64_t zoom, int64_t width, int64_t height, ZoomFit* fit) {
    if (zoom > INT_MAX) return false;
    fit->zoom = static_cast<int>(zoom);
    fit->displayWidth = static_cast<int>(zoom * width / 100);
    fit->displayHeight = static_cast<int>(zoom * height / 100);
    return true;
}

int ApplyZoomRule(int width, int height, int requestedZoom, const SizeLimits& limits, ZoomFit* fit) {
    if (width < 1 || height < 1) return 2;
    int64_t w = width, h = height;
    int64_t zoom = std::min(SideZoom(w, requestedZoom, std::max(limits.maxWidth, 1)),
                            SideZoom(h, requestedZoom, std::max(limits.maxHeight, 1)));
    if (zoom * w / 100 < limits.minWidth || zoom * h / 100 < limits.minHeight) {
        zoom = std::max(CeilDiv(int64_t{limits.minWidth} * 100, w), CeilDiv(int64_t{limits.minHeight} * 100, h));
        // Such zooms only arise for pictures that cannot fit: compare in 64 bits before storing.
        if (zoom * w / 100 > limits.maxWidth || zoom * h / 100 > limits.maxHeight) return 2;
    }
    ZoomFit candidate;
    if (!StoreFit(zoom, w, h, &candidate)) return 2;
    *fit = candidate;
    return 0;
}

void FormatImageTitle(char title[TITLE_CAPACITY], const char* name, int zoom, int bitDepth, bool halftone,
                      LeadBytePredicate isLeadByte) {
    char suffix[48];
    snprintf(suffix, sizeof suffix, "(%d%%)%s%s", zoom, bitDepth == 8 ? "[8bit]" : "", halftone ? "*" : "");
    int suffixLength = static_cast<int>(strlen(suffix));
    int nameLength = WholeCharacterPrefix(name, TITLE_CAPACITY - 1 - suffixLength, isLeadByte);
    memcpy(title, name, static_cast<size_t>(nameLength));
    memcpy(title + nameLength, suffix, static_cast<size_t>(suffixLength) + 1);
}
