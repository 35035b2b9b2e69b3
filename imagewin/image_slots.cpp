#include "imagewin/image_slots.h"

#include <algorithm>
#include <cmath>
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

static double Clamp(double value, double maximum) { return value < 1 ? 1 : (value > maximum ? maximum : value); }

static void SetDisplaySize(int width, int height, ZoomFit* fit) {
    fit->displayWidth = static_cast<int>(static_cast<int64_t>(fit->zoom) * width / 100);
    fit->displayHeight = static_cast<int>(static_cast<int64_t>(fit->zoom) * height / 100);
}

int ApplyZoomRule(int width, int height, int requestedZoom, const SizeLimits& limits, ZoomFit* fit) {
    double x = Clamp(static_cast<double>(width) * requestedZoom / 100, limits.maxWidth);
    double y = Clamp(static_cast<double>(height) * requestedZoom / 100, limits.maxHeight);
    ZoomFit candidate;
    candidate.zoom = static_cast<int>(std::min(x * 100 / width, y * 100 / height));
    SetDisplaySize(width, height, &candidate);
    if (candidate.displayWidth < limits.minWidth || candidate.displayHeight < limits.minHeight) {
        double byWidth = std::ceil(static_cast<double>(limits.minWidth) * 100 / width);
        double byHeight = std::ceil(static_cast<double>(limits.minHeight) * 100 / height);
        double zoom = std::max(byWidth, byHeight);
        // A zoom this large only arises for a picture that cannot fit anyway.
        if (zoom > 1e9) return 2;
        candidate.zoom = static_cast<int>(zoom);
        // Heights can pass 2^31 at such zooms: compare in 64 bits before storing.
        int64_t wide = static_cast<int64_t>(candidate.zoom) * width / 100;
        int64_t high = static_cast<int64_t>(candidate.zoom) * height / 100;
        if (wide > limits.maxWidth || high > limits.maxHeight) return 2;
        SetDisplaySize(width, height, &candidate);
    }
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
