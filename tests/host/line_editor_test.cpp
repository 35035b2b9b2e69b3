#include "textwin/key_queue.h"
#include "textwin/line_editor.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace {

// Records the drawing the editor asks for: "cell 'a' at 0,0 x1", "caret 1", "scroll", "invalidate".
struct Recorder {
    std::vector<std::string> ops;
    TextLayoutSink scroll{this, DrawRun, Scroll};
    LineEditorSink sink{this, DrawCells, DrawCaret, InvalidateAll, &scroll};

    static Recorder* Of(void* context) { return static_cast<Recorder*>(context); }
    static void DrawCells(void* context, wchar_t c, int x, int y, int cells) {
        std::string glyph = c == 0x3000 ? "IDEOSPACE" : c < 0x80 ? std::string(1, static_cast<char>(c)) : "#";
        Of(context)->ops.push_back("cell '" + glyph + "' at " + std::to_string(x) + "," + std::to_string(y) + " x" +
                                   std::to_string(cells));
    }
    static void DrawCaret(void* context, int phase) { Of(context)->ops.push_back("caret " + std::to_string(phase)); }
    static void InvalidateAll(void* context) { Of(context)->ops.push_back("invalidate"); }
    static void DrawRun(void*, const wchar_t*, int, int, int) {}
    static void Scroll(void* context, int, int) { Of(context)->ops.push_back("scroll"); }
};

TextWindowSlot Window(int width, int height, int cursorX = 0, int cursorY = 0) {
    TextWindowSlot window = {};
    window.inUse = 1;
    window.width = width;
    window.height = height;
    window.cellWidth = 8;
    window.cellHeight = 12;
    window.cursorX = cursorX;
    window.cursorY = cursorY;
    return window;
}

// Types keys as the reading loop passes them on: '\b' deletes, anything else is inserted.
void Type(LineEditor* editor, TextWindowSlot* window, const std::wstring& keys, Recorder* recorder) {
    for (wchar_t key : keys) {
        if (key == L'\b')
            DeleteLineCharacter(editor, window, &recorder->sink);
        else
            InsertLineCharacter(editor, window, key, &recorder->sink);
    }
}

TEST(LineEditor, KeySequences) {
    struct Case {
        const char* what;
        TextWindowSlot window;
        std::wstring keys;
        std::wstring line;
        int cursorX, cursorY, rows;
    } cases[] = {
        {"a b backspace c", Window(400, 300), L"ab\bc", L"ac", 16, 0, 0},
        {"backspace on an empty line does nothing", Window(400, 300, 40, 24), L"\b\b", L"", 40, 24, 0},
        {"control characters are inserted like letters", Window(400, 300),
         L"\x1b"
         L"a",
         L"\x1b"
         L"a",
         16, 0, 0},
        {"25 cells fill a 200-pixel row and the caret moves on at once", Window(200, 300), std::wstring(25, L'x'),
         std::wstring(25, L'x'), 0, 12, 1},
        {"backspace there goes back onto the 25th cell", Window(200, 300), std::wstring(25, L'x') + L"\b",
         std::wstring(24, L'x'), 192, 0, 0},
        {"24 cells leave room for the caret", Window(200, 300), std::wstring(24, L'x'), std::wstring(24, L'x'), 192, 0,
         0},
        {"a two-cell character that does not fit moves whole", Window(200, 300, 192), L"\u3042", L"\u3042", 16, 12, 1},
        {"deleting it returns the cursor where it stood", Window(200, 300, 192), L"\u3042\b", L"", 192, 0, 0},
        {"a two-cell character ending on the edge fits, then wraps", Window(200, 300, 184), L"\u3042", L"\u3042", 0, 12,
         1},
        {"...and is deleted back onto its cells", Window(200, 300, 184), L"\u3042\b", L"", 184, 0, 0},
        {"one ending a cell before the edge leaves the caret room", Window(200, 300, 176), L"\u3042", L"\u3042", 192, 0,
         0},
        {"a prompt before the line", Window(200, 300, 48, 36), L"hi\b\b\b", L"", 48, 36, 0},
    };
    for (const Case& c : cases) {
        TextWindowSlot window = c.window;
        LineEditor editor;
        StartLineEditor(&editor, window);
        Recorder recorder;
        Type(&editor, &window, c.keys, &recorder);
        EXPECT_EQ(std::wstring(editor.line, editor.length), c.line) << c.what;
        EXPECT_EQ(window.cursorX, c.cursorX) << c.what;
        EXPECT_EQ(window.cursorY, c.cursorY) << c.what;
        EXPECT_EQ(editor.rows, c.rows) << c.what;
    }
}

TEST(LineEditor, The256thCharacterIsIgnoredAndBackspaceStillWorks) {
    TextWindowSlot window = Window(4000, 300);
    LineEditor editor;
    StartLineEditor(&editor, window);
    Recorder recorder;
    Type(&editor, &window, std::wstring(256, L'z'), &recorder);
    EXPECT_EQ(editor.length, 255);
    EXPECT_EQ(window.cursorX, 255 * 8);
    Type(&editor, &window, L"\b", &recorder);
    EXPECT_EQ(editor.length, 254);
    EXPECT_EQ(window.cursorX, 254 * 8);
}

TEST(LineEditor, DrawsTheCharacterThenTheCaret) {
    TextWindowSlot window = Window(200, 300);
    LineEditor editor;
    StartLineEditor(&editor, window);
    Recorder recorder;
    Type(&editor, &window, L"a\b", &recorder);
    std::vector<std::string> expected = {"cell 'a' at 0,0 x1", "caret 1", "cell ' ' at 8,0 x1"};
    EXPECT_EQ(recorder.ops, expected);

    recorder.ops.clear();
    window.cursorX = 192;
    Type(&editor, &window, L"\u3042\b", &recorder);
    expected = {"cell ' ' at 192,0 x1", "cell '#' at 0,12 x2", "caret 1", "cell ' ' at 16,12 x1",
                "cell 'IDEOSPACE' at 0,12 x2"};
    EXPECT_EQ(recorder.ops, expected);
}

TEST(LineEditor, WrappingOnTheLastRowScrollsAndRepaints) {
    TextWindowSlot window = Window(12, 36, 0, 24);
    LineEditor editor;
    StartLineEditor(&editor, window);
    Recorder recorder;
    Type(&editor, &window, L"a", &recorder); // 0 + 8 > 12 - 8: wraps at once
    EXPECT_EQ(window.cursorY, 24);
    std::vector<std::string> expected = {"cell 'a' at 0,24 x1", "scroll", "invalidate", "caret 1"};
    EXPECT_EQ(recorder.ops, expected);
    Type(&editor, &window, L"\b", &recorder);
    EXPECT_EQ(window.cursorX, 0);
    EXPECT_EQ(window.cursorY, 12) << "back onto the row that moved up";
}

TEST(LineEditor, ANarrowWindowBreaksTwicePerCharacterWithoutOverflow) {
    TextWindowSlot window = Window(8, 100000);
    LineEditor editor;
    StartLineEditor(&editor, window);
    Recorder recorder;
    Type(&editor, &window, std::wstring(300, L'\u3042'), &recorder);
    EXPECT_EQ(editor.length, 255);
    EXPECT_LE(editor.rows, LINE_MAX_ROW_BREAKS);
    Type(&editor, &window, std::wstring(300, L'\b'), &recorder);
    EXPECT_EQ(editor.length, 0);
}

// A prompt that ends at the right edge leaves no cell for the caret: the line starts on the next row,
// and backspace stops at its start.
TEST(LineEditor, APromptThatFillsItsRowPutsTheLineOnTheNext) {
    struct Case {
        const char* what;
        int cursorX, height;
        int lineX, lineY;
        bool scrolls;
    } cases[] = {
        {"exactly at the edge", 200, 300, 0, 12, false},
        {"less than a cell left", 196, 300, 0, 12, false},
        {"one cell left", 192, 300, 192, 0, false},
        {"on the last row", 200, 24, 0, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TextWindowSlot window = Window(200, c.height, c.cursorX, 0);
        LineEditor editor;
        StartLineEditor(&editor, window);
        Recorder recorder;
        KeepRoomForTheCaret(&window, &recorder.sink);
        EXPECT_EQ(window.cursorX, c.lineX);
        EXPECT_EQ(window.cursorY, c.lineY);
        EXPECT_EQ(!recorder.ops.empty() && recorder.ops[0] == "scroll", c.scrolls);
        Type(&editor, &window, L"ab\b\b\b", &recorder);
        EXPECT_EQ(window.cursorX, c.lineX);
        EXPECT_EQ(window.cursorY, c.lineY);
        EXPECT_EQ(editor.rows, 0);
    }
}

// A resize clears the window and homes its cursor: the line is laid out again, with its rows
// counted for the new width, so backspacing all of it ends at the home position.
TEST(LineEditor, ALineLaidOutAgainAfterAResizeDeletesBackToTheStart) {
    TextWindowSlot window = Window(40, 300);
    LineEditor editor;
    StartLineEditor(&editor, window);
    Recorder recorder;
    Type(&editor, &window, L"abcdefghijkl", &recorder); // five per row in 40 pixels: two breaks
    EXPECT_EQ(editor.rows, 2);
    window.width = 200;
    window.cursorX = window.cursorY = 0;
    RelayLine(&editor, &window, &recorder.sink);
    EXPECT_EQ(editor.rows, 0);
    EXPECT_EQ(editor.length, 12);
    EXPECT_EQ(window.cursorX, 96);
    EXPECT_EQ(window.cursorY, 0);
    Type(&editor, &window, std::wstring(12, L'\b'), &recorder);
    EXPECT_EQ(window.cursorX, 0);
    EXPECT_EQ(window.cursorY, 0);
    EXPECT_EQ(editor.length, 0);
}

TEST(KeyQueue, HoldsUpTo256UnitsInOrder) {
    while (TakeKey() != 0) {
    }
    for (int i = 0; i < 256; ++i)
        EXPECT_TRUE(QueueKey(static_cast<wchar_t>(L'A' + i % 26)));
    EXPECT_FALSE(QueueKey(L'!')) << "a full queue drops the unit";
    EXPECT_EQ(TakeKey(), L'A');
    EXPECT_TRUE(QueueKey(L'!'));
    for (int i = 1; i < 256; ++i)
        EXPECT_EQ(TakeKey(), static_cast<wchar_t>(L'A' + i % 26));
    EXPECT_EQ(TakeKey(), L'!');
    EXPECT_EQ(TakeKey(), 0);
}

TEST(KeyQueueWithThreads, ProducerAndConsumerOnTwoThreadsLoseNothing) {
    while (TakeKey() != 0) {
    }
    const int count = 200000;
    std::thread producer([] {
        for (int i = 0; i < count; ++i)
            while (!QueueKey(static_cast<wchar_t>(1 + i % 1000)))
                std::this_thread::yield();
    });
    int taken = 0, wrong = 0;
    while (taken < count) {
        wchar_t unit = TakeKey();
        if (unit == 0) continue;
        wrong += unit != static_cast<wchar_t>(1 + taken % 1000);
        ++taken;
    }
    producer.join();
    EXPECT_EQ(wrong, 0);
}

} // namespace
