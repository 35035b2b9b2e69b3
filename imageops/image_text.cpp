#include "imageops/image_font.h"
#include "imageops/pixels.h"
#include "plr_imageops.h"

#include <cstdarg>
#include <cstdio>

ColorValue plr_tc = 0;
ColorValue plr_tttc = 0xFFFFFF;
int textCursorX, textCursorY;
int textLeftMargin;
int imageTextCellWidth = 8;
int imageTextCellHeight = 16;

enum { IMAGE_TEXT_LINE_ADVANCE = 16 };

namespace {

void NewLine() {
    textCursorX = textLeftMargin;
    textCursorY = ClampToInt(static_cast<int64_t>(textCursorY) + IMAGE_TEXT_LINE_ADVANCE);
}

} // namespace

void PLR_DrawChar(char c) {
    unsigned code = static_cast<unsigned char>(c);
    if (code == '\n') {
        NewLine();
        return;
    }
    if (code < IMAGE_FONT_FIRST || code >= IMAGE_FONT_FIRST + IMAGE_FONT_GLYPHS) return;
    const uint8_t* glyph = imageFontGlyphs[code - IMAGE_FONT_FIRST];
    // The cursor's y is the baseline, the row just below the cell.
    int64_t top = static_cast<int64_t>(textCursorY) - IMAGE_FONT_HEIGHT;
    for (int i = 0; i < IMAGE_FONT_HEIGHT; ++i)
        for (int j = 0; j < IMAGE_FONT_WIDTH; ++j)
            if (glyph[i] & (0x80 >> j))
                PLR_PutPixel(ClampToInt(static_cast<int64_t>(textCursorX) + j), ClampToInt(top + i), plr_tc);
    int64_t next = static_cast<int64_t>(textCursorX) + IMAGE_FONT_WIDTH;
    if (next > static_cast<int64_t>(CurrentImageExtent().width) - IMAGE_FONT_WIDTH)
        NewLine();
    else
        textCursorX = static_cast<int>(next);
}

void PLR_DrawString(const char* s) {
    if (!s) return;
    for (; *s; ++s)
        PLR_DrawChar(*s);
}

void PLR_DrawPrintf(const char* format, ...) {
    if (!format) return;
    // vsnprintf cuts longer text at the buffer's end; the built-in font has no glyphs above 127,
    // so a double-byte character cut in half draws nothing.
    char text[DRAW_PRINTF_CAPACITY];
    va_list args;
    va_start(args, format);
    int length = vsnprintf(text, sizeof text, format, args);
    va_end(args);
    if (length < 0) return;
    PLR_DrawString(text);
}
