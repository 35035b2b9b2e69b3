#include "shell/main_geometry.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

TEST(MainWindowPlacement, CentredAndRestingOnTheTaskbarEdge) {
    struct Case {
        int frameWidth, frameHeight, fullWidth, fullHeight, caption;
        int x, y;
    } cases[] = {
        {248, 77, 1280, 1005, 19, 516, 892},  // 1280 x 1024 with a 19-pixel caption
        {248, 77, 1024, 719, 19, 388, 606},   // 1024 x 768 with a taskbar
        {249, 77, 1280, 1005, 19, 515, 892},  // odd difference: halved with truncation
        {1300, 77, 1280, 1005, 19, -10, 892}, // wider than the screen: truncates toward zero
    };
    for (const Case& c : cases) {
        MainWindowPlacement p =
            ComputeMainWindowPlacement(c.frameWidth, c.frameHeight, c.fullWidth, c.fullHeight, c.caption);
        EXPECT_EQ(p.x, c.x);
        EXPECT_EQ(p.y, c.y);
        EXPECT_EQ(p.width, c.frameWidth);
        EXPECT_EQ(p.height, c.frameHeight);
        // After the bounce the bottom edge rests at full-screen height + caption height.
        EXPECT_EQ(p.y + BOUNCE_DROP + p.height, c.fullHeight + c.caption);
    }
}

TEST(MainWindowPlacement, BounceTravelsExactlyTheDrop) {
    EXPECT_EQ(std::accumulate(bounceOffsets, bounceOffsets + BOUNCE_STEPS, 0), BOUNCE_DROP);
    EXPECT_EQ(bounceOffsets[0], 1);
    EXPECT_EQ(bounceOffsets[10], -6);
    EXPECT_EQ(bounceOffsets[BOUNCE_STEPS - 1], 3);
}

} // namespace
