#include "boxes/button_box.h"
#include "boxes/button_layout.h"
#include "pelori.h"

#include <gtest/gtest.h>

namespace {

TEST(ButtonLayout, ClientSizeFromTheGrid) {
    GridSize size = ButtonBoxClientSize(2, 10, 98, 26);
    EXPECT_EQ(size.width, 208);
    EXPECT_EQ(size.height, 304);
    size = ButtonBoxClientSize(16, 16, 98, 26);
    EXPECT_EQ(size.width, 16 * 102 + 4);
}

TEST(ButtonLayout, ButtonSizeFromTheClient) {
    struct Case {
        int width, height, columns, rows, buttonWidth, buttonHeight;
    } cases[] = {
        {208, 304, 2, 10, 98, 26}, {308, 304, 2, 10, 148, 26},
        {9, 9, 2, 10, 0, 0},    // smaller than the gaps: the quotient is 0
        {16, 20, 3, 1, 0, 12},  // room for 4 pixels in 3 columns
        {0, 0, 1, 1, 1, 1},     // at least one pixel of room
        {100, 100, 0, 0, 0, 0}, // no grid: no division
    };
    for (const Case& c : cases) {
        GridSize size = ButtonSizeForClient(c.width, c.height, c.columns, c.rows);
        EXPECT_EQ(size.width, c.buttonWidth) << c.width << "x" << c.height;
        EXPECT_EQ(size.height, c.buttonHeight) << c.width << "x" << c.height;
    }
}

TEST(ButtonLayout, PositionsRowByRow) {
    GridSize p = ButtonPosition(0, 2, 98, 26);
    EXPECT_EQ(p.width, 4);
    EXPECT_EQ(p.height, 4);
    p = ButtonPosition(3, 2, 98, 26);
    EXPECT_EQ(p.width, 106);
    EXPECT_EQ(p.height, 34);
}

TEST(ButtonLayout, CellUnderAPointClampsToTheGrid) {
    struct Case {
        int x, y, cell;
    } cases[] = {
        {5, 5, 0},     {105, 5, 1},
        {150, 40, 3},  {400, 40, 3}, // right of the last column: the last column of that row
        {5, 1000, 18},               // below the last row
        {-20, -20, 0}, {103, 20, 1}, // the gap right of button 0 belongs to the next cell
    };
    for (const Case& c : cases)
        EXPECT_EQ(ButtonCellAt(c.x, c.y, 2, 10, 98, 26), c.cell) << c.x << "," << c.y;
    EXPECT_EQ(ButtonCellAt(50, 50, 3, 3, 0, 0), 8) << "buttons shrunk to nothing";
}

TEST(ButtonPresses, ReadOnceAndOnlyWhileOpen) {
    ButtonBox saved = buttonBox;
    buttonBox.window = reinterpret_cast<HWND__*>(0x10);
    buttonBox.count = 4;
    buttonBox.presses[3] = 2;
    EXPECT_EQ(PLR_GetButtonPress(3), 2);
    EXPECT_EQ(PLR_GetButtonPress(3), 0);
    buttonBox.presses[2] = 1;
    EXPECT_EQ(PLR_GetButtonPress(4), 0);
    EXPECT_EQ(PLR_GetButtonPress(-1), 0);
    buttonBox.window = nullptr;
    EXPECT_EQ(PLR_GetButtonPress(2), 0);
    buttonBox = saved;
}

} // namespace
