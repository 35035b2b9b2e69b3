#include "textwin/text_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records what the layout asks to draw, in order: "run 'ab' at 0,12" and "scroll 276 clear 276".
struct Recorder {
    std::vector<std::string> ops;
    TextLayoutSink sink{this, DrawRun, Scroll};

    static void DrawRun(void* context, const wchar_t* run, int count, int x, int y) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += run[i] < 0x80 ? static_cast<char>(run[i]) : '#';
        static_cast<Recorder*>(context)->ops.push_back("run '" + text + "' at " + std::to_string(x) + "," +
                                                       std::to_string(y));
    }
    static void Scroll(void* context, int copyHeight, int clearTop) {
        static_cast<Recorder*>(context)->ops.push_back("scroll " + std::to_string(copyHeight) + " clear " +
                                                       std::to_string(clearTop));
    }
};

TextWindowSlot Window(int width, int height, int cellWidth, int cellHeight, int cursorX = 0, int cursorY = 0) {
    TextWindowSlot slot = {};
    slot.inUse = 1;
    slot.width = width;
    slot.height = height;
    slot.cellWidth = cellWidth;
    slot.cellHeight = cellHeight;
    slot.cursorX = cursorX;
    slot.cursorY = cursorY;
    return slot;
}

struct LayoutCase {
    const char* what;
    TextWindowSlot slot;
    std::wstring text;
    std::vector<std::string> ops;
    int cursorX, cursorY;
};

TEST(LayOutText, Cases) {
    const std::wstring fifty(50, L'x');
    const LayoutCase cases[] = {
        {"a line feed b", Window(400, 300, 8, 12), L"a\nb", {"run 'a' at 0,0", "run 'b' at 0,12"}, 8, 12},
        {"fifty cells fit in 400 pixels",
         Window(400, 300, 8, 12),
         fifty,
         {"run '" + std::string(50, 'x') + "' at 0,0"},
         400,
         0},
        {"the fifty-first wraps",
         Window(400, 300, 8, 12),
         fifty + L"y",
         {"run '" + std::string(50, 'x') + "' at 0,0", "run 'y' at 0,12"},
         8,
         12},
        {"a two-cell character crossing the edge moves whole",
         Window(400, 300, 8, 12, 392),
         L"\u3042",
         {"run '#' at 0,12"},
         16,
         12},
        {"a two-cell character ending on the edge fits",
         Window(400, 300, 8, 12, 384),
         L"\u3042",
         {"run '#' at 384,0"},
         400,
         0},
        {"the run continues from the cursor", Window(400, 300, 8, 12, 80, 24), L"cd", {"run 'cd' at 80,24"}, 96, 24},
        {"a trailing line feed homes the cursor", Window(400, 300, 8, 12, 16), L"ab\n", {"run 'ab' at 16,0"}, 0, 12},
        {"a lone line feed draws nothing", Window(400, 300, 8, 12, 40, 12), L"\n", {}, 0, 24},
        {"control codes other than line feed are glyphs",
         Window(400, 300, 8, 12),
         L"a\tb\r",
         {"run 'a\tb\r' at 0,0"},
         32,
         0},
        {"the line at 276 is the last before a scroll",
         Window(400, 300, 8, 12, 0, 264),
         L"\nz",
         {"run 'z' at 0,276"},
         8,
         276},
        {"the first scroll happens at 288",
         Window(400, 300, 8, 12, 0, 276),
         L"\nz",
         {"scroll 276 clear 276", "run 'z' at 0,276"},
         8,
         276},
        {"wrapping at the bottom scrolls too",
         Window(16, 36, 8, 12, 0, 12),
         L"abcd",
         {"run 'ab' at 0,12", "scroll 12 clear 12", "run 'cd' at 0,12"},
         16,
         12},
        {"empty text changes nothing", Window(400, 300, 8, 12, 24, 36), L"", {}, 24, 36},
    };
    for (const LayoutCase& c : cases) {
        TextWindowSlot slot = c.slot;
        Recorder recorder;
        LayOutText(&slot, c.text.c_str(), &recorder.sink);
        EXPECT_EQ(recorder.ops, c.ops) << c.what;
        EXPECT_EQ(slot.cursorX, c.cursorX) << c.what;
        EXPECT_EQ(slot.cursorY, c.cursorY) << c.what;
    }
}

TEST(ScrollIfNeeded, MovesOneLineOnlyWhenTheNextLineWouldReachTheBottom) {
    struct Case {
        int cursorY, scrolled, cursorAfter;
    } cases[] = {{276, 0, 276}, {287, 0, 287}, {288, 1, 276}, {300, 1, 288}};
    for (const Case& c : cases) {
        TextWindowSlot slot = Window(400, 300, 8, 12, 0, c.cursorY);
        Recorder recorder;
        EXPECT_EQ(ScrollIfNeeded(&slot, &recorder.sink), c.scrolled) << c.cursorY;
        EXPECT_EQ(slot.cursorY, c.cursorAfter) << c.cursorY;
        EXPECT_EQ(recorder.ops.size(), static_cast<size_t>(c.scrolled));
    }
}

TEST(CharacterCells, OneBelow0x80TwoAbove) {
    EXPECT_EQ(CharacterCells(L'A'), 1);
    EXPECT_EQ(CharacterCells(0x7F), 1);
    EXPECT_EQ(CharacterCells(0x80), 2);
    EXPECT_EQ(CharacterCells(0xFF76), 2); // half-width katakana still takes two cells here
}

} // namespace
