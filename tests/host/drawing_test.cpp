// Lines, rectangles, circles, the flood fill and built-in-font text on the current image.
#include "imageops/image_font.h"
#include "imagewin/image_slots.h"
#include "plr_imageops.h"
#include "tests/support/test_images.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

typedef std::vector<std::pair<int, int>> Points; // (x, y), listed row by row

// One image at a time in slot 0, the current image. Drawing state starts as at program start.
struct DrawingTest : testing::Test {
    static void Open(int bitDepth, int width, int height) {
        OpenTestImage(0, bitDepth, width, height);
        currentImage = 0;
    }
    std::vector<ColorValue> Snapshot() {
        std::vector<ColorValue> values;
        for (int y = 0; y < imageSlots[0].height; ++y)
            for (int x = 0; x < imageSlots[0].width; ++x)
                values.push_back(PLR_GetPixel(x, y));
        return values;
    }
    Points PointsWith(ColorValue value) {
        Points points;
        for (int y = 0; y < imageSlots[0].height; ++y)
            for (int x = 0; x < imageSlots[0].width; ++x)
                if (PLR_GetPixel(x, y) == value) points.push_back({x, y});
        return points;
    }
    void SetUp() override {
        CloseTestImages();
        penX = penY = 0;
        drawingColor = 0xFFFFFF;
        plr_tc = 0;
        textCursorX = textCursorY = textLeftMargin = 0;
    }
    void TearDown() override { CloseTestImages(); }
};

Points Sorted(Points points) {
    std::sort(points.begin(), points.end(), [](const std::pair<int, int>& a, const std::pair<int, int>& b) {
        return a.second != b.second ? a.second < b.second : a.first < b.first;
    });
    return points;
}

// ---- Lines and rectangles ----

TEST_F(DrawingTest, LinePoints) {
    struct Case {
        int x0, y0, x1, y1;
        Points expected;
    } cases[] = {
        {0, 0, 5, 2, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}}},
        {5, 2, 0, 0, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}, {5, 2}}},
        {0, 0, 2, 5, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}, {2, 5}}},
        {0, 5, 2, 0, {{0, 5}, {0, 4}, {1, 3}, {1, 2}, {2, 1}, {2, 0}}},
        {3, 3, 3, 3, {{3, 3}}},
        {2, 4, 2, 1, {{2, 1}, {2, 2}, {2, 3}, {2, 4}}},
        {-5, 1, 100, 1, {{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}}},
        {INT_MIN, 2, INT_MAX, 2, {{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}, {6, 2}, {7, 2}}},
        {-2, -2, 1, 1, {{0, 0}, {1, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.x0 << "," << c.y0 << ")-(" << c.x1 << "," << c.y1 << ")");
        Open(32, 8, 6);
        PLR_DrawLine(0x123456, c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(PointsWith(0x123456), Sorted(c.expected));
        EXPECT_EQ(penX, c.x1);
        EXPECT_EQ(penY, c.y1);
        PLR_DrawLineXor(c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(PointsWith(0x123456 ^ 0xFFFFFF), Sorted(c.expected));
    }
}

TEST_F(DrawingTest, RectOutlineInDrawingColourEndsAtTheFirstCorner) {
    Open(32, 6, 5);
    drawingColor = 0x00FF00;
    PLR_DrawRect(4, 3, 1, 1);
    EXPECT_EQ(PointsWith(0x00FF00),
              (Points{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 2}, {4, 2}, {1, 3}, {2, 3}, {3, 3}, {4, 3}}));
    EXPECT_EQ(penX, 4);
    EXPECT_EQ(penY, 3);
}

char BorderOrFill(ColorValue value) {
    if (value == 0xB) return 'b';
    return value == 0xF ? 'f' : '.';
}

TEST_F(DrawingTest, BoxFillsOnlyAnInsideAtLeastOnePixelWide) {
    struct Case {
        const char* name;
        int x0, y0, x1, y1;
        const char* expected; // 'b' border, 'f' fill, '.' untouched, rows of the 5 x 4 image
    } cases[] = {
        {"3 x 3", 0, 0, 2, 2, "bbb..|bfb..|bbb..|.....|"},
        {"width 1 apart", 3, 0, 4, 3, "...bb|...bb|...bb|...bb|"},
        {"height 1 apart", 0, 1, 4, 2, ".....|bbbbb|bbbbb|.....|"},
        {"corners swapped, partly outside", 6, 3, 1, -1, ".bfff|.bfff|.bfff|.bbbb|"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(32, 5, 4);
        PLR_DrawBox(c.x0, c.y0, c.x1, c.y1, 0xB, 0xF);
        EXPECT_EQ(ImageAsText(5, 4, BorderOrFill), c.expected);
    }
}

TEST_F(DrawingTest, XorRectInvertsEachOutlinePixelOnce) {
    Open(32, 6, 5);
    PLR_DrawRectXor(4, 3, 1, 1);
    EXPECT_EQ(PointsWith(0xFFFFFF),
              (Points{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 2}, {4, 2}, {1, 3}, {2, 3}, {3, 3}, {4, 3}}));
    Open(32, 6, 5);
    PLR_FillBoxXor(4, 3, 1, 1);
    EXPECT_EQ(PointsWith(0xFFFFFF).size(), 12u);
}

// ---- Circles ----

TEST_F(DrawingTest, CircleOfRadiusThree) {
    Open(32, 11, 11);
    PLR_DrawCircle(0x0000FF, 5, 5, 3);
    Points expected;
    int offsets[][2] = {{0, 3}, {0, -3}, {3, 0},  {-3, 0},  {1, 3}, {-1, 3}, {1, -3}, {-1, -3},
                        {3, 1}, {3, -1}, {-3, 1}, {-3, -1}, {2, 2}, {-2, 2}, {2, -2}, {-2, -2}};
    for (auto& d : offsets)
        expected.push_back({5 + d[0], 5 + d[1]});
    EXPECT_EQ(PointsWith(0x0000FF), Sorted(expected));
}

TEST_F(DrawingTest, XorCircleInvertsTheSamePixelsOnceEach) {
    for (int r : {1, 2, 3, 7, 12}) {
        SCOPED_TRACE(r);
        Open(32, 30, 30);
        PLR_DrawCircle(0xFFFFFF, 14, 15, r);
        Points plotted = PointsWith(0xFFFFFF);
        Open(32, 30, 30);
        PLR_DrawCircleXor(14, 15, r);
        EXPECT_EQ(PointsWith(0xFFFFFF), plotted);
    }
}

TEST_F(DrawingTest, FilledDiscSpansItsOutlineRowByRow) {
    Open(32, 11, 11);
    drawingColor = 0x808080;
    PLR_FillCircle(3, 5, 5);
    EXPECT_EQ(ImageAsText(11, 11, [](ColorValue value) { return value ? '#' : '.'; }),
              "...........|...........|....###....|...#####...|..#######..|..#######..|..#######..|"
              "...#####...|....###....|...........|...........|");
    for (int r : {1, 3, 6}) {
        SCOPED_TRACE(r);
        Open(32, 15, 15);
        PLR_FillCircle(r, 4, 9); // partly outside on the left
        Points filled = PointsWith(0x808080);
        Open(32, 15, 15);
        PLR_FillCircleXor(r, 4, 9);
        EXPECT_EQ(PointsWith(0xFFFFFF), filled);
    }
}

TEST_F(DrawingTest, ColourFormsOfRadiusZeroPlotTheCentre) {
    Open(32, 3, 3);
    PLR_DrawCircle(0x11, 1, 1, 0);
    EXPECT_EQ(PointsWith(0x11), (Points{{1, 1}}));
    Open(32, 3, 3);
    PLR_FillCircle(0, 1, 1);
    EXPECT_EQ(PointsWith(0xFFFFFF), (Points{{1, 1}}));
}

// ---- The XOR forms drawn twice restore the image ----

TEST_F(DrawingTest, XorShapesDrawnTwiceRestoreTheImage) {
    struct Case {
        const char* name;
        std::function<void()> draw;
        bool changes; // false where the first drawing already leaves the image as it was
    } cases[] = {
        {"line", [] { PLR_DrawLineXor(-3, 2, 20, 9); }, true},
        {"rect", [] { PLR_DrawRectXor(2, 3, 9, 8); }, true},
        {"rect, corners swapped", [] { PLR_DrawRectXor(9, 8, 2, 3); }, true},
        {"rect, zero width", [] { PLR_DrawRectXor(4, 1, 4, 9); }, true},
        {"rect, zero height", [] { PLR_DrawRectXor(1, 4, 9, 4); }, true},
        {"rect, one pixel", [] { PLR_DrawRectXor(5, 5, 5, 5); }, true},
        {"rect, partly outside", [] { PLR_DrawRectXor(-4, -4, 5, 30); }, true},
        {"box", [] { PLR_FillBoxXor(3, 2, 10, 7); }, true},
        {"box, partly outside", [] { PLR_FillBoxXor(-5, 8, 50, 20); }, true},
        {"circle r = 0", [] { PLR_DrawCircleXor(6, 6, 0); }, false},
        {"circle r = 1", [] { PLR_DrawCircleXor(6, 6, 1); }, true},
        {"circle r = 5", [] { PLR_DrawCircleXor(6, 6, 5); }, true},
        {"circle partly outside", [] { PLR_DrawCircleXor(1, 10, 8); }, true},
        {"disc r = 0", [] { PLR_FillCircleXor(0, 6, 6); }, false},
        {"disc r = 1", [] { PLR_FillCircleXor(1, 6, 6); }, true},
        {"disc r = 5", [] { PLR_FillCircleXor(5, 6, 6); }, true},
        {"disc partly outside", [] { PLR_FillCircleXor(8, 11, 0); }, true},
    };
    for (int bitDepth : {32, 8}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.name << ", " << bitDepth << " bits");
            Open(bitDepth, 13, 12);
            for (int y = 0; y < 12; ++y)
                for (int x = 0; x < 13; ++x)
                    PLR_PutPixel(x, y, 0xA5000000u + static_cast<ColorValue>(x * 19 + y * 7));
            std::vector<ColorValue> before = Snapshot();
            c.draw();
            EXPECT_EQ(Snapshot() != before, c.changes);
            c.draw();
            EXPECT_EQ(Snapshot(), before);
        }
    }
}

// ---- Flood fill ----

char FillOrWall(ColorValue value) {
    if (value == 0x00FF00) return 'f';
    return value == 1 ? '#' : '.';
}

TEST_F(DrawingTest, FloodFillStopsAtOtherValues) {
    Open(32, 7, 5);
    drawingColor = 0x00FF00;
    // A wall of 1s around the inside (2..4, 1..3); the outside stays as it is.
    PLR_DrawLine(1, 1, 0, 5, 0);
    PLR_DrawLine(1, 1, 4, 5, 4);
    PLR_DrawLine(1, 1, 0, 1, 4);
    PLR_DrawLine(1, 5, 0, 5, 4);
    PLR_FloodFill(3, 2);
    EXPECT_EQ(ImageAsText(7, 5, FillOrWall), ".#####.|.#fff#.|.#fff#.|.#fff#.|.#####.|");
}

TEST_F(DrawingTest, FloodFillDoesNothingWhereTheColourIsAlreadyThere) {
    struct Case {
        const char* name;
        int bitDepth;
        ColorValue pixel, color;
    } cases[] = {
        {"32-bit, same colour", 32, 0x123456, 0x123456},
        {"8-bit, low byte", 8, 0x56, 0x123456},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(c.bitDepth, 4, 3);
        FillTestImage(0, c.pixel);
        PLR_PutPixel(3, 2, 0x07);
        penX = penY = -9;
        drawingColor = c.color;
        PLR_FloodFill(1, 1);
        EXPECT_EQ(PointsWith(c.pixel).size(), 11u);
        EXPECT_EQ(penX, -9); // nothing drawn at all
    }
}

TEST_F(DrawingTest, FloodFillOfEightBitImagesWritesTheLowByte) {
    Open(8, 5, 2);
    PLR_PutPixel(2, 0, 9);
    drawingColor = 0x123456;
    PLR_FloodFill(0, 1);
    EXPECT_EQ(PointsWith(0x56).size(), 9u);
    EXPECT_EQ(PLR_GetPixel(2, 0), 9u);
}

TEST_F(DrawingTest, FloodFillOfAllOnesWordsStaysInside) {
    Open(32, 6, 4);
    FillTestImage(0, 0xFFFFFFFF);
    PLR_FloodFill(2, 2);
    EXPECT_EQ(PointsWith(0xFFFFFF).size(), 24u);
}

TEST_F(DrawingTest, FloodFillFromOutsideDoesNothing) {
    Open(32, 3, 3);
    PLR_FloodFill(-1, 1);
    PLR_FloodFill(1, 3);
    EXPECT_EQ(PointsWith(0).size(), 9u);
}

// A corridor on row 2 with a two-pixel tooth above and below every even column: the first run
// leaves one seed per tooth pending, far more than 4000.
TEST_F(DrawingTest, FloodFillCompletesRegionsNeedingManySeeds) {
    const int width = 8200;
    Open(32, width, 5);
    for (int x = 1; x < width; x += 2)
        for (int y : {0, 1, 3, 4})
            PLR_PutPixel(x, y, 1);
    drawingColor = 0x00FF00;
    PLR_FloodFill(width - 1, 2);
    EXPECT_EQ(PointsWith(0).size(), 0u);
    EXPECT_EQ(PointsWith(0x00FF00).size(), static_cast<size_t>(width + 4 * (width / 2)));
    // Seeds are taken last in, first out: the first tooth pushed, above column 0, is filled last.
    EXPECT_EQ(penX, 0);
    EXPECT_EQ(penY, 0);
}

// ---- Built-in-font text ----

TEST_F(DrawingTest, FontTable) {
    const uint8_t letterA[IMAGE_FONT_HEIGHT] = {0x00, 0x00, 0x18, 0x3C, 0x66, 0x66, 0x66,
                                                0x7E, 0x66, 0x66, 0x66, 0x00, 0x00, 0x00};
    EXPECT_EQ(std::vector<uint8_t>(letterA, letterA + IMAGE_FONT_HEIGHT),
              std::vector<uint8_t>(imageFontGlyphs['A' - 32], imageFontGlyphs['A' - 32] + IMAGE_FONT_HEIGHT));
    for (int code = 32; code < 128; ++code) {
        SCOPED_TRACE(code);
        const uint8_t* glyph = imageFontGlyphs[code - 32];
        int bits = 0, descender = 0;
        for (int row = 0; row < IMAGE_FONT_HEIGHT; ++row)
            bits |= glyph[row];
        for (int row = 11; row < IMAGE_FONT_HEIGHT; ++row)
            descender |= glyph[row];
        EXPECT_EQ(bits != 0, code != ' ');
        bool letterOrDigit =
            (code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
        bool descends = std::string("gjpqyQ").find(static_cast<char>(code)) != std::string::npos;
        if (letterOrDigit) {
            EXPECT_EQ(descender != 0, descends);
        }
    }
}

TEST_F(DrawingTest, CharacterAStandsOnTheBaseline) {
    Open(32, 30, 30);
    FillTestImage(0, 0x010101);
    plr_tc = 0xFF0000;
    textCursorX = 10;
    textCursorY = 20;
    PLR_DrawChar('A');
    Points expected;
    const uint8_t* glyph = imageFontGlyphs['A' - 32];
    for (int i = 0; i < 14; ++i)
        for (int j = 0; j < 8; ++j)
            if (glyph[i] & (0x80 >> j)) expected.push_back({10 + j, 6 + i});
    Points drawn = PointsWith(0xFF0000);
    EXPECT_EQ(drawn, Sorted(expected));
    EXPECT_EQ(drawn.front().second, 8);
    EXPECT_EQ(drawn.back().second, 16);
    EXPECT_EQ(PointsWith(0x010101).size(), 900u - drawn.size()); // unset bits leave the background
    EXPECT_EQ(textCursorX, 18);
    EXPECT_EQ(textCursorY, 20);
}

TEST_F(DrawingTest, CursorMovement) {
    struct Case {
        const char* name;
        int width, x, margin;
        const char* text;
        int expectedX, expectedY; // y starts at 20
    } cases[] = {
        {"wraps on a 20-pixel image", 20, 8, 3, "A", 3, 36},
        {"fits on a 24-pixel image", 24, 8, 3, "A", 16, 20},
        {"line feed", 40, 17, 5, "\n", 5, 36},
        {"space advances", 40, 0, 0, " ", 8, 20},
        {"control and high bytes ignored", 40, 4, 0, "\t\x01\x80\xC1\xFF", 4, 20},
        {"127 has a glyph", 40, 4, 0, "\x7F", 12, 20},
        {"string", 40, 0, 2, "AB\nC", 10, 36},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open(32, c.width, 40);
        textCursorX = c.x;
        textCursorY = 20;
        textLeftMargin = c.margin;
        PLR_DrawString(c.text);
        EXPECT_EQ(textCursorX, c.expectedX);
        EXPECT_EQ(textCursorY, c.expectedY);
    }
}

TEST_F(DrawingTest, PrintfDrawsTheFormattedText) {
    Open(32, 60, 20);
    plr_tc = 0xFFFFFF;
    textCursorY = 16;
    PLR_DrawString("x=42");
    std::vector<ColorValue> direct = Snapshot();
    Open(32, 60, 20);
    textCursorX = 0;
    textCursorY = 16;
    PLR_DrawPrintf("x=%d", 42);
    EXPECT_EQ(Snapshot(), direct);
    EXPECT_EQ(textCursorX, 32);
}

// On an image 8 pixels wide every character wraps, so y counts the characters drawn.
TEST_F(DrawingTest, PrintfCutsTextLongerThanItsBuffer) {
    Open(8, 8, 16);
    std::string longText(5000, 'x');
    PLR_DrawPrintf("%s", longText.c_str());
    EXPECT_EQ(textCursorY, (DRAW_PRINTF_CAPACITY - 1) * 16);
}

} // namespace
