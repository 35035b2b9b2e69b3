// plr_screenshot OUT.png [CLASS [TITLE]]: saves the screen, or the window found by class (and
// title), as a PNG. Used by the tests and by the README's run command on a virtual display.
#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

#include <gdiplus.h>

#include <cstdio>
#include <cwchar>
#include <vector>

using namespace Gdiplus;

static bool FindPngEncoder(CLSID* clsid) {
    UINT count = 0, size = 0;
    if (DllExports::GdipGetImageEncodersSize(&count, &size) != Ok || size == 0) return false;
    std::vector<unsigned char> buffer(size);
    ImageCodecInfo* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    if (DllExports::GdipGetImageEncoders(count, size, codecs) != Ok) return false;
    for (UINT i = 0; i < count; ++i) {
        if (wcscmp(codecs[i].MimeType, L"image/png") == 0) {
            *clsid = codecs[i].Clsid;
            return true;
        }
    }
    return false;
}

// The screen rectangle as a top-down 24-bit DIB section, whose rows GDI+ reads directly.
static HBITMAP CaptureScreenRect(const RECT& rect, void** pixels) {
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, pixels, nullptr, 0);
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    GdiFlush();
    return bitmap;
}

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: plr_screenshot OUT.png [CLASS [TITLE]]\n");
        return 2;
    }
    RECT rect = {0, 0, GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    if (argc >= 3) {
        HWND window = FindWindowW(argv[2], argc >= 4 ? argv[3] : nullptr);
        if (window == nullptr) {
            std::fprintf(stderr, "plr_screenshot: no such window\n");
            return 1;
        }
        // Only what lies on the screen can be read back; a rectangle reaching past it reads as black.
        RECT windowRect;
        GetWindowRect(window, &windowRect);
        IntersectRect(&rect, &rect, &windowRect);
    }
    void* pixels = nullptr;
    HBITMAP bitmap = CaptureScreenRect(rect, &pixels);
    ULONG_PTR token;
    GdiplusStartupInput input;
    if (GdiplusStartup(&token, &input, nullptr) != Ok) return 1;
    int result = 1;
    CLSID png;
    int width = rect.right - rect.left, height = rect.bottom - rect.top, stride = (width * 3 + 3) & ~3;
    GpBitmap* image = nullptr;
    if (bitmap != nullptr && FindPngEncoder(&png) &&
        DllExports::GdipCreateBitmapFromScan0(width, height, stride, PixelFormat24bppRGB, static_cast<BYTE*>(pixels),
                                              &image) == Ok) {
        if (DllExports::GdipSaveImageToFile(image, argv[1], &png, nullptr) == Ok) result = 0;
        DllExports::GdipDisposeImage(image);
    }
    DeleteObject(bitmap);
    GdiplusShutdown(token);
    if (result != 0) std::fprintf(stderr, "plr_screenshot: could not save the picture\n");
    return result;
}
