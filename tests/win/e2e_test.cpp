// The stereo application end to end, driven as a user drives it: a picture dropped on the main
// window, key S, clicks on the button box, the file dialog answered; observed through the image
// slots' pixels, the windows and the text the application prints.
#include "tests/win/probe_client.h"
#include "tests/win/wintest.h"
#include "shell/command_ids.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

enum Buttons {
    MINUS = 0,
    PLUS = 1,
    V_MAP = 2,
    ANAGLYPH = 4,
    I_LACE1 = 6,
    SMOD_PLUS = 11,
    SMOD_MINUS = 10,
    SCORRECT_PLUS = 13,
    GAMMA_MINUS = 16,
    LOAD = 18,
    BREAK = 19
};

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }
std::wstring Picture(const char* name = "chelsea_crop.png") { return Wide(std::string(PLR_TEST_DATA_DIR) + name); }
// Strong colours, 200 wide: Start's shift is 3, so every change of shift or depth moves pixels.
const char* WIDE_PICTURE = "wide_200x100.bmp";

bool StartApplication(Probe& probe) {
    probe.executable = L"pelori_e2e.exe";
    return StartProbe(probe, "application") && !WaitForLogLine(probe, "printed Drop picture").empty();
}

// What the application printed since the mark, one entry per PLR_Printf.
std::vector<std::string> PrintedSince(const Probe& probe, LogMark mark) {
    std::vector<std::string> printed;
    for (const std::string& line : LinesSince(probe, mark))
        if (line.rfind("printed ", 0) == 0) printed.push_back(line.substr(8));
    return printed;
}

// A pass of the poll loop began after the mark: whatever came before it has been done.
bool WaitForPoll(const Probe& probe, LogMark mark) {
    return !WaitForLogLine(probe, "poll", WAIT_TIMEOUT_MS, mark).empty();
}

// A pass took the button's presses, and the next pass began: its action has run.
bool WaitForAction(const Probe& probe, LogMark mark, int button) {
    std::string press = "press " + std::to_string(button) + " ";
    return WaitUntil([&] {
        bool pressed = false;
        for (const std::string& line : LinesSince(probe, mark)) {
            if (line.rfind(press, 0) == 0) pressed = true;
            if (pressed && line == "poll") return true;
        }
        return false;
    });
}

bool StartWithPicture(Probe& probe, const char* picture = "chelsea_crop.png") {
    if (!DropOnProbe(probe, {Picture(picture)})) return false;
    LogMark mark = MarkLog(probe);
    PostKey(probe.mainWindow, 'S');
    return WaitForPoll(probe, mark);
}

// Waits until the run flags say the application is no longer running; returns the last report.
std::string WaitUntilNotRunning(Probe& probe) {
    std::string flags;
    WaitUntil([&] { return (flags = ReportFlags(probe)).find("running=0") != std::string::npos; });
    return flags;
}

// Slot checksums, from the probe's report.
std::map<int, std::string> Sums(Probe& probe) {
    std::map<int, std::string> sums;
    for (const std::string& line : ProbeSlots(probe)) {
        int slot = std::atoi(line.c_str() + 5);
        size_t at = line.find("sum=");
        sums[slot] = line.substr(at + 4, 8);
    }
    return sums;
}

HWND Button(Probe& probe, int index) {
    HWND box = FindWindowW(L"plr_bb", L"ButtonBox");
    DWORD owner = 0;
    GetWindowThreadProcessId(box, &owner);
    return owner == probe.process.dwProcessId ? GetDlgItem(box, 3000 + index) : nullptr;
}

// Clicks a button and waits until the poll loop has come round after its action; what the action
// printed, or "(no action)" when it never ran.
std::vector<std::string> Click(Probe& probe, int index) {
    LogMark mark = MarkLog(probe);
    PostMessageW(Button(probe, index), BM_CLICK, 0, 0);
    if (!WaitForAction(probe, mark, index)) return {"(no action)"};
    return PrintedSince(probe, mark);
}

std::vector<std::string> Texts(std::initializer_list<const char*> texts) {
    return std::vector<std::string>(texts.begin(), texts.end());
}

// Golden checksums of the slots after Start, checked once against an independent computation
// (tests/data/stereo_reference.py); PLR_UPDATE_GOLDEN=1 rewrites those of the cases that run.
std::string GoldenPath() { return std::string(PLR_TEST_DATA_DIR) + "e2e_golden.txt"; }

std::map<std::string, std::string> ReadGolden() {
    std::map<std::string, std::string> golden;
    FILE* file = fopen(GoldenPath().c_str(), "r");
    if (file == nullptr) return golden;
    char key[64], sum[16];
    while (fscanf(file, "%63s %15s", key, sum) == 2)
        golden[key] = sum;
    fclose(file);
    return golden;
}

// The five slots' checksums against the goldens named "<prefix>.picture" and so on.
void CheckGoldens(Probe& probe, const std::string& prefix) {
    std::map<int, std::string> sums = Sums(probe);
    const char* keys[] = {"picture", "depth", "result", "display", "S_correct"};
    std::map<std::string, std::string> golden = ReadGolden();
    if (getenv("PLR_UPDATE_GOLDEN") != nullptr) {
        for (int i = 0; i < 5; ++i)
            golden[prefix + "." + keys[i]] = sums[i];
        FILE* file = fopen(GoldenPath().c_str(), "w");
        for (const auto& entry : golden)
            fprintf(file, "%s %s\n", entry.first.c_str(), entry.second.c_str());
        fclose(file);
        printf("wrote %s\n", GoldenPath().c_str());
    }
    for (int i = 0; i < 5; ++i)
        WT_CHECK_EQ(sums[i], golden[prefix + "." + keys[i]]);
}

WT_CASE(StartMakesTheDepthMapTheViewPairAndTheAnaglyph) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartApplication(probe));
    LogMark mark = MarkLog(probe);
    WT_REQUIRE(StartWithPicture(probe));
    WT_CHECK(PrintedSince(probe, mark) == Texts({"S_map_modV\\n"}));

    SendMessageW(probe.mainWindow, WM_PROBE_WINDOWS, 0, 0);
    std::vector<std::string> windows;
    for (const std::string& line : LinesSince(probe, mark))
        if (line.rfind("window ", 0) == 0) windows.push_back(line.substr(0, line.find(" zoom")));
    WT_CHECK(windows == Texts({"window 0 x=216 y=140", "window 1 x=422 y=0", "window 2 x=0 y=308",
                               "window 3 x=500 y=50", "window 4 x=300 y=0"}));
    std::vector<std::string> slots = ProbeSlots(probe);
    WT_REQUIRE(slots.size() == 5u);
    const char* sizes[] = {"w=64 h=48", "w=64 h=48", "w=128 h=48", "w=64 h=48", "w=256 h=256"};
    const char* names[] = {"000 chelsea_crop.png", "depth", "result", "display", "S_correct"};
    for (int i = 0; i < 5; ++i) {
        WT_CHECK(slots[i].find(sizes[i]) != std::string::npos);
        WT_CHECK(slots[i].find(std::string("name=") + names[i]) != std::string::npos);
    }

    CheckGoldens(probe, "start");
    PostKey(probe.mainWindow, 'X');
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

// The sample photo, 451 wide: Start's shift is 7, so the view pair moves pixels by up to 6
// columns and fills the holes behind them.
WT_CASE(StartOnTheSamplePhotoMatchesItsGoldens) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartApplication(probe));
    WT_REQUIRE(StartWithPicture(probe, "..\\..\\samples\\chelsea.png"));
    std::vector<std::string> slots = ProbeSlots(probe);
    WT_REQUIRE(slots.size() == 5u);
    WT_CHECK(slots[0].find("w=451 h=300") != std::string::npos);
    WT_CHECK(slots[2].find("w=902 h=300") != std::string::npos);
    CheckGoldens(probe, "wide");
    PostKey(probe.mainWindow, 'X');
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

WT_CASE(ButtonsChangeWhatTheySayAndNothingElse) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartApplication(probe));
    WT_REQUIRE(StartWithPicture(probe, WIDE_PICTURE));
    std::map<int, std::string> before = Sums(probe);

    WT_CHECK(Click(probe, SMOD_PLUS) == Texts({"S_mod:10\\n"}));
    WT_CHECK(Click(probe, SMOD_PLUS) == Texts({"S_mod:10\\n"})); // at its limit
    WT_CHECK(Sums(probe) == before);

    WT_CHECK(Click(probe, PLUS) == Texts({"shift:4\\n"})); // Start set it to 200 / 64
    std::map<int, std::string> after = Sums(probe);
    WT_CHECK(after[2] != before[2]);
    WT_CHECK_EQ(after[1], before[1]);
    WT_CHECK_EQ(after[3], before[3]); // the display changes only on its own buttons
    for (int shift = 3; shift >= 0; --shift) {
        char expected[32];
        snprintf(expected, sizeof expected, "shift:%d\\n", shift);
        WT_CHECK(Click(probe, MINUS) == Texts({expected}));
    }
    WT_CHECK(Click(probe, MINUS) == Texts({"shift:0\\n"})); // at its limit

    before = Sums(probe);
    WT_CHECK(Click(probe, ANAGLYPH).empty());
    after = Sums(probe);
    WT_CHECK(after[3] != before[3]); // now without shift
    WT_CHECK_EQ(after[2], before[2]);
    before = after;
    Click(probe, I_LACE1);
    WT_CHECK(Sums(probe)[3] != before[3]);

    before = Sums(probe);
    WT_CHECK(Click(probe, SCORRECT_PLUS) == Texts({"S_correct:105\\n"}));
    after = Sums(probe);
    WT_CHECK(after[4] != before[4]);
    WT_CHECK_EQ(after[1], before[1]);
    WT_CHECK_EQ(after[2], before[2]);

    before = after;
    WT_CHECK(Click(probe, V_MAP) == Texts({"V_map\\n"}));
    after = Sums(probe);
    WT_CHECK(after[1] != before[1]);
    WT_CHECK_EQ(after[3], before[3]);
    WT_CHECK(Click(probe, GAMMA_MINUS) == Texts({"gamma:0.900000\\n"}));

    // Two clicks before the loop polls run the action once.
    LogMark mark = MarkLog(probe);
    PostMessageW(Button(probe, SMOD_MINUS), BM_CLICK, 0, 0);
    PostMessageW(Button(probe, SMOD_MINUS), BM_CLICK, 0, 0);
    WT_REQUIRE(WaitForAction(probe, mark, SMOD_MINUS));
    WT_CHECK_EQ(CountLinesSince(probe, mark, "press 10 count=2"), 1);
    WT_CHECK(PrintedSince(probe, mark) == Texts({"S_mod:9\\n"}));
    PostKey(probe.mainWindow, 'X');
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

std::wstring WriteBmp(const wchar_t* name, int width, int height, unsigned (*color)(int x, int y)) {
    std::wstring path = TempFolder() + name;
    WriteTestBmp(path, width, height, color);
    return path;
}

// A white 32 x 24 depth map: the nearest depth, on the depth window's top-left part only.
std::wstring WriteSmallDepthMap() {
    return WriteBmp(L"plr_depth_map.bmp", 32, 24, [](int, int) { return 0xFFFFFFu; });
}

std::string BlockSum(Probe& probe, int slot, int x, int y, int w, int h) {
    LogMark mark = MarkLog(probe);
    SendMessageW(probe.mainWindow, WM_PROBE_BLOCK, slot, x | y << 8 | w << 16 | static_cast<LPARAM>(h) << 24);
    for (const std::string& line : LinesSince(probe, mark))
        if (line.rfind("block ", 0) == 0) return line.substr(line.find("sum=") + 4);
    return "";
}

WT_CASE(LoadDrawsADepthMapFileOverTheTopLeftOfDepth) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartApplication(probe));
    // A dark gradient 256 wide: shift 4 after the load, and moved pixels differ from their neighbours.
    std::wstring picture = WriteBmp(L"plr_gradient.bmp", 256, 64, [](int x, int y) {
        return static_cast<unsigned>((x / 4) << 16 | (y * 2) << 8 | 20);
    });
    WT_REQUIRE(DropOnProbe(probe, {picture}));
    LogMark started = MarkLog(probe);
    PostKey(probe.mainWindow, 'S');
    WT_REQUIRE(WaitForPoll(probe, started));
    std::string rightBefore = BlockSum(probe, 1, 32, 0, 200, 64);
    std::string resultBefore = Sums(probe)[2];
    FileDialogAnswer answer;
    answer.title = L"Select depth_map file";
    answer.fileName = WriteSmallDepthMap();
    StartAnsweringFileDialog(&answer);
    LogMark mark = MarkLog(probe);
    PostMessageW(Button(probe, LOAD), BM_CLICK, 0, 0);
    WT_CHECK(FinishAnsweringFileDialog(&answer));
    WT_REQUIRE(WaitForAction(probe, mark, LOAD));
    std::vector<std::string> printed = PrintedSince(probe, mark);
    WT_REQUIRE(printed.size() == 1u);
    WT_CHECK_EQ(printed[0].substr(0, 6), std::string("load: "));
    WT_CHECK(printed[0].find("plr_depth_map.bmp\\n") != std::string::npos);
    std::vector<unsigned> white(32, 0xFFFFFF);
    unsigned whiteRow = PixelChecksum(white.data(), 32), expected = 0;
    for (int row = 0; row < 24; ++row)
        expected = expected * 31 + whiteRow;
    char expectedText[16];
    snprintf(expectedText, sizeof expectedText, "%08x", expected);
    WT_CHECK_EQ(BlockSum(probe, 1, 0, 0, 32, 24), std::string(expectedText));
    WT_CHECK_EQ(BlockSum(probe, 1, 32, 0, 200, 64), rightBefore); // the rest of the old map stays
    WT_CHECK(Sums(probe)[2] != resultBefore);                     // the views were remade
    PostKey(probe.mainWindow, 'X');
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

WT_CASE(BreakClosesTheFiveWindowsAndTheNextStartWorks) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartApplication(probe));
    WT_REQUIRE(StartWithPicture(probe));
    PostMessageW(Button(probe, BREAK), BM_CLICK, 0, 0);
    std::string flags = WaitUntilNotRunning(probe);
    WT_CHECK(flags.find("running=0") != std::string::npos);
    WT_CHECK(ProbeSlots(probe).empty());
    WT_CHECK((GetWindowLongPtrW(probe.mainWindow, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0);
    LogMark mark = MarkLog(probe);
    WT_REQUIRE(StartWithPicture(probe));
    WT_CHECK(PrintedSince(probe, mark) == Texts({"S_map_modV\\n"}));
    WT_CHECK_EQ(ProbeSlots(probe).size(), 5u);
    PostKey(probe.mainWindow, 'X');
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

WT_CASE(StopEndsTheRunWithItsWindowsOpen) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartApplication(probe));
    WT_REQUIRE(StartWithPicture(probe));
    PostKey(probe.mainWindow, 'C');
    std::string flags = WaitUntilNotRunning(probe);
    WT_CHECK_EQ(flags, std::string("flags start=0 running=0 stop=0 exit=0"));
    WT_CHECK_EQ(ProbeSlots(probe).size(), 5u);
    LogMark mark = MarkLog(probe);
    PostKey(probe.mainWindow, 'S'); // a later Start runs again on slot 0's picture
    WT_CHECK(WaitForPoll(probe, mark));
    WT_CHECK(PrintedSince(probe, mark) == Texts({"S_map_modV\\n"}));
    PostKey(probe.mainWindow, 'X');
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

WT_CASE(ExitDuringThePollLoopEndsTheThreadWithoutForce) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartApplication(probe));
    WT_REQUIRE(StartWithPicture(probe));
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
    std::string destroyed = WaitForLogLine(probe, "destroyed", 0);
    WT_CHECK(destroyed.find("thread_exit=0 ") != std::string::npos);
    WT_CHECK(destroyed.find("exitState=2 ") != std::string::npos);
    int elapsed = std::atoi(destroyed.c_str() + destroyed.find("exit_ms=") + 8);
    WT_CHECK(elapsed < 2000);
}

WT_CASE(StartWithoutAPictureAsksForOne) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartApplication(probe));
    PostKey(probe.mainWindow, 'S');
    HWND box = WaitForMessageBox(probe.process.dwProcessId, L"Pause");
    WT_REQUIRE(box != nullptr);
    WT_CHECK(MessageBoxText(box) == L"\u753B\u50CF\u3092\u30C9\u30E9\u30C3\u30B0\u3057\u3066\u4E0B\u3055\u3044");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    std::string flags = WaitUntilNotRunning(probe);
    WT_CHECK(flags.find("running=0") != std::string::npos);
    PostKey(probe.mainWindow, 'X');
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

} // namespace
