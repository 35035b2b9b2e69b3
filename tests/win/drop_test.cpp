// Pictures dropped on the main window or named on its command line, and the main popup menu,
// driven from another process.
#include "tests/win/probe_client.h"
#include "tests/win/win_input.h"
#include "tests/win/wintest.h"
#include "shell/command_ids.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring DropFolder() { return TempFolder() + L"plr drop\\"; }

std::wstring DataFile(const char* name) { return Wide(std::string(PLR_TEST_DATA_DIR) + name); }

// The drop folder: a.jpg, b.png, c.bmp, notes.txt and thin.bmp (1 x 4000: no zoom can show it).
void PrepareDropFolder() {
    std::wstring folder = DropFolder();
    CreateDirectoryW(folder.c_str(), nullptr);
    CopyFileW(DataFile("rocket_crop.jpg").c_str(), (folder + L"a.jpg").c_str(), FALSE);
    CopyFileW(DataFile("chelsea_crop.png").c_str(), (folder + L"b.png").c_str(), FALSE);
    CopyFileW(DataFile("wide_200x100.bmp").c_str(), (folder + L"c.bmp").c_str(), FALSE);
    CopyFileW(DataFile("SOURCES.txt").c_str(), (folder + L"notes.txt").c_str(), FALSE);
    WriteTestBmp(folder + L"thin.bmp", 1, 4000, [](int, int) { return 0x808080u; });
}

unsigned PpmChecksum(const char* name) {
    FILE* file = fopen((std::string(PLR_TEST_DATA_DIR) + name).c_str(), "rb");
    if (file == nullptr) return 0;
    int width = 0, height = 0, maxval = 0;
    std::vector<unsigned> pixels;
    if (fscanf(file, "P6 %d %d %d", &width, &height, &maxval) == 3 && fgetc(file) != EOF) {
        pixels.resize(static_cast<size_t>(width) * height);
        for (unsigned& p : pixels) {
            int r = fgetc(file), g = fgetc(file), b = fgetc(file);
            p = static_cast<unsigned>((r << 16) | (g << 8) | b);
        }
    }
    fclose(file);
    return PixelChecksum(pixels.data(), static_cast<int>(pixels.size()));
}

// The pixels of wide_200x100.bmp: red left half, blue right half, a green square at (40, 40).
unsigned WideBmpChecksum() {
    std::vector<unsigned> pixels(200 * 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            pixels[y * 200 + x] = (x >= 40 && x < 60 && y >= 40 && y < 60) ? 0x00FF00 : (x < 100 ? 0xFF0000 : 0x0000FF);
    return PixelChecksum(pixels.data(), static_cast<int>(pixels.size()));
}

std::string SlotLine(int slot, int width, int height, unsigned sum, const char* name) {
    char line[512];
    snprintf(line, sizeof line, "slot %d bits=32 w=%d h=%d sum=%08x name=%s", slot, width, height, sum, name);
    return line;
}

// The line without its checksum, for JPEG pictures whose decoding may differ by a few levels.
std::string WithoutSum(const std::string& line) {
    size_t at = line.find(" sum=");
    return at == std::string::npos ? line : line.substr(0, at) + line.substr(at + 14);
}

WT_CASE(DroppedPicturesOpenInTheLowestSlotsAtTheirOwnSize) {
    PrepareDropFolder();
    std::wstring folder = DropFolder();
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    WT_REQUIRE(DropOnProbe(probe, {folder + L"a.jpg", folder + L"b.png", folder + L"c.bmp"}));
    std::vector<std::string> slots = ProbeSlots(probe);
    WT_REQUIRE(slots.size() == 3u);
    WT_CHECK_EQ(WithoutSum(slots[0]), WithoutSum(SlotLine(0, 64, 48, 0, "000 a.jpg")));
    WT_CHECK_EQ(slots[1], SlotLine(1, 64, 48, PpmChecksum("chelsea_crop.ppm"), "001 b.png"));
    WT_CHECK_EQ(slots[2], SlotLine(2, 200, 100, WideBmpChecksum(), "002 c.bmp"));

    // Slots 0 to 2 in use: the next drop takes 3 and then 4 or higher.
    WT_REQUIRE(DropOnProbe(probe, {folder + L"c.bmp", folder + L"b.png"}));
    slots = ProbeSlots(probe);
    WT_REQUIRE(slots.size() == 5u);
    WT_CHECK_EQ(slots[3], SlotLine(3, 200, 100, WideBmpChecksum(), "003 c.bmp"));
    WT_CHECK_EQ(slots[4], SlotLine(4, 64, 48, PpmChecksum("chelsea_crop.ppm"), "004 b.png"));
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

WT_CASE(DroppedFilesThatAreNoPictureOrTooLargeAreSkipped) {
    PrepareDropFolder();
    std::wstring folder = DropFolder();
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    // The text file uses no slot; the picture no zoom can show uses slot 0 up, and the next file
    // tries the next slot.
    WT_REQUIRE(
        DropOnProbe(probe, {folder + L"notes.txt", folder + L"thin.bmp", folder + L"c.bmp", folder + L"missing.png"}));
    std::vector<std::string> slots = ProbeSlots(probe);
    WT_REQUIRE(slots.size() == 1u);
    WT_CHECK_EQ(slots[0], SlotLine(1, 200, 100, WideBmpChecksum(), "001 c.bmp"));
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

// A name the 8-bit code page cannot spell is opened through the volume's short name; the
// window's name shows what the code page makes of it.
WT_CASE(DroppedPictureNamedOutsideTheCodePageOpens) {
    PrepareDropFolder();
    std::wstring folder = DropFolder();
    std::wstring cat = folder + L"\u732B.png";
    CopyFileW((folder + L"b.png").c_str(), cat.c_str(), FALSE);
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    WT_REQUIRE(DropOnProbe(probe, {cat}));
    std::vector<std::string> slots = ProbeSlots(probe);
    WT_REQUIRE(slots.size() == 1u);
    WT_CHECK_EQ(slots[0], SlotLine(0, 64, 48, PpmChecksum("chelsea_crop.ppm"), "000 ?.png"));
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

WT_CASE(PicturesOnTheCommandLineOpenAsIfDropped) {
    PrepareDropFolder();
    std::wstring folder = DropFolder();
    CopyFileW((folder + L"b.png").c_str(), (folder + L"my photo.png").c_str(), FALSE);
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns", L"\"" + folder + L"my photo.png\" \"" + folder + L"notes.txt\""));
    // The main thread opens them once its message loop runs, which may be after the probe's set-up;
    // the slot is reported as soon as it exists, and its picture follows.
    std::string expected = SlotLine(0, 64, 48, PpmChecksum("chelsea_crop.ppm"), "000 my photo.png");
    std::vector<std::string> slots;
    WaitUntil([&] { return (slots = ProbeSlots(probe)).size() == 1u && slots[0] == expected; });
    WT_REQUIRE(slots.size() == 1u);
    WT_CHECK_EQ(slots[0], expected);
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

// The popup's items as "position id state text" lines.
std::vector<std::string> PopupItems(Probe& probe) {
    int before = CountLogLines(probe, "popup ");
    SendMessageW(probe.mainWindow, WM_PROBE_POPUP, 0, 0);
    std::vector<std::string> lines = LogLines(probe), items;
    int seen = 0;
    for (const std::string& line : lines)
        if (line.rfind("popup ", 0) == 0 && seen++ >= before) items.push_back(line.substr(6));
    return items;
}

std::vector<std::string> ExpectedPopup(int state) {
    char s[4];
    snprintf(s, sizeof s, "%d", state);
    std::string g = s;
    return {"0 1026 " + g + " Paste\tCtrl+V",
            "1 0 2048 ",
            "2 1001 " + g + " Start",
            "3 1003 0 Stop",
            "4 1002 0 E&xit",
            "5 0 2048 ",
            "6 1027 " + g + " Image Window",
            "7 1028 " + g + " Text Window",
            "8 1044 " + g + " Input Box",
            "9 1051 " + g + " Button Box",
            "10 0 2048 ",
            "11 1045 " + g + " &Window Info.\tCtrl+W"};
}

WT_CASE(PopupGreysWhatCannotRunNow) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    WT_CHECK(PopupItems(probe) == ExpectedPopup(0));
    SendMessageW(probe.mainWindow, WM_PROBE_SET_FLAGS, 1, 0); // a text window reads a line
    WT_CHECK(PopupItems(probe) == ExpectedPopup(MF_GRAYED | MF_DISABLED));
    SendMessageW(probe.mainWindow, WM_PROBE_SET_FLAGS, 0, 0);
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_START, 0);
    WT_REQUIRE(!WaitForLogLine(probe, "appmain begin").empty());
    WT_CHECK(PopupItems(probe) == ExpectedPopup(MF_GRAYED | MF_DISABLED));
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

// Start chosen while a drop waits for its requests would run the application on a black picture:
// it is ignored, and greyed in the popup, until the drop is done.
WT_CASE(StartDuringADropIsIgnoredAndGreyed) {
    PrepareDropFolder();
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    LogMark mark = MarkLog(probe);
    WT_REQUIRE(DropOnProbe(probe, {DropFolder() + L"b.png"}, WAIT_TIMEOUT_MS, PROBE_DROP_AND_START_TAG));
    std::vector<std::string> popup;
    for (const std::string& line : LinesSince(probe, mark))
        if (line.rfind("popup ", 0) == 0) popup.push_back(line.substr(6));
    WT_CHECK(popup == ExpectedPopup(MF_GRAYED | MF_DISABLED));
    WT_CHECK_EQ(ReportFlags(probe), std::string("flags start=0 running=0 stop=0 exit=0"));
    WT_CHECK_EQ(CountLogLines(probe, "appmain begin"), 0);
    std::vector<std::string> slots = ProbeSlots(probe);
    WT_REQUIRE(slots.size() == 1u);
    WT_CHECK_EQ(slots[0], SlotLine(0, 64, 48, PpmChecksum("chelsea_crop.ppm"), "000 b.png"));
    WT_CHECK(PopupItems(probe) == ExpectedPopup(0)); // and offered again afterwards
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

void RightClick(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT point = {client.right / 2, client.bottom - 4};
    ClientToScreen(window, &point);
    SendRightClick(point);
}

WT_CASE(RightClickShowsThePopupUnlessAPickWaits) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    SetWindowPos(probe.mainWindow, nullptr, 400, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER); // fully on the screen
    SendMessageW(probe.mainWindow, WM_PROBE_SET_FLAGS, 0, 1);                           // a pick waits for clicks
    LogMark mark = MarkLog(probe);
    RightClick(probe.mainWindow);
    // The click has been handled, and no menu is shown: a shown menu keeps its handler running.
    WT_REQUIRE(!WaitForLogLine(probe, "right click done", WAIT_TIMEOUT_MS, mark).empty());
    WT_CHECK(VisiblePopupMenu() == nullptr);

    SendMessageW(probe.mainWindow, WM_PROBE_SET_FLAGS, 0, 0);
    mark = MarkLog(probe);
    RightClick(probe.mainWindow);
    WT_CHECK(WaitUntil([] { return VisiblePopupMenu() != nullptr; }));
    WT_CHECK(WaitForLogLine(probe, "right click done", 0, mark).empty()); // still open
    SendKey(VK_ESCAPE);
    WT_CHECK(!WaitForLogLine(probe, "right click done", WAIT_TIMEOUT_MS, mark).empty());
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

} // namespace
