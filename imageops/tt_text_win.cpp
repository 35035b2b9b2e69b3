// TrueType text drawn into the current image through GDI, in the image-text font.
#include "imageops/imageops_win.h"
#include "imageops/color_order.h"
#include "shell/window_text_win.h"
#include "imagewin/image_slots.h"
#include "pelori.h"

HFONT imageTextFont;

// The description the image-text font is made from; the control codes and the size change it.
static LOGFONTW imageTextFontDescription;

static void RemakeImageTextFont() {
    HFONT font = CreateFontIndirectW(&imageTextFontDescription);
    if (font == nullptr) return; // keep the font there is
    HFONT old = imageTextFont;
    imageTextFont = font;
    if (old != nullptr) DeleteObject(old);
}

void CreateImageTextFont() {
    LOGFONTW& d = imageTextFontDescription;
    d = LOGFONTW();
    d.lfHeight = 16;
    d.lfWidth = 8;
    d.lfWeight = FW_DONTCARE;
    d.lfCharSet = DEFAULT_CHARSET;
    d.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    d.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    d.lfQuality = DEFAULT_QUALITY;
    d.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    // A monospaced Japanese system font; kept as UTF-16 so no code page can spoil the name.
    wcscpy(d.lfFaceName, L"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF");
    RemakeImageTextFont();
    plr_tttc = 0xFFFFFF;
    textCursorX = textCursorY = textLeftMargin = 0;
}

void DeleteImageTextFont() {
    if (imageTextFont != nullptr) DeleteObject(imageTextFont);
    imageTextFont = nullptr;
}

void PLR_SetTTFontSize(int width, int height) {
    imageTextFontDescription.lfWidth = width / 2;
    imageTextFontDescription.lfHeight = height;
    imageTextCellWidth = width;
    imageTextCellHeight = height;
    RemakeImageTextFont();
}

static bool ApplyControlCode(int code) {
    LOGFONTW& d = imageTextFontDescription;
    switch (code) {
    case 1: d.lfItalic = TRUE; break;
    case 2: d.lfItalic = FALSE; break;
    case 3: d.lfWeight = FW_BOLD; break;
    case 4: d.lfWeight = FW_NORMAL; break;
    case 5: d.lfUnderline = TRUE; break;
    case 6: d.lfUnderline = FALSE; break;
    case 10:
        textCursorY += imageTextCellHeight;
        textCursorX = textLeftMargin;
        return true;
    default: return true;
    }
    RemakeImageTextFont();
    return true;
}

// The full advance of a character: A + B + C spacing, or the plain width without ABC spacing.
static int Advance(HDC context, wchar_t character) {
    ABC abc;
    if (GetCharABCWidthsW(context, character, character, &abc)) return abc.abcA + static_cast<int>(abc.abcB) + abc.abcC;
    INT width = 0;
    GetCharWidth32W(context, character, character, &width);
    return width;
}

void PLR_DrawTTChar(int code) {
    if (code < 32 && ApplyControlCode(code)) return;
    if (!IsImageInUse(currentImage)) return;
    char bytes[2];
    int count = 0;
    if (code > 0xFF) bytes[count++] = static_cast<char>((code >> 8) & 0xFF);
    bytes[count++] = static_cast<char>(code & 0xFF);
    wchar_t characters[2];
    int converted = MultiByteToWideChar(CP_ACP, 0, bytes, count, characters, 2);
    if (converted <= 0) return;
    HDC context = imageSlots[currentImage].memoryDC;
    HGDIOBJ oldFont = SelectObject(context, imageTextFont);
    int oldMode = SetBkMode(context, TRANSPARENT);
    COLORREF oldColor = SetTextColor(context, SwapRedBlue(plr_tttc));
    // A code of two bytes that the code page reads as two characters draws both.
    for (int i = 0; i < converted; ++i) {
        TextOutW(context, textCursorX, textCursorY - imageTextCellHeight + 1, &characters[i], 1);
        textCursorX += Advance(context, characters[i]);
    }
    SetTextColor(context, oldColor);
    SetBkMode(context, oldMode);
    SelectObject(context, oldFont);
    GdiFlush(); // the pixels are read directly from the section next
}

// Lead bytes are the active code page's, the one the characters are converted with: on a
// single-byte code page every byte is a character of its own.
void PLR_DrawTTString(const char* s) {
    if (s == nullptr) return;
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(s); *p != 0; ++p) {
        if (IsAnsiLeadByte(*p)) {
            if (p[1] == 0) return;
            PLR_DrawTTChar(p[0] * 256 + p[1]);
            ++p;
        } else {
            PLR_DrawTTChar(*p);
        }
    }
}
