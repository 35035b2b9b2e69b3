#include "imageops/picks.h"
#include "imageops/color_models.h"
#include "imageops/pixels.h"
#include "plr_imageops.h"

#include <cmath>
#include <cstdint>

PickState pickState = {-1, 0, 0, 0, 0, 0, 0, 0};

void DrawRubberBand(const RubberBand& band) {
    ImageExtent image = CurrentImageExtent();
    switch (band.kind) {
    case BAND_ROW: PLR_DrawLineXor(0, band.y, image.width - 1, band.y); break;
    case BAND_COLUMN: PLR_DrawLineXor(band.x, 0, band.x, image.height - 1); break;
    case BAND_LINE: PLR_DrawLineXor(band.anchorX, band.anchorY, band.x, band.y); break;
    case BAND_RECT: PLR_DrawRectXor(band.anchorX, band.anchorY, band.x, band.y); break;
    case BAND_CIRCLE:
        PLR_DrawCircleXor(band.anchorX, band.anchorY, CircleRadius(band.x - band.anchorX, band.y - band.anchorY));
        break;
    case BAND_PASTE: {
        Frame f = PasteFrame(band.x, band.y, band.width, band.height);
        PLR_DrawRectXor(f.left, f.top, f.right, f.bottom);
        // The diagonals run between the corners inset by one, inside the outline.
        if (band.width >= 9 && band.height >= 9) {
            PLR_DrawLineXor(f.left + 1, f.top + 1, f.right - 1, f.bottom - 1);
            PLR_DrawLineXor(f.right - 1, f.top + 1, f.left + 1, f.bottom - 1);
        }
        break;
    }
    }
}

int CircleRadius(int dx, int dy) {
    double x = dx, y = dy;
    return ClampToInt(static_cast<int64_t>(std::sqrt(x * x + y * y) + 0.5));
}

Frame PasteFrame(int x, int y, int width, int height) {
    int left = ClampToInt(int64_t{x} - width / 2), top = ClampToInt(int64_t{y} - height / 2);
    return {left, top, ClampToInt(int64_t{left} + width - 1), ClampToInt(int64_t{top} + height - 1)};
}

int ProfileValue(ColorValue pixel, int channel) {
    int h, s, v;
    switch (channel) {
    case CHANNEL_RED: return static_cast<int>((pixel >> 16) & 0xFF);
    case CHANNEL_GREEN: return static_cast<int>((pixel >> 8) & 0xFF);
    case CHANNEL_BLUE:
    case CHANNEL_BYTE: return static_cast<int>(pixel & 0xFF);
    case CHANNEL_HUE: PLR_RGBtoHSV(pixel, &h, &s, &v); return h;
    case CHANNEL_SATURATION: PLR_RGBtoHSV(pixel, &h, &s, &v); return s;
    case CHANNEL_VALUE: PLR_RGBtoHSV(pixel, &h, &s, &v); return v;
    case CHANNEL_LUMA: return ComputeColorReadout(pixel).y;
    case CHANNEL_CR: return ComputeColorReadout(pixel).cr + 128;
    case CHANNEL_CB: return ComputeColorReadout(pixel).cb + 128;
    }
    return 0;
}

int ProfileRow(int value, int channel) { return 127 - value * 127 / (channel == CHANNEL_HUE ? 359 : 255); }

PlanePoint ChromaPoint(ColorValue color) {
    ColorReadout c = ComputeColorReadout(color);
    return {c.cb + 128, 128 - c.cr};
}

void PLR_ReadRow(void* buffer, int y, int n) {
    if (buffer == nullptr) return;
    bool bytes = CurrentImageExtent().bitDepth == 8;
    for (int x = 0; x < n; ++x) {
        ColorValue pixel = PLR_GetPixel(x, y);
        if (bytes)
            static_cast<uint8_t*>(buffer)[x] = static_cast<uint8_t>(pixel);
        else
            static_cast<uint32_t*>(buffer)[x] = pixel;
    }
}

void PLR_PlotProfile(const void* row, int offset, int n, int channel, ColorValue color) {
    if (row == nullptr) return;
    for (int i = 0; i < n; ++i) {
        ColorValue pixel =
            channel == CHANNEL_BYTE ? static_cast<const uint8_t*>(row)[i] : static_cast<const ColorValue*>(row)[i];
        int x = ClampToInt(int64_t{offset} + i), y = ProfileRow(ProfileValue(pixel, channel), channel);
        if (i == 0)
            PLR_PutPixel(x, y, color);
        else
            PLR_DrawLine(color, penX, penY, x, y);
    }
}

void DrawLabel(const char* text, ColorValue color, int x, int y) {
    textCursorX = textLeftMargin = x;
    textCursorY = y;
    plr_tc = color;
    PLR_DrawString(text);
}

void PLR_PlotCrCb(const ColorValue* colors, int n, int rowLength) {
    PLR_DrawLine(0x808080, 0, 128, 256, 128);
    PLR_DrawLine(0x808080, 128, 0, 128, 256);
    DrawLabel("Cr", 0xFF8888, 110, 16);
    DrawLabel("Cb", 0x8888FF, 238, 144);
    if (colors == nullptr) return;
    bool alternate = rowLength <= 0;
    for (int i = 0; i < n; ++i) {
        PlanePoint p = ChromaPoint(colors[i]);
        int inRow = rowLength > 0 ? i % rowLength : i;
        ColorValue color = alternate && i % 2 == 1 ? 0xFF00FF : 0xFFFFFF;
        if (inRow == 0)
            PLR_PutPixel(p.x, p.y, color);
        else
            PLR_DrawLine(color, penX, penY, p.x, p.y);
    }
}
