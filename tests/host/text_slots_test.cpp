#include "textwin/text_slots.h"

#include <gtest/gtest.h>

namespace {

TEST(ColorStack, NinePushesThenNinePopsLeaveTheFirstPushedPair) {
    TextWindowSlot slot = {};
    slot.textColor = 0xFFFFFF;
    slot.backColor = 0x000000;
    FillColorStacks(&slot);
    for (ColorValue i = 1; i <= 9; ++i)
        PushColorPair(&slot, 0x100000 * i, i);
    EXPECT_EQ(slot.textColor, 0x900000u);
    for (int i = 0; i < 9; ++i)
        PopColorPair(&slot);
    EXPECT_EQ(slot.textColor, 0x100000u);
    EXPECT_EQ(slot.backColor, 1u);
    PopColorPair(&slot); // popping more keeps returning the oldest saved pair
    EXPECT_EQ(slot.textColor, 0x100000u);
}

TEST(ColorStack, PopRestoresInReverseOrder) {
    TextWindowSlot slot = {};
    slot.textColor = 0xFFFFFF;
    FillColorStacks(&slot);
    PushColorPair(&slot, 0xFF0000, 0x0000FF);
    PushColorPair(&slot, 0x00FF00, 0x000000);
    PopColorPair(&slot);
    EXPECT_EQ(slot.textColor, 0xFF0000u);
    EXPECT_EQ(slot.backColor, 0x0000FFu);
    PopColorPair(&slot);
    EXPECT_EQ(slot.textColor, 0xFFFFFFu);
    EXPECT_EQ(slot.backColor, 0u);
}

TEST(TextWindowTable, FindsOpenWindowsOnly) {
    HWND__* handle = reinterpret_cast<HWND__*>(0x1234);
    textWindows[7] = {};
    textWindows[7].window = handle;
    EXPECT_EQ(FindTextWindow(handle), -1);
    textWindows[7].inUse = 1;
    EXPECT_EQ(FindTextWindow(handle), 7);
    EXPECT_EQ(LowestOpenTextWindow(), 7);
    EXPECT_TRUE(IsOpenTextWindow(7));
    EXPECT_FALSE(IsOpenTextWindow(256));
    EXPECT_FALSE(IsOpenTextWindow(-1));
    textWindows[7] = {};
    EXPECT_EQ(LowestOpenTextWindow(), -1);
}

} // namespace
