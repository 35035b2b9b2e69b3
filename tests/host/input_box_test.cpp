// The input box's layout, its columns after a drag, and reading numbers from its values.
#include "boxes/input_box.h"
#include "shell/read_number.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(InputBoxLayout, ClientSizeAndRowCount) {
    GridSize size = InputBoxClientSize(3, INPUT_LABEL_WIDTH, INPUT_FIELD_WIDTH);
    EXPECT_EQ(size.width, 162);
    EXPECT_EQ(size.height, 86);
    struct Case {
        int asked, rows;
    } cases[] = {{0, 1}, {-4, 1}, {1, 1}, {30, 30}, {31, 30}, {INT_MAX, 30}};
    for (const Case& c : cases)
        EXPECT_EQ(ClampInputItems(c.asked), c.rows) << c.asked;
    EXPECT_EQ(InputRowAt(0), 0);
    EXPECT_EQ(InputRowAt(2 * 28 + 27), 2);
}

TEST(InputBoxLayout, TheDraggedSideDecidesWhichColumnFollows) {
    struct Case {
        const char* what;
        int edge, clientWidth;
        int labelWidth, fieldWidth;
    } cases[] = {
        {"right edge 20 wider", 2, 182, 80, 90},
        {"left edge 20 wider", SIZING_LEFT, 182, 100, 70},
        {"bottom-left corner", SIZING_BOTTOM_LEFT, 172, 90, 70},
        {"top-left corner", SIZING_TOP_LEFT, 152, 70, 70},
        {"bottom-right corner, far too narrow", 8, 10, 80, 1},
        {"left edge, far too narrow", SIZING_LEFT, 0, 1, 70},
    };
    for (const Case& c : cases) {
        InputBox box = {};
        box.labelWidth = INPUT_LABEL_WIDTH;
        box.fieldWidth = INPUT_FIELD_WIDTH;
        box.sizingEdge = c.edge;
        FitInputColumns(&box, c.clientWidth);
        EXPECT_EQ(box.labelWidth, c.labelWidth) << c.what;
        EXPECT_EQ(box.fieldWidth, c.fieldWidth) << c.what;
    }
}

TEST(ReadLeadingNumber, BlanksSignDigits) {
    struct Case {
        const char* text;
        int value;
    } cases[] = {{"12", 12},
                 {"  -7x", -7},
                 {"+3", 3},
                 {"\t42 apples", 42},
                 {"", 0},
                 {"abc", 0},
                 {"-", 0},
                 {"99999999999", INT_MAX},
                 {"-99999999999", INT_MIN},
                 {"2147483647", INT_MAX},
                 {"-2147483648", INT_MIN}};
    for (const Case& c : cases)
        EXPECT_EQ(ReadLeadingNumber(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(ReadLeadingNumber(nullptr), 0);
}

} // namespace
