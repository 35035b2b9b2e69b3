// Picks under Wine: mouse messages sent to the picked window from another thread, in order, while
// the pick waits on the program thread.
#include "imageops/picks_win.h"
#include "imagewin/image_windows_win.h"
#include "tests/win/in_process.h"
#include "tests/win/win_input.h"
#include "tests/win/wintest.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"

#include <functional>
#include <string>
#include <vector>

namespace {

std::vector<uint32_t> Pixels(int slot) {
    const ImageSlot& s = imageSlots[slot];
    return std::vector<uint32_t>(pixels32[slot], pixels32[slot] + s.width * s.height);
}

void Paint(int slot) {
    const ImageSlot& s = imageSlots[slot];
    for (int i = 0; i < s.width * s.height; ++i)
        pixels32[slot][i] = 0x010203u * static_cast<uint32_t>(i % 83);
}

int Flag(const int& flag) { return *static_cast<const volatile int*>(&flag); }
bool Picking() { return runState.graphToolActive.load() == 1; }

// The client point that shows picture point p at the slot's zoom (rounded up, so that the window's
// client * 100 / zoom gives p back).
int Client(int slot, int p) { return (p * imageSlots[slot].zoom + 99) / 100; }

// A mouse message at a picture point of the slot's window, done once the pick has taken it.
InputStep Mouse(int slot, UINT message, int px, int py) {
    HWND window = imageSlots[slot].window;
    int x = Client(slot, px), y = Client(slot, py);
    const int* flag = message == WM_MOUSEMOVE     ? &pickState.movePending
                      : message == WM_LBUTTONDOWN ? &pickState.clickPending
                                                  : &pickState.cancelPending;
    // Sent, so that the flag is up when the call returns and "taken" cannot be seen too early.
    return {Picking, [=] { SendMessageW(window, message, 0, MAKELPARAM(x, y)); },
            [=] { return Flag(*flag) == 0 || !Picking(); }};
}

// Runs the pick on this thread while the steps are played from another.
int PickWith(std::vector<InputStep> steps, const std::function<int()>& pick) {
    InputPlayer player;
    StartInput(&player, std::move(steps));
    int result = pick();
    WT_CHECK(FinishInput(&player, PumpBriefly));
    return result;
}

WT_CASE(RectanglePickSortsTheCornersAndLeavesThePicture) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(1, "pick", 0, 0, 40, 30, 100) == 0);
    Paint(1);
    std::vector<uint32_t> before = Pixels(1);
    int x0 = -1, y0 = -1, x1 = -1, y1 = -1;
    int result = PickWith({Mouse(1, WM_MOUSEMOVE, 5, 5), Mouse(1, WM_LBUTTONDOWN, 30, 20),
                           Mouse(1, WM_MOUSEMOVE, 10, 8), Mouse(1, WM_LBUTTONDOWN, 4, 3)},
                          [&] { return PLR_PickRect(1, &x0, &y0, &x1, &y1); });
    WT_CHECK_EQ(result, 0);
    WT_CHECK_EQ(x0, 4);
    WT_CHECK_EQ(y0, 3);
    WT_CHECK_EQ(x1, 30);
    WT_CHECK_EQ(y1, 20);
    WT_CHECK(Pixels(1) == before);
    WT_CHECK_EQ(runState.graphToolActive.load(), 0);
    WT_CHECK_EQ(pickState.pickSlot, -1);
    CloseAllImages();
}

WT_CASE(RightClickCancelsOrAsksForTheFirstPointAgain) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(1, "pick", 0, 0, 40, 30, 100) == 0);
    Paint(1);
    std::vector<uint32_t> before = Pixels(1);
    int x0 = -1, y0 = -1, x1 = -1, y1 = -1;
    // Before the first point: cancelled, nothing picked.
    int result = PickWith({Mouse(1, WM_RBUTTONDOWN, 5, 5)}, [&] { return PLR_PickRect(1, &x0, &y0, &x1, &y1); });
    WT_CHECK_EQ(result, 1);
    WT_CHECK_EQ(x0 + y0 + x1 + y1, 0);
    WT_CHECK(Pixels(1) == before);
    // After it: the band goes, and the next click is the first point again.
    std::string prompt;
    result = PickWith({Mouse(1, WM_LBUTTONDOWN, 10, 10), Mouse(1, WM_MOUSEMOVE, 20, 20), Mouse(1, WM_MBUTTONDOWN, 0, 0),
                       Mouse(1, WM_LBUTTONDOWN, 2, 2), Mouse(1, WM_LBUTTONDOWN, 12, 14)},
                      [&] { return PLR_PickLine(1, &x0, &y0, &x1, &y1); });
    WT_CHECK_EQ(result, 0);
    WT_CHECK_EQ(x0, 2);
    WT_CHECK_EQ(y0, 2);
    WT_CHECK_EQ(x1, 12);
    WT_CHECK_EQ(y1, 14);
    WT_CHECK(Pixels(1) == before);
    // One-click picks with a band cancel at once, the band gone.
    result = PickWith({Mouse(1, WM_MOUSEMOVE, 7, 9), Mouse(1, WM_RBUTTONDOWN, 7, 9)},
                      [&] { return PLR_PickRow(1, &x0, &y0); });
    WT_CHECK_EQ(result, 1);
    WT_CHECK(Pixels(1) == before);
    CloseAllImages();
}

WT_CASE(CirclePointAndStopDuringAPick) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(1, "pick", 0, 0, 40, 30, 200) == 0);
    Paint(1);
    std::vector<uint32_t> before = Pixels(1);
    int x = -1, y = -1, radius = -1;
    int result =
        PickWith({Mouse(1, WM_LBUTTONDOWN, 10, 10), Mouse(1, WM_MOUSEMOVE, 15, 15), Mouse(1, WM_LBUTTONDOWN, 13, 14)},
                 [&] { return PLR_PickCircle(1, &x, &y, &radius); });
    WT_CHECK_EQ(result, 0);
    WT_CHECK_EQ(x, 10);
    WT_CHECK_EQ(y, 10);
    WT_CHECK_EQ(radius, 5); // (13, 14) is 3 right and 4 down
    WT_CHECK(Pixels(1) == before);
    // Stop while the band is on the picture: cancelled, the band erased.
    InputStep stop = {Picking, [] { runState.stopRequested = 1; }, [] { return !Picking(); }};
    result = PickWith({Mouse(1, WM_LBUTTONDOWN, 4, 4), Mouse(1, WM_MOUSEMOVE, 30, 30), stop},
                      [&] { return PLR_PickRect(1, &x, &y, &radius, &radius); });
    WT_CHECK_EQ(result, 1);
    WT_CHECK(Pixels(1) == before);
    WT_CHECK_EQ(PLR_PickPoint(256, &x, &y), 2);
    // The picked window closed during the pick: nothing more can come, the pick ends.
    HWND window = imageSlots[1].window;
    InputStep close = {Picking, [=] { SendMessageW(window, WM_CLOSE, 0, 0); }, [] { return !Picking(); }};
    WT_CHECK_EQ(PickWith({close}, [&] { return PLR_PickPoint(1, &x, &y); }), 1);
    WT_CHECK_EQ(imageSlots[1].inUse, 0);
    // A graph offered for the other depth does nothing.
    WT_REQUIRE(PLR_CreateImage8(2, "eight", 0, 0, 10, 10, 100) == 0);
    WT_CHECK_EQ(ShowGraph(2, GRAPH_RGB), 2);
    WT_CHECK_EQ(runState.graphToolActive.load(), 0);
    CloseAllImages();
}

WT_CASE(RowGraphPlotsTheProfileInTheFirstFreeSlot) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(1, "row", 0, 0, 10, 5, 100) == 0);
    for (int x = 0; x < 10; ++x)
        pixels32[1][2 * 10 + x] = x < 5 ? 0xFF0000 : 0x00FF00;
    int result = PickWith({Mouse(1, WM_MOUSEMOVE, 3, 2), Mouse(1, WM_LBUTTONDOWN, 3, 2)},
                          [] { return ShowGraph(1, GRAPH_RGB); });
    WT_CHECK_EQ(result, 0);
    WT_REQUIRE(imageSlots[0].inUse == 1);
    WT_CHECK_EQ(std::string(imageSlots[0].name), std::string("RGB(Y=2)"));
    WT_CHECK_EQ(imageSlots[0].width, 22);
    WT_CHECK_EQ(imageSlots[0].height, 128);
    WT_CHECK_EQ(pixels32[0][0 * 22 + 12] & 0xFFFFFF, 0xFF0000u);   // R = 255 at row 0
    WT_CHECK_EQ(pixels32[0][127 * 22 + 20] & 0xFFFFFF, 0x0000FFu); // B = 0 at row 127, plotted last
    CloseAllImages();
}

// With every slot in use the graph command still picks, then does nothing.
WT_CASE(AGraphWithNoFreeSlotPicksAndDoesNothing) {
    CloseAllImages();
    for (int slot = 0; slot < SLOT_COUNT; ++slot)
        WT_REQUIRE(PLR_CreateImage(slot, "full", 0, 0, 4, 4, 100) == 0);
    Paint(7);
    std::vector<uint32_t> before = Pixels(7);
    int result = PickWith({Mouse(7, WM_LBUTTONDOWN, 1, 1)}, [] { return ShowGraph(7, GRAPH_LINE_CRCB); });
    WT_CHECK_EQ(result, 2);
    WT_CHECK(Pixels(7) == before);
    CloseAllImages();
}

} // namespace
