// Picture files through GDI+: drawing a file into the current image, saving the current image.
#include "imagewin/image_windows_win.h"
#include "imagewin/image_block.h"
#include "shell/window_text_win.h"

#include <gdiplus.h>

#include <cstdlib>
#include <cstring>

using namespace Gdiplus;

namespace {

struct SaveFormat {
    const wchar_t* mimeType;
    const wchar_t* extension;
};

const SaveFormat saveFormats[] = {
    {L"image/bmp", L".bmp"}, {L"image/jpeg", L".jpg"}, {L"image/gif", L".gif"},
    {L"image/png", L".png"}, {L"image/tiff", L".tif"},
};

// GDI+'s EncoderQuality parameter, spelled out: the library's own symbol carries C++ linkage here.
const GUID encoderQuality = {0x1d5be4b5, 0xfa4a, 0x452d, {0x9c, 0xdd, 0x5d, 0xb3, 0x51, 0x05, 0xe7, 0xeb}};
const ULONG JPEG_QUALITY = 100;

// The picture's palette as colour-table entries; the count is checked against the sizes GDI+
// reports, whatever the file claims.
void TakePalette(GpImage* image) {
    INT size = 0;
    if (DllExports::GdipGetImagePaletteSize(image, &size) != Ok || size <= 8) return;
    ColorPalette* palette = static_cast<ColorPalette*>(malloc(static_cast<size_t>(size)));
    if (palette == nullptr) return;
    if (DllExports::GdipGetImagePalette(image, palette, size) == Ok) {
        UINT count = static_cast<UINT>(size - 8) / 4;
        if (palette->Count < count) count = palette->Count;
        if (count > 256) count = 256;
        uint32_t entries[256];
        for (UINT i = 0; i < count; ++i)
            entries[i] = palette->Entries[i] & 0xFFFFFF;
        PLR_SetPalette(entries, static_cast<int>(count));
    }
    free(palette);
}

struct EightBitDib {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
};

// The current 8-bit image as a GDI+ bitmap over a 72-dpi DIB section that holds a copy of it.
GpBitmap* EightBitBitmap(int width, int height, HBITMAP* section) {
    EightBitDib dib = {};
    dib.header.biSize = sizeof dib.header;
    dib.header.biWidth = width;
    dib.header.biHeight = -height;
    dib.header.biPlanes = 1;
    dib.header.biBitCount = 8;
    dib.header.biCompression = BI_RGB;
    dib.header.biXPelsPerMeter = dib.header.biYPelsPerMeter = 2834;
    PLR_GetPalette(reinterpret_cast<uint32_t*>(dib.colors));
    void* bits = nullptr;
    *section = CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&dib), DIB_RGB_COLORS, &bits, nullptr, 0);
    int64_t blockBytes = PixelBlockBytes(width, height, 1, 1);
    uint8_t* block = blockBytes > 0 ? static_cast<uint8_t*>(malloc(static_cast<size_t>(blockBytes))) : nullptr;
    GpBitmap* bitmap = nullptr;
    if (*section != nullptr && block != nullptr) {
        PLR_GetBlock(block, 0, 0, width, height);
        size_t stride = (static_cast<size_t>(width) + 3) & ~static_cast<size_t>(3);
        for (int row = 0; row < height; ++row)
            memcpy(static_cast<uint8_t*>(bits) + row * stride, block + static_cast<size_t>(row) * width, width);
        DllExports::GdipCreateBitmapFromGdiDib(reinterpret_cast<BITMAPINFO*>(&dib), bits, &bitmap);
    }
    free(block);
    return bitmap;
}

// The current 32-bit image as a 24-bit GDI+ bitmap: the fourth byte of each pixel is dropped.
GpBitmap* TwentyFourBitBitmap(int width, int height) {
    int64_t blockBytes = PixelBlockBytes(width, height, 4, 1);
    uint32_t* block = blockBytes > 0 ? static_cast<uint32_t*>(malloc(static_cast<size_t>(blockBytes))) : nullptr;
    if (block == nullptr) return nullptr;
    PLR_GetBlock(block, 0, 0, width, height);
    GpBitmap* wide = nullptr;
    GpBitmap* clone = nullptr;
    if (DllExports::GdipCreateBitmapFromScan0(width, height, width * 4, PixelFormat32bppRGB,
                                              reinterpret_cast<BYTE*>(block), &wide) == Ok) {
        DllExports::GdipCloneBitmapAreaI(0, 0, width, height, PixelFormat24bppRGB, wide, &clone);
        DllExports::GdipDisposeImage(wide);
    }
    free(block);
    return clone;
}

} // namespace

int FindEncoder(const wchar_t* mimeType, CLSID* classId) {
    UINT count = 0, size = 0;
    if (DllExports::GdipGetImageEncodersSize(&count, &size) != Ok || size == 0) return 1;
    ImageCodecInfo* codecs = static_cast<ImageCodecInfo*>(malloc(size));
    if (codecs == nullptr) return 1;
    int result = 1;
    if (DllExports::GdipGetImageEncoders(count, size, codecs) == Ok) {
        for (UINT i = 0; i < count && result != 0; ++i) {
            if (wcscmp(codecs[i].MimeType, mimeType) == 0) {
                *classId = codecs[i].Clsid;
                result = 0;
            }
        }
    }
    free(codecs);
    return result;
}

int PLR_LoadImageFile(const char* path, int x, int y) {
    if (!IsImageInUse(currentImage)) return 2;
    wchar_t widePath[FOLDER_CAPACITY];
    if (PathToWide(path, widePath, FOLDER_CAPACITY) != 0) return 1;
    GpImage* image = nullptr;
    if (DllExports::GdipLoadImageFromFile(widePath, &image) != Ok || image == nullptr) return 1;
    UINT width = 0, height = 0;
    DllExports::GdipGetImageWidth(image, &width);
    DllExports::GdipGetImageHeight(image, &height);
    if (width == 0 || height == 0 || width > INT_MAX || height > INT_MAX) {
        DllExports::GdipDisposeImage(image);
        return 1;
    }
    if (imageSlots[currentImage].bitDepth == 8) TakePalette(image);
    GpGraphics* graphics = nullptr;
    if (DllExports::GdipCreateFromHDC(imageSlots[currentImage].memoryDC, &graphics) == Ok) {
        DllExports::GdipDrawImageRectI(graphics, image, x, y, static_cast<INT>(width), static_cast<INT>(height));
        DllExports::GdipDeleteGraphics(graphics);
    }
    DllExports::GdipDisposeImage(image);
    GdiFlush(); // callers read the section's memory directly next
    return 0;
}

int PLR_SaveImageFile(const char* path, int format, int width, int height) {
    if (!IsImageInUse(currentImage)) return 3;
    // A block larger than any the framework holds is refused as an empty one is.
    if (width <= 0 || height <= 0 || PixelBlockBytes(width, height, 4, 4) < 0) return 2;
    if (format < 0 || format >= static_cast<int>(sizeof saveFormats / sizeof saveFormats[0])) return 1;
    CLSID encoder;
    if (FindEncoder(saveFormats[format].mimeType, &encoder) != 0) return 1;
    wchar_t widePath[FOLDER_CAPACITY];
    if (PathToWide(path, widePath, FOLDER_CAPACITY) != 0) return 1;
    if (AppendExtension(widePath, FOLDER_CAPACITY, saveFormats[format].extension) != 0) return 1;

    HBITMAP section = nullptr;
    GpBitmap* bitmap = imageSlots[currentImage].bitDepth == 8 ? EightBitBitmap(width, height, &section)
                                                              : TwentyFourBitBitmap(width, height);
    int result = 1;
    if (bitmap != nullptr) {
        ULONG quality = JPEG_QUALITY;
        EncoderParameters parameters;
        parameters.Count = 1;
        parameters.Parameter[0].Guid = encoderQuality;
        parameters.Parameter[0].NumberOfValues = 1;
        parameters.Parameter[0].Type = EncoderParameterValueTypeLong;
        parameters.Parameter[0].Value = &quality;
        const EncoderParameters* withQuality = format == 1 ? &parameters : nullptr;
        if (DllExports::GdipSaveImageToFile(bitmap, widePath, &encoder, withQuality) == Ok) result = 0;
        DllExports::GdipDisposeImage(bitmap);
    }
    if (section != nullptr) DeleteObject(section);
    return result;
}
