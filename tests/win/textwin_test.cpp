// Text windows under Wine, from the program thread: what lands in the back buffer, read back as
// pixels, and what the table and the windows say.
#include "imageops/color_order.h"
#include "textwin/text_windows_win.h"
#include "tests/win/wintest.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"

#include <vector>

namespace {

void CloseAllTextWindows() {
    for (int i = 0; i < SLOT_COUNT; ++i)
        PLR_DestroyTextWindow(i);
    PumpDialogMessages();
}

ColorValue PixelAt(const TextWindowSlot& slot, int x, int y) { return SwapRedBlue(GetPixel(slot.memoryDC, x, y)); }

// The colours found in a block of the back buffer.
std::vector<ColorValue> ColorsIn(const TextWindowSlot& slot, int left, int top, int width, int height) {
    std::vector<ColorValue> found;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) {
            ColorValue c = PixelAt(slot, x, y);
            bool seen = false;
            for (ColorValue f : found)
                seen = seen || f == c;
            if (!seen) found.push_back(c);
        }
    return found;
}

std::vector<ColorValue> Block(const TextWindowSlot& slot, int left, int top, int width, int height) {
    std::vector<ColorValue> pixels;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            pixels.push_back(PixelAt(slot, x, y));
    return pixels;
}

bool Contains(const std::vector<ColorValue>& colors, ColorValue c) {
    for (ColorValue f : colors)
        if (f == c) return true;
    return false;
}

RECT ClientRectOnScreen(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return client;
}

WT_CASE(OpenMakesTheWindowThePartSays) {
    CloseAllTextWindows();
    WT_CHECK_EQ(PLR_OpenTextWindow(2, 100, 120, 200, 100), 0);
    const TextWindowSlot& slot = textWindows[2];
    WT_REQUIRE(slot.inUse == 1);
    WT_CHECK_EQ(currentTextWindow, 2);
    wchar_t text[64];
    GetClassNameW(slot.window, text, 64);
    WT_CHECK(wcscmp(text, L"plr_twi") == 0);
    GetWindowTextW(slot.window, text, 64);
    WT_CHECK(wcscmp(text, L"TextWindow 2") == 0);
    WT_CHECK(GetWindow(slot.window, GW_OWNER) == shell.mainWindow);
    LONG_PTR style = GetWindowLongPtrW(slot.window, GWL_STYLE);
    WT_CHECK((style & (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME)) == (WS_CAPTION | WS_SYSMENU | WS_THICKFRAME));
    WT_CHECK((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD)) == 0);
    RECT outer, client;
    GetWindowRect(slot.window, &outer);
    GetClientRect(slot.window, &client);
    WT_CHECK_EQ(outer.left, 100);
    WT_CHECK_EQ(outer.top, 120);
    WT_CHECK_EQ(client.right, 200);
    WT_CHECK_EQ(client.bottom, 100);
    WT_CHECK_EQ(slot.width, 200);
    WT_CHECK_EQ(slot.height, 100);
    TEXTMETRICW metrics;
    HDC probe = CreateCompatibleDC(nullptr);
    SelectObject(probe, GetStockObject(OEM_FIXED_FONT));
    GetTextMetricsW(probe, &metrics);
    DeleteDC(probe);
    WT_CHECK_EQ(slot.cellWidth, static_cast<int>(metrics.tmAveCharWidth));
    WT_CHECK_EQ(slot.cellHeight, static_cast<int>(metrics.tmHeight));
    WT_CHECK_EQ(slot.textColor, 0xFFFFFFu);
    WT_CHECK_EQ(slot.backColor, 0u);
    WT_CHECK_EQ(slot.textColorStack[7], 0xFFFFFFu);
    WT_CHECK_EQ(slot.logState, 0);
    WT_CHECK(ColorsIn(slot, 0, 0, 200, 100) == std::vector<ColorValue>{0}); // a black back buffer

    // Opening again: 1, current again, neither moved nor resized.
    PLR_OpenTextWindow(3, -1, -1, -1, -1);
    WT_CHECK_EQ(currentTextWindow, 3);
    WT_CHECK_EQ(textWindows[3].width, 400);
    WT_CHECK_EQ(textWindows[3].height, 300);
    WT_CHECK_EQ(PLR_OpenTextWindow(2, 300, 300, 50, 50), 1);
    WT_CHECK_EQ(currentTextWindow, 2);
    RECT again;
    GetWindowRect(slot.window, &again);
    WT_CHECK(EqualRect(&again, &outer));
    CloseAllTextWindows();
}

WT_CASE(GlyphCellsLandWhereTheLayoutSays) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(1, 0, 0, 400, 300) == 0);
    const TextWindowSlot& slot = textWindows[1];
    int cw = slot.cellWidth, ch = slot.cellHeight;
    PLR_Printf("a\nb");
    WT_CHECK_EQ(slot.cursorX, cw);
    WT_CHECK_EQ(slot.cursorY, ch);
    WT_CHECK(Contains(ColorsIn(slot, 0, 0, cw, ch), 0xFFFFFF));  // a
    WT_CHECK(Contains(ColorsIn(slot, 0, ch, cw, ch), 0xFFFFFF)); // b
    WT_CHECK(ColorsIn(slot, cw, 0, 400 - cw, ch) == std::vector<ColorValue>{0});
    WT_CHECK(ColorsIn(slot, cw, ch, 400 - cw, 300 - ch) == std::vector<ColorValue>{0});

    // Fifty cells of 8 pixels fill a 400-pixel line exactly; the next character wraps.
    int perLine = 400 / cw;
    PLR_Printf("\n%s", std::string(perLine, 'W').c_str());
    WT_CHECK_EQ(slot.cursorX, perLine * cw);
    WT_CHECK_EQ(slot.cursorY, 2 * ch);
    PLR_Printf("W");
    WT_CHECK_EQ(slot.cursorX, cw);
    WT_CHECK_EQ(slot.cursorY, 3 * ch);
    WT_CHECK(Contains(ColorsIn(slot, 0, 3 * ch, cw, ch), 0xFFFFFF));
    CloseAllTextWindows();
}

WT_CASE(PushedColoursColourTheCells) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(1, 0, 0, 400, 300) == 0);
    const TextWindowSlot& slot = textWindows[1];
    int cw = slot.cellWidth, ch = slot.cellHeight;
    PLR_PushTextColor(0xFF0000, 0x0000FF); // red on blue: GDI must get them swapped
    PLR_Printf("XY");
    std::vector<ColorValue> colors = ColorsIn(slot, 0, 0, 2 * cw, ch);
    WT_CHECK_EQ(colors.size(), 2u);
    WT_CHECK(Contains(colors, 0xFF0000));
    WT_CHECK(Contains(colors, 0x0000FF));
    WT_CHECK(ColorsIn(slot, 2 * cw, 0, cw, ch) == std::vector<ColorValue>{0}); // beyond the run
    PLR_PopTextColor();
    PLR_Printf("Z");
    colors = ColorsIn(slot, 2 * cw, 0, cw, ch);
    WT_CHECK(Contains(colors, 0xFFFFFF));
    WT_CHECK(!Contains(colors, 0x0000FF));
    CloseAllTextWindows();
}

WT_CASE(ScrollMovesUpOneLineAndClearsToBlack) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(1, 0, 0, 200, 100) == 0);
    TextWindowSlot& slot = textWindows[1];
    int ch = slot.cellHeight;
    // Three lines' height: lines sit at rows 0 and ch; the line feed after the second scrolls.
    SetWindowPos(slot.window, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    RECT outer = {0, 0, 200, 3 * ch};
    AdjustWindowRect(&outer, GetWindowLongPtrW(slot.window, GWL_STYLE), FALSE);
    SetWindowPos(slot.window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER);
    WT_REQUIRE(slot.height == 3 * ch);
    PLR_PushTextColor(0xFFFFFF, 0x0000FF); // cells on blue, so a black strip is the fill, not a cell
    PLR_Printf("1\n2");
    std::vector<ColorValue> secondLine = Block(slot, 0, ch, 200, ch);
    std::vector<ColorValue> firstLine = Block(slot, 0, 0, 200, ch);
    WT_CHECK(secondLine != firstLine);
    PLR_Printf("\n");
    WT_CHECK_EQ(slot.cursorY, ch);
    WT_CHECK(Block(slot, 0, 0, 200, ch) == secondLine); // moved up exactly one line
    WT_CHECK(ColorsIn(slot, 0, ch, 200, 2 * ch) == std::vector<ColorValue>{0});
    PLR_Printf("3");
    WT_CHECK(Contains(ColorsIn(slot, 0, ch, slot.cellWidth, ch), 0x0000FF));
    CloseAllTextWindows();
}

WT_CASE(ResizeClearsAndHomesTheCursor) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(1, 0, 0, 200, 100) == 0);
    TextWindowSlot& slot = textWindows[1];
    PLR_PushTextColor(0x00FF00, 0x0000FF);
    PLR_Printf("hello\nworld");
    SetWindowPos(slot.window, nullptr, 0, 0, 320, 200, SWP_NOMOVE | SWP_NOZORDER);
    RECT client;
    GetClientRect(slot.window, &client);
    WT_CHECK_EQ(slot.width, static_cast<int>(client.right));
    WT_CHECK_EQ(slot.height, static_cast<int>(client.bottom));
    WT_CHECK_EQ(slot.cursorX, 0);
    WT_CHECK_EQ(slot.cursorY, 0);
    WT_CHECK(ColorsIn(slot, 0, 0, slot.width, slot.height) == std::vector<ColorValue>{0});
    WT_CHECK_EQ(GetTextColor(slot.memoryDC), SwapRedBlue(0x00FF00)); // the colours carry over
    WT_CHECK_EQ(GetBkColor(slot.memoryDC), SwapRedBlue(0x0000FF));

    // Minimised: the size message says 0 x 0; the buffer and the text stay.
    PLR_Printf("kept");
    int width = slot.width, cursorX = slot.cursorX;
    ShowWindow(slot.window, SW_MINIMIZE);
    PumpDialogMessages();
    WT_CHECK_EQ(slot.width, width);
    WT_CHECK_EQ(slot.cursorX, cursorX);
    ShowWindow(slot.window, SW_RESTORE);
    CloseAllTextWindows();
}

WT_CASE(NinePushesThenNinePopsLeaveTheFirstPushedPair) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(4, 0, 0, 200, 100) == 0);
    for (ColorValue i = 1; i <= 9; ++i)
        PLR_PushTextColor(0x110000 * i, 0x11 * i);
    for (int i = 0; i < 9; ++i)
        PLR_PopTextColor();
    WT_CHECK_EQ(textWindows[4].textColor, 0x110000u);
    WT_CHECK_EQ(textWindows[4].backColor, 0x11u);
    WT_CHECK_EQ(GetTextColor(textWindows[4].memoryDC), SwapRedBlue(0x110000));
    WT_CHECK_EQ(GetBkColor(textWindows[4].memoryDC), SwapRedBlue(0x11));
    CloseAllTextWindows();
}

WT_CASE(OutputWithNoWindowOpenDoesNothing) {
    CloseAllTextWindows();
    PLR_Printf("nobody listens %d\n", 42);
    PLR_PushTextColor(1, 2);
    PLR_PopTextColor();
    WT_CHECK_EQ(LowestOpenTextWindow(), -1);
    WT_CHECK(FindWindowW(L"plr_twi", nullptr) == nullptr);
    WT_CHECK_EQ(PLR_SelectTextWindow(0), 1);
    WT_CHECK_EQ(PLR_SelectTextWindow(256), 1);
    WT_CHECK_EQ(PLR_DestroyTextWindow(-1), 1);
}

WT_CASE(NoFormatOrNoBufferDoesNothing) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(1, 0, 0, 200, 100) == 0);
    PLR_Printf(nullptr);
    PLR_ReadLine(nullptr);
    WT_CHECK_EQ(textWindows[1].cursorX, 0);
    WT_CHECK_EQ(runState.lineInputOwner.load(), 0);
    CloseAllTextWindows();
}

WT_CASE(DestroyingTheCurrentWindowSelectsTheLowestOpen) {
    CloseAllTextWindows();
    for (int index : {3, 7, 5})
        WT_REQUIRE(PLR_OpenTextWindow(index, 0, 0, 100, 50) == 0);
    WT_CHECK_EQ(currentTextWindow, 5);
    WT_CHECK_EQ(PLR_DestroyTextWindow(5), 0);
    WT_CHECK_EQ(currentTextWindow, 3);
    WT_CHECK_EQ(PLR_DestroyTextWindow(7), 0); // not current: current stays
    WT_CHECK_EQ(currentTextWindow, 3);
    WT_CHECK_EQ(PLR_DestroyTextWindow(3), 0); // none left: the index stays
    WT_CHECK_EQ(currentTextWindow, 3);
    WT_CHECK_EQ(PLR_DestroyTextWindow(3), 1);
}

WT_CASE(RepaintCopiesTheBackBuffer) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(1, 50, 50, 200, 100) == 0);
    const TextWindowSlot& slot = textWindows[1];
    PLR_PushTextColor(0xFFFF00, 0xFF00FF);
    PLR_Printf("Paint");
    UpdateWindow(slot.window);
    HDC screen = GetDC(nullptr);
    RECT client = ClientRectOnScreen(slot.window);
    int same = 0, total = 0;
    for (int y = 0; y < slot.cellHeight; ++y)
        for (int x = 0; x < 5 * slot.cellWidth; ++x, ++total)
            same += SwapRedBlue(GetPixel(screen, client.left + x, client.top + y)) == PixelAt(slot, x, y);
    ReleaseDC(nullptr, screen);
    WT_CHECK_EQ(same, total);
    CloseAllTextWindows();
}

WT_CASE(CloseBoxClosesTheSlot) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(6, 0, 0, 100, 50) == 0);
    WT_REQUIRE(PLR_OpenTextWindow(2, 0, 0, 100, 50) == 0);
    HWND window = textWindows[2].window;
    PostMessageW(window, WM_CLOSE, 0, 0);
    PumpDialogMessages();
    WT_CHECK_EQ(textWindows[2].inUse, 0);
    WT_CHECK(!IsWindow(window));
    WT_CHECK_EQ(currentTextWindow, 6);
    CloseAllTextWindows();
}

WT_CASE(WindowThatCannotBeMadeLeavesNothingBehind) {
    CloseAllTextWindows();
    WT_REQUIRE(PLR_OpenTextWindow(1, 0, 0, 100, 50) == 0);
    int result = PLR_OpenTextWindow(9, 0, 0, 200000, 200000); // far too large a back buffer
    WT_CHECK(result != 0 && result != 1);
    WT_CHECK_EQ(textWindows[9].inUse, 0);
    WT_CHECK_EQ(currentTextWindow, 1);
    WT_CHECK(FindWindowW(L"plr_twi", L"TextWindow 9") == nullptr);
    WT_CHECK_EQ(PLR_OpenTextWindow(256, 0, 0, 10, 10), 2);
    CloseAllTextWindows();
}

} // namespace
