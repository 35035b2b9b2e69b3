// Image windows: creation, destruction, redraw, zoom, re-creation, stretch mode, colour tables.
#include "imagewin/image_windows_win.h"
#include "shell/owned_window_win.h"
#include "shell/window_text_win.h"

#include <cstdlib>
#include <cstring>

static const DWORD IMAGE_WINDOW_STYLE = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;

// A top-down DIB header followed by a 256-entry colour table holding the grey ramp.
struct DibDescription {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

ScreenMetrics ReadScreenMetrics() {
    return {GetSystemMetrics(SM_CXMIN),     GetSystemMetrics(SM_CYMIN),    GetSystemMetrics(SM_CXFRAME),
            GetSystemMetrics(SM_CYCAPTION), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

static void SetStretchModeOn(HDC context, int mode) {
    SetStretchBltMode(context, mode);
    SetBrushOrgEx(context, 0, 0, nullptr);
}

static char* CopyName(const char* name) {
    size_t length = strlen(name);
    char* copy = static_cast<char*>(malloc(length + 1));
    if (copy != nullptr) memcpy(copy, name, length + 1);
    return copy;
}

static HBITMAP CreatePixelStorage(HDC context, int width, int height, int bitDepth, void** pixels) {
    *pixels = nullptr;
    if (PixelBlockBytes(width, height, bitDepth / 8, 4) < 0) return nullptr; // more than we ever hold
    DibDescription description = {};
    description.header.biSize = sizeof description.header;
    description.header.biWidth = width;
    description.header.biHeight = -height;
    description.header.biPlanes = 1;
    description.header.biBitCount = static_cast<WORD>(bitDepth);
    description.header.biCompression = BI_RGB;
    for (int i = 0; i < 256; ++i) {
        BYTE grey = static_cast<BYTE>(i);
        description.colors[i] = {grey, grey, grey, 0};
    }
    return CreateDIBSection(context, reinterpret_cast<BITMAPINFO*>(&description), DIB_RGB_COLORS, pixels, nullptr, 0);
}

// Pixel memory made ahead of its window, so that a resize keeps the old slot when there is none.
struct PixelStorage {
    HBITMAP bitmap;
    void* pixels;
};

static PixelStorage MakePixelStorage(int width, int height, int bitDepth) {
    PixelStorage storage = {nullptr, nullptr};
    storage.bitmap = CreatePixelStorage(nullptr, width, height, bitDepth, &storage.pixels);
    return storage;
}

static int ReleaseStorage(PixelStorage storage, int result) {
    if (storage.bitmap != nullptr) DeleteObject(storage.bitmap);
    return result;
}

// Creates the slot's window on storage made for it, or on new storage; the storage passed in is
// the slot's once this returns 0, and is released on a failure.
static int CreateImageWindow(int slot, const char* name, int x, int y, int width, int height, int zoom, int bitDepth,
                             int fitToScreen, PixelStorage storage = {nullptr, nullptr}) {
    if (static_cast<unsigned>(slot) >= SLOT_COUNT) return ReleaseStorage(storage, 4);
    ImageSlot* s = &imageSlots[slot];
    if (s->inUse) return ReleaseStorage(storage, 1);
    if (bitDepth != 8 && bitDepth != 32) return ReleaseStorage(storage, 3);
    if (width < 1) width = 1;
    if (height < 1) height = 1;
    ZoomFit fit;
    if (ApplyZoomRule(width, height, zoom, ImageSizeLimits(fitToScreen, ReadScreenMetrics()), &fit) != 0)
        return ReleaseStorage(storage, 2);
    if (storage.bitmap == nullptr) storage = MakePixelStorage(width, height, bitDepth);
    if (storage.bitmap == nullptr) return 3;
    char* nameCopy = CopyName(name != nullptr ? name : "");
    if (nameCopy == nullptr) return ReleaseStorage(storage, 3);

    RECT outer = {0, 0, fit.displayWidth, fit.displayHeight};
    AdjustWindowRect(&outer, IMAGE_WINDOW_STYLE, FALSE);
    char title[TITLE_CAPACITY];
    FormatImageTitle(title, nameCopy, fit.zoom, bitDepth, false, IsAnsiLeadByte);
    wchar_t wideTitle[TITLE_CAPACITY];
    NarrowToWide(title, wideTitle, TITLE_CAPACITY);
    HWND window = CreateOwnedWindow(L"plr_iw", wideTitle, IMAGE_WINDOW_STYLE, x, y, x == -1, y == -1,
                                    outer.right - outer.left, outer.bottom - outer.top);
    if (window == nullptr) {
        free(nameCopy);
        return ReleaseStorage(storage, 3);
    }
    UpdateWindow(window);
    SetForegroundWindow(window);
    DragAcceptFiles(window, TRUE);

    HDC windowDC = GetDC(window);
    SetStretchModeOn(windowDC, STRETCH_MODE_COLORONCOLOR);
    HDC memoryDC = CreateCompatibleDC(windowDC);
    HBITMAP bitmap = storage.bitmap;
    void* pixels = storage.pixels;
    if (memoryDC == nullptr) {
        // Nothing of the window may stay behind, and the slot stays free.
        ReleaseDC(window, windowDC);
        DestroyWindow(window);
        free(nameCopy);
        return ReleaseStorage(storage, 3);
    }
    SetStretchModeOn(memoryDC, STRETCH_MODE_COLORONCOLOR);
    s->previousBitmap = static_cast<HBITMAP>(SelectObject(memoryDC, bitmap));
    s->bitDepth = bitDepth;
    s->fitToScreen = fitToScreen;
    s->width = width;
    s->height = height;
    s->zoom = fit.zoom;
    s->displayWidth = fit.displayWidth;
    s->displayHeight = fit.displayHeight;
    s->window = window;
    s->windowDC = windowDC;
    s->memoryDC = memoryDC;
    s->bitmap = bitmap;
    s->name = nameCopy;
    pixels32[slot] = static_cast<uint32_t*>(pixels);
    pixels8[slot] = static_cast<uint8_t*>(pixels);
    memset(pixels, 0, static_cast<size_t>(ImageRowBytes(*s)) * static_cast<size_t>(height));
    s->inUse = 1;
    PLR_SelectImage(slot);
    return 0;
}

int CreateImageSlot(int slot, const char* name, int x, int y, int width, int height, int zoom, int bitDepth) {
    return CreateImageWindow(slot, name, x, y, width, height, zoom, bitDepth, 1);
}

int PLR_CreateImage(int slot, const char* name, int x, int y, int width, int height, int zoom) {
    return CreateImageWindow(slot, name, x, y, width, height, zoom, 32, 1);
}

int PLR_CreateImage8(int slot, const char* name, int x, int y, int width, int height, int zoom) {
    return CreateImageWindow(slot, name, x, y, width, height, zoom, 8, 1);
}

int PLR_CreateImageFL(int slot, const char* name, int x, int y, int width, int height, int zoom) {
    return CreateImageWindow(slot, name, x, y, width, height, zoom, 32, 0);
}

int PLR_CreateImage8FL(int slot, const char* name, int x, int y, int width, int height, int zoom) {
    return CreateImageWindow(slot, name, x, y, width, height, zoom, 8, 0);
}

int PLR_DestroyImage(int slot) {
    if (!IsImageInUse(slot)) return 1;
    ImageSlot* s = &imageSlots[slot];
    s->inUse = 0;
    ForgetImageStorage(slot);
    SelectObject(s->memoryDC, s->previousBitmap);
    DeleteObject(s->bitmap);
    DeleteDC(s->memoryDC);
    ReleaseDC(s->window, s->windowDC);
    free(s->name);
    s->name = nullptr;
    DestroyWindow(s->window);
    return 0;
}

int PLR_DrawImage(int slot) {
    if (!IsImageInUse(slot)) return 1;
    const ImageSlot& s = imageSlots[slot];
    if (s.zoom == 100)
        BitBlt(s.windowDC, 0, 0, s.width, s.height, s.memoryDC, 0, 0, SRCCOPY);
    else
        StretchBlt(s.windowDC, 0, 0, s.displayWidth, s.displayHeight, s.memoryDC, 0, 0, s.width, s.height, SRCCOPY);
    return 0;
}

void UpdateImageTitle(int slot) {
    if (!IsImageInUse(slot)) return;
    const ImageSlot& s = imageSlots[slot];
    char title[TITLE_CAPACITY];
    FormatImageTitle(title, s.name, s.zoom, s.bitDepth, GetStretchBltMode(s.memoryDC) == HALFTONE, IsAnsiLeadByte);
    SetWindowTextNarrow(s.window, title);
}

int PLR_SetZoom(int slot, int zoom) {
    if (!IsImageInUse(slot)) return 1;
    ImageSlot* s = &imageSlots[slot];
    ZoomFit fit;
    if (ApplyZoomRule(s->width, s->height, zoom, ImageSizeLimits(s->fitToScreen, ReadScreenMetrics()), &fit) != 0)
        return 2;
    s->zoom = fit.zoom;
    // The frame keeps its thickness: the outer size changes by as much as the client size.
    RECT outer;
    GetWindowRect(s->window, &outer);
    SetWindowPos(s->window, nullptr, 0, 0, outer.right - outer.left + fit.displayWidth - s->displayWidth,
                 outer.bottom - outer.top + fit.displayHeight - s->displayHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_SHOWWINDOW);
    s->displayWidth = fit.displayWidth;
    s->displayHeight = fit.displayHeight;
    InvalidateRect(s->window, nullptr, FALSE);
    UpdateImageTitle(slot);
    return 0;
}

int PLR_MoveImage(int slot, int x, int y) {
    if (!IsImageInUse(slot)) return 1;
    SetWindowPos(imageSlots[slot].window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return 0;
}

int PLR_SetStretchMode(int slot, int mode) {
    if (!IsImageInUse(slot)) return 1;
    const ImageSlot& s = imageSlots[slot];
    if (mode == STRETCH_MODE_COLORONCOLOR || mode == STRETCH_MODE_HALFTONE) {
        SetStretchModeOn(s.windowDC, mode);
        SetStretchModeOn(s.memoryDC, mode);
    }
    InvalidateRect(s.window, nullptr, FALSE);
    UpdateImageTitle(slot);
    return 0;
}

int PLR_GetStretchMode(int slot) { return IsImageInUse(slot) ? GetStretchBltMode(imageSlots[slot].windowDC) : 0; }

int PLR_ResizeImage(int slot, int width, int height) {
    if (!IsImageInUse(slot)) return 1;
    const ImageSlot& s = imageSlots[slot];
    // The new size must be showable and its storage at hand before the old slot goes.
    if (width < 1) width = 1;
    if (height < 1) height = 1;
    ZoomFit fit;
    if (ApplyZoomRule(width, height, s.zoom, ImageSizeLimits(s.fitToScreen, ReadScreenMetrics()), &fit) != 0) return 2;
    PixelStorage storage = MakePixelStorage(width, height, s.bitDepth);
    if (storage.bitmap == nullptr) return 3;
    char name[TITLE_CAPACITY];
    CopyWholeCharacters(name, TITLE_CAPACITY, s.name, IsAnsiLeadByte);
    int bitDepth = s.bitDepth, zoom = s.zoom, fitToScreen = s.fitToScreen;
    int mode = GetStretchBltMode(s.windowDC);
    RECT outer;
    GetWindowRect(s.window, &outer);
    RGBQUAD colors[256];
    if (bitDepth == 8) GetDIBColorTable(s.memoryDC, 0, 256, colors);
    PLR_DestroyImage(slot);
    int result =
        CreateImageWindow(slot, name, outer.left, outer.top, width, height, zoom, bitDepth, fitToScreen, storage);
    if (result != 0) return result;
    if (bitDepth == 8) SetDIBColorTable(imageSlots[slot].memoryDC, 0, 256, colors);
    PLR_SetStretchMode(slot, mode);
    return 0;
}

int PLR_SetPalette(const uint32_t* entries, int count) {
    if (!IsImageInUse(currentImage)) return 1;
    const ImageSlot& s = imageSlots[currentImage];
    if (s.bitDepth != 8) return 2;
    if (count > 256) count = 256;
    if (count > 0) SetDIBColorTable(s.memoryDC, 0, static_cast<UINT>(count), reinterpret_cast<const RGBQUAD*>(entries));
    InvalidateRect(s.window, nullptr, FALSE);
    return 0;
}

int PLR_GetPalette(uint32_t entries[256]) {
    if (!IsImageInUse(currentImage)) return 1;
    const ImageSlot& s = imageSlots[currentImage];
    if (s.bitDepth != 8) return 2;
    GetDIBColorTable(s.memoryDC, 0, 256, reinterpret_cast<RGBQUAD*>(entries));
    return 0;
}

int SelectImageOfWindow(HWND window) {
    int slot = FindImageSlot(window);
    PLR_SelectImage(slot);
    return slot;
}
