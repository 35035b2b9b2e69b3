// The image slot table without the window system: the current image and its history, the zoom
// rule and the window title.
#pragma once

#include "pelori.h"
#include "shell/narrow_text.h"

enum { TITLE_CAPACITY = 256, STRETCH_MODE_COLORONCOLOR = 3, STRETCH_MODE_HALFTONE = 4 };

bool IsImageInUse(int slot); // a good slot: index in 0..255 and in use
int FindImageSlot(HWND__* window);
int ImageRowBytes(const ImageSlot& slot); // width * 4, or (width + 3) & ~3 for 8 bits

// The largest pixel block the framework makes: 2 GB less one byte, in both builds, so that the
// 32-bit program refuses what the 64-bit one refuses and no size computation can wrap.
const int64_t PIXEL_BYTES_LIMIT = INT32_MAX;

// The bytes of width x height pixels of 1 or 4 bytes, each row padded to pad bytes (1 or 4),
// computed in 64 bits; -1 for a size below 1 or above PIXEL_BYTES_LIMIT.
int64_t PixelBlockBytes(int width, int height, int bytesPerPixel, int pad);

// A closed slot keeps no size or pixel address that a pixel operation could still reach.
void ForgetImageStorage(int slot);

// The client-area limits of the zoom rule, from the system metrics.
struct ScreenMetrics {
    int minWindowWidth, minWindowHeight; // SM_CXMIN, SM_CYMIN
    int frameWidth;                      // SM_CXFRAME
    int captionHeight;                   // SM_CYCAPTION
    int screenWidth, screenHeight;       // SM_CXSCREEN, SM_CYSCREEN
};
struct SizeLimits {
    int minWidth, minHeight, maxWidth, maxHeight;
};
SizeLimits ImageSizeLimits(int fitToScreen, const ScreenMetrics& metrics);

struct ZoomFit {
    int zoom, displayWidth, displayHeight;
};
// The zoom at which a width x height picture is shown for a requested zoom: reduced until the
// picture fits the maximum, raised until the window reaches the minimum. 0, or 2 when no zoom
// satisfies both.
int ApplyZoomRule(int width, int height, int requestedZoom, const SizeLimits& limits, ZoomFit* fit);

// "name(zoom%)", "[8bit]" for 8-bit images, "*" in halftone mode; at most 255 bytes, the name
// shortened at a character boundary when the whole would be longer.
void FormatImageTitle(char title[TITLE_CAPACITY], const char* name, int zoom, int bitDepth, bool halftone,
                      LeadBytePredicate isLeadByte);
