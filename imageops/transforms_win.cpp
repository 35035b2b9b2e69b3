// Whole-image transforms and test patterns through GDI and the slot table.
#include "imageops/transforms_win.h"
#include "imagewin/image_windows_win.h"
#include "pelori.h"

#include <cstdlib>

namespace {

void Invalidate(int slot) { InvalidateRect(imageSlots[slot].window, nullptr, FALSE); }

int BytesPerPixel(const ImageSlot& s) { return s.bitDepth == 32 ? 4 : 1; }

// The current image's pixels, rows unpadded, in a block the caller frees; null without memory.
void* CopyCurrentImage() {
    const ImageSlot& s = imageSlots[currentImage];
    int64_t bytes = PixelBlockBytes(s.width, s.height, BytesPerPixel(s), 1);
    void* block = bytes > 0 ? malloc(static_cast<size_t>(bytes)) : nullptr;
    if (block != nullptr) PLR_GetBlock(block, 0, 0, s.width, s.height);
    return block;
}

// A copy of the slot's picture in a DIB section of its own format and colour table.
struct PictureCopy {
    HDC context;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

bool CopyPicture(const ImageSlot& s, PictureCopy* copy) {
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD colors[256];
    } description = {};
    description.header.biSize = sizeof description.header;
    description.header.biWidth = s.width;
    description.header.biHeight = -s.height;
    description.header.biPlanes = 1;
    description.header.biBitCount = static_cast<WORD>(s.bitDepth);
    description.header.biCompression = BI_RGB;
    if (s.bitDepth == 8) GetDIBColorTable(s.memoryDC, 0, 256, description.colors);
    void* bits = nullptr;
    copy->context = CreateCompatibleDC(s.memoryDC);
    copy->bitmap = copy->context != nullptr
                       ? CreateDIBSection(copy->context, reinterpret_cast<BITMAPINFO*>(&description), DIB_RGB_COLORS,
                                          &bits, nullptr, 0)
                       : nullptr;
    if (copy->bitmap == nullptr) {
        if (copy->context != nullptr) DeleteDC(copy->context);
        return false;
    }
    copy->previous = SelectObject(copy->context, copy->bitmap);
    BitBlt(copy->context, 0, 0, s.width, s.height, s.memoryDC, 0, 0, SRCCOPY);
    return true;
}

void ReleasePicture(PictureCopy* copy) {
    SelectObject(copy->context, copy->previous);
    DeleteObject(copy->bitmap);
    DeleteDC(copy->context);
}

} // namespace

int InvertImage(int slot) {
    if (!IsImageInUse(slot)) return 1;
    const ImageSlot& s = imageSlots[slot];
    // A 32-bit pixel's colour bits are XORed with white, so its fourth byte stays as
    // PLR_InvertPixel leaves it; an 8-bit index is complemented.
    if (s.bitDepth == 32) {
        HGDIOBJ previous = SelectObject(s.memoryDC, GetStockObject(WHITE_BRUSH));
        PatBlt(s.memoryDC, 0, 0, s.width, s.height, PATINVERT);
        SelectObject(s.memoryDC, previous);
    } else {
        PatBlt(s.memoryDC, 0, 0, s.width, s.height, DSTINVERT);
    }
    GdiFlush(); // the pixels are read directly from the section next
    Invalidate(slot);
    return 0;
}

int FlipImage(int slot, bool horizontally) {
    if (!IsImageInUse(slot)) return 1;
    const ImageSlot& s = imageSlots[slot];
    // One block copy onto itself with a negative extent mirrors it; at the same size the stretch
    // mode changes nothing.
    if (horizontally)
        StretchBlt(s.memoryDC, s.width - 1, 0, -s.width, s.height, s.memoryDC, 0, 0, s.width, s.height, SRCCOPY);
    else
        StretchBlt(s.memoryDC, 0, s.height - 1, s.width, -s.height, s.memoryDC, 0, 0, s.width, s.height, SRCCOPY);
    GdiFlush();
    Invalidate(slot);
    return 0;
}

int RotateImage(int slot, bool clockwise) {
    if (!IsImageInUse(slot)) return 1;
    PLR_SelectImage(slot);
    int width = imageSlots[slot].width, height = imageSlots[slot].height, bytes = BytesPerPixel(imageSlots[slot]);
    void* block = CopyCurrentImage();
    void* turned = block != nullptr ? malloc(static_cast<size_t>(PixelBlockBytes(width, height, bytes, 1))) : nullptr;
    int result = 2;
    if (turned != nullptr && PLR_ResizeImage(slot, height, width) == 0) {
        RotateBlock(block, turned, width, height, bytes, clockwise);
        PLR_PutBlock(turned, 0, height, width);
        Invalidate(slot);
        result = 0;
    }
    free(turned);
    free(block);
    return result;
}

int StepImageSize(int slot, int factor) {
    if (!IsImageInUse(slot)) return 1;
    PLR_SelectImage(slot);
    int64_t width = SizeStep(imageSlots[slot].width, factor), height = SizeStep(imageSlots[slot].height, factor);
    if (width < 1 || height < 1 || width > INT32_MAX || height > INT32_MAX) return 2;
    PictureCopy copy;
    if (!CopyPicture(imageSlots[slot], &copy)) return 2;
    int oldWidth = imageSlots[slot].width, oldHeight = imageSlots[slot].height;
    int result = PLR_ResizeImage(slot, static_cast<int>(width), static_cast<int>(height)) == 0 ? 0 : 2;
    if (result == 0) {
        // The re-made slot keeps its stretch mode, which decides how pixels are picked or averaged.
        const ImageSlot& s = imageSlots[slot];
        StretchBlt(s.memoryDC, 0, 0, s.width, s.height, copy.context, 0, 0, oldWidth, oldHeight, SRCCOPY);
        GdiFlush();
        PLR_DrawImage(slot);
    }
    ReleasePicture(&copy);
    return result;
}

int DrawTestPattern(int slot, int pattern) {
    if (!IsImageInUse(slot)) return 1;
    PLR_SelectImage(slot);
    int width = imageSlots[slot].width, height = imageSlots[slot].height;
    if (pattern == PATTERN_GREY) {
        if (imageSlots[slot].bitDepth == 8) {
            uint32_t ramp[256];
            for (uint32_t i = 0; i < 256; ++i)
                ramp[i] = i * 0x010101u;
            PLR_SetPalette(ramp, 256);
        }
        // The lower line overwrites the upper one where they meet, so one row shows 255 - g.
        for (int x = 0; x < width; ++x) {
            ColorValue grey = static_cast<ColorValue>(int64_t{255} * x / width) * 0x010101u;
            PLR_DrawLine(grey, x, 0, x, height / 2 - 1);
            PLR_DrawLine(0xFFFFFF - grey, x, height / 2, x, height - 1);
        }
    } else {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                PLR_PutPixel(x, y, TestPatternPixel(pattern, x, y, width, height));
    }
    Invalidate(slot);
    return 0;
}
