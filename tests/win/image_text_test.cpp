// TrueType text in images and the pixel read-out, under Wine.
#include "imagewin/image_windows_win.h"
#include "imageops/imageops_win.h"
#include "imageops/color_order.h"
#include "textwin/text_windows_win.h"
#include "tests/win/wintest.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"

namespace {

void Reset() {
    for (int i = 0; i < SLOT_COUNT; ++i)
        PLR_DestroyImage(i);
    for (int i = 0; i < SLOT_COUNT; ++i)
        PLR_DestroyTextWindow(i);
    PumpDialogMessages();
    PLR_SetTTFontSize(8, 16);
    for (int code : {2, 4, 6})
        PLR_DrawTTChar(code);
    textCursorX = textCursorY = textLeftMargin = 0;
    plr_tttc = 0xFFFFFF;
}

int AdvanceOf(wchar_t character) {
    HDC context = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(context, imageTextFont);
    ABC abc = {};
    int advance = 0;
    if (GetCharABCWidthsW(context, character, character, &abc))
        advance = abc.abcA + static_cast<int>(abc.abcB) + abc.abcC;
    else
        GetCharWidth32W(context, character, character, &advance);
    SelectObject(context, old);
    DeleteDC(context);
    return advance;
}

LOGFONTW CurrentFont() {
    LOGFONTW font = {};
    GetObjectW(imageTextFont, sizeof font, &font);
    return font;
}

WT_CASE(TrueTypeTextLandsInItsCellInTheTextColour) {
    Reset();
    WT_REQUIRE(PLR_CreateImage(0, "text", 0, 0, 200, 100, 100) == 0);
    plr_tttc = 0x00FF00;
    textCursorX = 10;
    textCursorY = 40;
    PLR_DrawTTChar('H');
    int advance = AdvanceOf(L'H');
    WT_CHECK(advance > 0);
    WT_CHECK_EQ(textCursorX, 10 + advance);
    WT_CHECK_EQ(textCursorY, 40);
    int inside = 0, outside = 0, wrongColour = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x) {
            ColorValue p = pixels32[0][y * 200 + x] & 0xFFFFFF;
            if (p == 0) continue;
            bool inCell = x >= 10 && x < 10 + advance && y >= 40 - 16 + 1 && y <= 40;
            (inCell ? inside : outside)++;
            wrongColour += p != 0x00FF00;
        }
    WT_CHECK(inside > 0);
    WT_CHECK_EQ(outside, 0);
    WT_CHECK_EQ(wrongColour, 0);
    Reset();
}

WT_CASE(ControlCodesChangeTheFontAndTheLine) {
    Reset();
    WT_REQUIRE(PLR_CreateImage(0, "codes", 0, 0, 200, 100, 100) == 0);
    for (int code : {1, 3, 5})
        PLR_DrawTTChar(code);
    LOGFONTW font = CurrentFont();
    WT_CHECK(font.lfItalic != 0);
    WT_CHECK_EQ(static_cast<int>(font.lfWeight), 700);
    WT_CHECK(font.lfUnderline != 0);
    WT_CHECK(wcscmp(font.lfFaceName, L"\uFF2D\uFF33 \u30B4\u30B7\u30C3\u30AF") == 0);
    for (int code : {2, 4, 6})
        PLR_DrawTTChar(code);
    font = CurrentFont();
    WT_CHECK(font.lfItalic == 0);
    WT_CHECK_EQ(static_cast<int>(font.lfWeight), 400);
    WT_CHECK(font.lfUnderline == 0);

    textLeftMargin = 5;
    textCursorX = 50;
    textCursorY = 20;
    PLR_DrawTTChar(10);
    WT_CHECK_EQ(textCursorX, 5);
    WT_CHECK_EQ(textCursorY, 36);
    PLR_DrawTTChar(7); // other control codes: nothing
    WT_CHECK_EQ(textCursorX, 5);

    PLR_SetTTFontSize(20, 30);
    font = CurrentFont();
    WT_CHECK_EQ(static_cast<int>(font.lfHeight), 30);
    WT_CHECK_EQ(static_cast<int>(font.lfWidth), 10);
    PLR_DrawTTChar(10);
    WT_CHECK_EQ(textCursorY, 66);
    Reset();
}

// Run with the Japanese code page: a lead byte and its trail byte are one character.
WT_CASE(DoubleByteStringAdvancesByWholeCharacters) {
    Reset();
    WT_REQUIRE(GetACP() == 932);
    WT_REQUIRE(PLR_CreateImage(0, "kana", 0, 0, 300, 100, 100) == 0);
    textCursorX = 0;
    textCursorY = 50;
    PLR_DrawTTString("A\x82\xa0"
                     "B");
    WT_CHECK_EQ(textCursorX, AdvanceOf(L'A') + AdvanceOf(0x3041) + AdvanceOf(L'B'));
    int before = textCursorX;
    PLR_DrawTTString("C\x82"); // a lead byte at the end ends the string
    WT_CHECK_EQ(textCursorX, before + AdvanceOf(L'C'));
    Reset();
}

// Run with a Western code page: bytes that are lead bytes in Japanese are letters of their own.
WT_CASE(SingleByteStringDrawsEveryCharacter) {
    Reset();
    WT_REQUIRE(GetACP() == 1252);
    WT_REQUIRE(PLR_CreateImage(0, "latin", 0, 0, 300, 100, 100) == 0);
    struct Case {
        const char* text;
        const wchar_t* characters;
    } cases[] = {{"caf\xe9", L"caf\u00e9"}, {"tr\xe8s", L"tr\u00e8s"}, {"\x81\x9f", L"\u0081\u0178"}};
    for (const Case& c : cases) {
        textCursorX = 0;
        textCursorY = 50;
        PLR_DrawTTString(c.text);
        int expected = 0;
        for (const wchar_t* p = c.characters; *p; ++p)
            expected += AdvanceOf(*p);
        WT_CHECK_EQ(textCursorX, expected);
    }
    PLR_DrawTTString(nullptr); // nothing to draw

    Reset();
}

WT_CASE(PixelReadoutPrintsItsLines) {
    Reset();
    WT_REQUIRE(PLR_CreateImage(0, "probe", 0, 0, 40, 30, 100) == 0);
    pixels32[0][20 * 40 + 10] = 0xFFFFFF;
    PrintPixelReadout(0, 10, 20);
    WT_REQUIRE(IsOpenTextWindow(0));
    WT_CHECK_EQ(textWindows[0].cursorY, 7 * textWindows[0].cellHeight); // six lines and a blank one
    Reset();
    WT_REQUIRE(PLR_CreateImage8(0, "grey", 0, 0, 40, 30, 100) == 0);
    PrintPixelReadout(0, 1, 1);
    WT_CHECK_EQ(textWindows[0].cursorY, 3 * textWindows[0].cellHeight);
    Reset();
}

} // namespace
