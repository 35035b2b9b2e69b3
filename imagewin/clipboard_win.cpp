// The clipboard exchange. A picture another program put there is checked by ParseClipboardDib
// before GDI is handed any of it.
#include "imagewin/clipboard_win.h"
#include "imagewin/clipboard_dib.h"
#include "imagewin/image_windows_win.h"
#include "pelori.h"

#include <cstdlib>
#include <cstring>

int PLR_CopyToClipboard(int slot) {
    if (!IsImageInUse(slot)) return 1;
    const ImageSlot& s = imageSlots[slot];
    // The block is made before the clipboard is touched, so a refusal leaves the clipboard as it was.
    int64_t bytes = ClipboardDibBytes(s.bitDepth, s.width, s.height);
    HGLOBAL block = bytes > 0 ? GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, static_cast<SIZE_T>(bytes)) : nullptr;
    uint8_t* data = block != nullptr ? static_cast<uint8_t*>(GlobalLock(block)) : nullptr;
    if (data == nullptr) {
        if (block != nullptr) GlobalFree(block);
        PLR_Pause("No enough memory for copy");
        return 3;
    }
    uint32_t palette[256] = {};
    if (s.bitDepth == 8) GetDIBColorTable(s.memoryDC, 0, 256, reinterpret_cast<RGBQUAD*>(palette));
    GdiFlush(); // the pixel memory is read directly
    WriteClipboardDib(data, s.bitDepth, s.width, s.height, pixels32[slot], pixels8[slot], palette);
    GlobalUnlock(block);
    // Opened for the slot's window: emptying makes it the owner, which putting data requires.
    if (!OpenClipboard(s.window)) {
        GlobalFree(block);
        return 2;
    }
    EmptyClipboard();
    bool put = SetClipboardData(CF_DIB, block) != nullptr; // the clipboard's block from now on
    if (!put) GlobalFree(block);
    CloseClipboard();
    return put ? 0 : 2;
}

namespace {

HBITMAP BitmapFromDib(const uint8_t* data, SIZE_T size, uint32_t colors[256], int* count) {
    DibLayout d;
    if (ParseClipboardDib(data, size, &d) != 0) return nullptr;
    if (d.bitCount <= 8) {
        *count = d.colorCount;
        for (int i = 0; i < d.colorCount; ++i) {
            const uint8_t* entry = data + d.colorOffset + static_cast<size_t>(i) * d.colorEntrySize;
            colors[i] = static_cast<uint32_t>(entry[2]) << 16 | static_cast<uint32_t>(entry[1]) << 8 | entry[0];
        }
    }
    HDC screen = GetDC(nullptr);
    // GDI reads the header, masks and colour table in place: the checks above cover all of them.
    HBITMAP bitmap = CreateDIBitmap(screen, reinterpret_cast<const BITMAPINFOHEADER*>(data), CBM_INIT,
                                    data + d.bitsOffset, reinterpret_cast<const BITMAPINFO*>(data), DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (bitmap == nullptr) *count = 0;
    return bitmap;
}

} // namespace

HBITMAP ReadClipboardPicture(uint32_t colors[256], int* count) {
    *count = 0;
    HBITMAP bitmap = nullptr;
    if (IsClipboardFormatAvailable(CF_DIB)) {
        if (!OpenClipboard(nullptr)) return nullptr;
        HANDLE data = GetClipboardData(CF_DIB);
        const uint8_t* block = data != nullptr ? static_cast<const uint8_t*>(GlobalLock(data)) : nullptr;
        if (block != nullptr) {
            // The block's real size bounds every read, whatever its header claims.
            bitmap = BitmapFromDib(block, GlobalSize(data), colors, count);
            GlobalUnlock(data);
        }
        CloseClipboard();
    } else if (IsClipboardFormatAvailable(CF_BITMAP)) {
        // Only when no DIB is offered: the system makes a bitmap from a DIB on request, so one
        // from a DIB the reader refused would bring back the very bytes it refused.
        if (!OpenClipboard(nullptr)) return nullptr;
        HANDLE shared = GetClipboardData(CF_BITMAP);
        // A copy of our own: the clipboard's bitmap stays the clipboard's.
        if (shared != nullptr)
            bitmap = static_cast<HBITMAP>(CopyImage(shared, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        CloseClipboard();
    }
    return bitmap;
}

namespace {

void CopyBitmap(HDC target, HBITMAP bitmap, int x, int y, int width, int height) {
    HDC source = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(source, bitmap);
    BitBlt(target, x, y, width, height, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

// Each pasted pixel that lands in an 8-bit slot becomes the index of its nearest colour, done here
// rather than left to the platform, whose mapping into a colour table may only approximate it.
void PasteNearestEntries(int slot, HBITMAP bitmap, int x, int y, int width, int height) {
    int64_t bytes = PixelBlockBytes(width, height, 4, 1);
    uint32_t* colours = bytes > 0 ? static_cast<uint32_t*>(malloc(static_cast<size_t>(bytes))) : nullptr;
    if (colours == nullptr) return;
    BITMAPINFO request = {};
    request.bmiHeader.biSize = sizeof request.bmiHeader;
    request.bmiHeader.biWidth = width;
    request.bmiHeader.biHeight = -height;
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), colours, &request, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    const ImageSlot& s = imageSlots[slot];
    uint32_t palette[256];
    GetDIBColorTable(s.memoryDC, 0, 256, reinterpret_cast<RGBQUAD*>(palette));
    GdiFlush();
    int rowBytes = ImageRowBytes(s);
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < width; ++i) {
            int64_t tx = int64_t{x} + i, ty = int64_t{y} + j;
            if (tx < 0 || ty < 0 || tx >= s.width || ty >= s.height) continue;
            pixels8[slot][ty * rowBytes + tx] =
                static_cast<uint8_t>(NearestPaletteIndex(palette, colours[static_cast<size_t>(j) * width + i]));
        }
    free(colours);
}

} // namespace

int PLR_PasteFromClipboard(int slot, int x, int y) {
    if (!IsImageInUse(slot)) return 1;
    uint32_t colors[256];
    int count = 0;
    HBITMAP bitmap = ReadClipboardPicture(colors, &count);
    if (bitmap == nullptr) return 2;
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    int width = info.bmWidth, height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    int result = 0;
    if (x == -1 || y == -1) {
        int cx = 0, cy = 0;
        result = PLR_PickPastePos(slot, width, height, &cx, &cy) == 0 ? 0 : 3;
        x = cx - width / 2;
        y = cy - height / 2;
        // The user may have closed the window while placing.
        if (result == 0 && !IsImageInUse(slot)) result = 1;
    }
    if (result == 0) {
        const ImageSlot& s = imageSlots[slot];
        // The pasted colour table first, so that the pasted colours map onto it.
        if (count > 0) SetDIBColorTable(s.memoryDC, 0, static_cast<UINT>(count), reinterpret_cast<RGBQUAD*>(colors));
        if (s.bitDepth == 8)
            PasteNearestEntries(slot, bitmap, x, y, width, height);
        else
            CopyBitmap(s.memoryDC, bitmap, x, y, width, height);
        GdiFlush();
        InvalidateRect(s.window, nullptr, FALSE);
    }
    DeleteObject(bitmap);
    return result;
}

void PasteBitmap(HBITMAP bitmap) {
    if (bitmap == nullptr) return;
    if (IsImageInUse(currentImage)) {
        BITMAP info = {};
        GetObjectW(bitmap, sizeof info, &info);
        CopyBitmap(imageSlots[currentImage].memoryDC, bitmap, 0, 0, info.bmWidth,
                   info.bmHeight < 0 ? -info.bmHeight : info.bmHeight);
        GdiFlush();
    }
    DeleteObject(bitmap);
}
