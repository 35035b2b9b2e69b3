// The shell under Wine: real processes, driven through their windows with posted and sent
// messages and synthetic input, observed through windows, log lines and exit codes.
#include "tests/win/probe_client.h"
#include "tests/win/win_input.h"
#include "tests/win/wintest.h"
#include "shell/command_ids.h"
#include "shell/main_geometry.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

WT_CASE(MainWindowClassPlacementAndLook) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    HWND window = probe.mainWindow;
    WT_CHECK_EQ(WindowClassName(window), std::string("pelori_mw0"));
    WT_CHECK_EQ(WindowText(window), std::string("PELORI"));

    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    WT_CHECK((style & WS_CAPTION) == WS_CAPTION);
    WT_CHECK((style & WS_THICKFRAME) != 0);
    WT_CHECK((style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0);

    RECT frame = {0, 0, MAIN_CLIENT_WIDTH, GetSystemMetrics(SM_CYMENU) + MAIN_CLIENT_EXTRA_HEIGHT};
    AdjustWindowRect(&frame, WS_VISIBLE | WS_CAPTION | WS_THICKFRAME, FALSE);
    MainWindowPlacement created = ComputeMainWindowPlacement(
        frame.right - frame.left, frame.bottom - frame.top, GetSystemMetrics(SM_CXFULLSCREEN),
        GetSystemMetrics(SM_CYFULLSCREEN), GetSystemMetrics(SM_CYCAPTION));
    RECT rect;
    GetWindowRect(window, &rect);
    WT_CHECK_EQ(rect.left, created.x);
    WT_CHECK_EQ(rect.top, created.y + BOUNCE_DROP); // the bounce carried it down
    WT_CHECK_EQ(rect.right - rect.left, created.width);
    WT_CHECK_EQ(rect.bottom - rect.top, created.height);
    WT_CHECK_EQ(rect.left + rect.right,
                GetSystemMetrics(SM_CXFULLSCREEN) - (GetSystemMetrics(SM_CXFULLSCREEN) - created.width) % 2);
    RECT client;
    GetClientRect(window, &client);
    WT_CHECK_EQ(client.right, MAIN_CLIENT_WIDTH);

    SendMessageW(window, WM_PROBE_MENU, 0, 0);
    WT_CHECK_EQ(CountLogLines(probe, "menu "), 3);
    WT_CHECK_EQ(WaitForLogLine(probe, "menu 0", 0), std::string("menu 0 1001 0 Start(&S)"));
    WT_CHECK_EQ(WaitForLogLine(probe, "menu 1", 0), std::string("menu 1 1003 0 Stop(&C)"));
    WT_CHECK_EQ(WaitForLogLine(probe, "menu 2", 0), std::string("menu 2 1002 0 Exit(&X)"));

    HWND status = GetDlgItem(window, ID_STATUS_LINE);
    WT_REQUIRE(status != nullptr);
    WT_CHECK_EQ(WindowClassName(status), std::string("Static"));
    HDC screen = GetDC(nullptr);
    char depth[32];
    std::snprintf(depth, sizeof depth, "%d-bit color", GetDeviceCaps(screen, BITSPIXEL));
    ReleaseDC(nullptr, screen);
    WT_CHECK_EQ(WindowText(status), std::string(12, ' ') + depth);
    RECT statusRect;
    GetWindowRect(status, &statusRect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&statusRect), 2);
    WT_CHECK_EQ(statusRect.left, 0);
    WT_CHECK_EQ(statusRect.top, 6);
    WT_CHECK_EQ(statusRect.right - statusRect.left, 234);
    WT_CHECK_EQ(statusRect.bottom - statusRect.top, 20);
    WT_CHECK((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0);

    PostMessageW(window, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

// Drags the right edge of the frame with the mouse; the window keeps its size.
WT_CASE(DraggingTheFrameKeepsTheSize) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    HWND window = probe.mainWindow;
    SetWindowPos(window, nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER); // fully on the screen
    RECT before;
    GetWindowRect(window, &before);
    POINT edge = {before.right - 2, (before.top + before.bottom) / 2};
    WT_REQUIRE(MoveMouseTo(edge));
    LogMark mark = MarkLog(probe);
    SendMouseAt(edge, MOUSEEVENTF_LEFTDOWN);
    WT_REQUIRE(!WaitForLogLine(probe, "size move begins", WAIT_TIMEOUT_MS, mark).empty());
    SendMouseAt({edge.x + 40, edge.y}, 0);
    SendMouseAt({edge.x + 80, edge.y}, 0);
    SendMouseAt({edge.x + 80, edge.y}, MOUSEEVENTF_LEFTUP);
    WT_REQUIRE(!WaitForLogLine(probe, "size move ends", WAIT_TIMEOUT_MS, mark).empty());
    RECT after;
    GetWindowRect(window, &after);
    WT_CHECK_EQ(after.right - after.left, before.right - before.left);
    WT_CHECK_EQ(after.bottom - after.top, before.bottom - before.top);
    PostMessageW(window, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

WT_CASE(StartRunsAppMainOnceAndStopOnlyRaisesTheFlag) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    HWND window = probe.mainWindow;
    PostKey(window, 'S');
    PostKey(window, 'S');
    WT_REQUIRE(!WaitForLogLine(probe, "appmain begin").empty());
    // Sent, so the main window has handled it when the call returns: Start is ignored while AppMain runs.
    SendMessageW(window, WM_COMMAND, CMD_START, 0);
    WT_CHECK_EQ(ReportFlags(probe), std::string("flags start=0 running=1 stop=0 exit=0"));
    WT_CHECK_EQ(CountLogLines(probe, "appmain begin"), 1);

    PostKey(window, 'C');
    WT_REQUIRE(!WaitForLogLine(probe, "appmain end").empty());
    // The program thread clears running just after AppMain has returned.
    WT_CHECK_EQ(WaitForFlags(probe, "flags start=0 running=0 stop=0 exit=0"),
                std::string("flags start=0 running=0 stop=0 exit=0"));
    WT_CHECK((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0);

    SendMessageW(window, WM_COMMAND, CMD_STOP, 0); // outside AppMain: only the flag
    WT_CHECK_EQ(ReportFlags(probe), std::string("flags start=0 running=0 stop=1 exit=0"));
    WT_CHECK_EQ(CountLogLines(probe, "appmain begin"), 1);

    LogMark restart = MarkLog(probe);
    SendMessageW(window, WM_COMMAND, CMD_START, 0); // the next Start clears it
    WT_REQUIRE(!WaitForLogLine(probe, "appmain begin", WAIT_TIMEOUT_MS, restart).empty());
    WT_CHECK_EQ(CountLogLines(probe, "appmain begin"), 2);
    WT_CHECK_EQ(ReportFlags(probe), std::string("flags start=0 running=1 stop=0 exit=0"));
    WT_CHECK((GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) == 0);

    // Exit while AppMain returns in time: the thread ends with 0 and file drop stays off.
    PostKey(window, 'X');
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
    std::string destroyed = WaitForLogLine(probe, "destroyed", 0);
    WT_CHECK_EQ(LogNumber(destroyed, "thread_exit="), 0);
    WT_CHECK_EQ(LogNumber(destroyed, "exitState="), 2);
    WT_CHECK_EQ(LogNumber(destroyed, "running="), 1);
    WT_CHECK_EQ(LogNumber(destroyed, "accept_files="), 0);
    WT_CHECK(LogNumber(destroyed, "exit_ms=") < 2000); // within the exit limit, not waited out
}

WT_CASE(ExitWhileIdleEndsTheThreadWithZero) {
    struct Way {
        UINT message;
        WPARAM wParam;
    } ways[] = {{WM_COMMAND, CMD_EXIT}, {WM_KEYDOWN, VK_ESCAPE}};
    for (const Way& way : ways) {
        Probe probe;
        ProbeGuard guard{probe};
        WT_REQUIRE(StartProbe(probe, "returns"));
        PostMessageW(probe.mainWindow, way.message, way.wParam, 1);
        WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
        std::string destroyed = WaitForLogLine(probe, "destroyed", 0);
        WT_CHECK_EQ(LogNumber(destroyed, "thread_exit="), 0);
        WT_CHECK_EQ(LogNumber(destroyed, "exitState="), 2);
        WT_CHECK(LogNumber(destroyed, "exit_ms=") < 2000); // within the exit limit, not waited out
        WT_CHECK_EQ(CountLogLines(probe, "appmain begin"), 0);
    }
}

WT_CASE(ExitWhileAppMainNeverReturnsTerminatesAfter2000ms) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "forever"));
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_START, 0);
    WT_REQUIRE(!WaitForLogLine(probe, "appmain begin").empty());
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
    std::string destroyed = WaitForLogLine(probe, "destroyed", 0);
    WT_CHECK_EQ(LogNumber(destroyed, "thread_exit="), 1);
    WT_CHECK_EQ(LogNumber(destroyed, "exitState="), 2);
    int elapsed = LogNumber(destroyed, "exit_ms=");
    WT_CHECK(elapsed >= 2000 && elapsed < 3000);
}

// The application may set the image-text font's size in AppSetup: start-up makes the font before
// the program thread runs, so nothing resets it afterwards.
WT_CASE(AppSetupMaySetTheTrueTypeSize) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "font"));
    WT_REQUIRE(!WaitForLogLine(probe, "font set").empty());
    // Start-up goes on after the main window's creation; the main thread handles a sent message
    // only once its message loop runs.
    SendMessageW(probe.mainWindow, WM_PROBE_REPORT, 0, 0);
    LogMark mark = MarkLog(probe);
    SendMessageW(probe.mainWindow, WM_PROBE_FONT, 0, 0);
    WT_CHECK_EQ(WaitForLogLine(probe, "font", 0, mark), std::string("font height=30 width=10"));
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

// The reading loop ends through calls that wait on the main thread (the status line's text), so
// the exit sequence must handle what is sent to it while it waits for the program thread.
WT_CASE(ExitWhileALineIsReadEndsTheThreadWithoutForce) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "reads"));
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_START, 0);
    HWND status = GetDlgItem(probe.mainWindow, ID_STATUS_LINE);
    WT_REQUIRE(WaitUntil([&] { return WindowText(status).find("Input text") != std::string::npos; }));
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
    std::string destroyed = WaitForLogLine(probe, "destroyed", 0);
    WT_CHECK_EQ(LogNumber(destroyed, "thread_exit="), 0);
    WT_CHECK(LogNumber(destroyed, "exit_ms=") < 2000); // within the exit limit, not waited out
    WT_CHECK(!WaitForLogLine(probe, "read ended", 0).empty());
}

WT_CASE(RequestsUnderLoadLoseNoneAndNeverOverlap) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    SendMessageW(probe.mainWindow, WM_PROBE_LOAD, 0, 0);
    std::string load = WaitForLogLine(probe, "load", 0);
    WT_CHECK_EQ(LogNumber(load, "wrong="), 0);
    int nested = CountLogLines(probe, "nested");
    WT_CHECK_EQ(nested, PROBE_LOAD_REQUESTS / 2);
    WT_CHECK_EQ(CountLogLines(probe, "nested wrong=0"), nested);
    WT_CHECK_EQ(LogNumber(load, "served="), PROBE_LOAD_REQUESTS + nested);
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

// A request filed while AppMain runs waits; Exit chosen inside that wait must not leave the filer
// (and the process) waiting for a program thread that has ended.
WT_CASE(FilerGivesUpWhenExitIsChosenDuringItsWait) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_START, 0);
    WT_REQUIRE(!WaitForLogLine(probe, "appmain begin").empty());
    PostMessageW(probe.mainWindow, WM_PROBE_GIVE_UP, 0, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
    WT_CHECK_EQ(WaitForLogLine(probe, "filer returned", 0), std::string("filer returned 5"));
    WT_CHECK_EQ(LogNumber(WaitForLogLine(probe, "destroyed", 0), "thread_exit="), 0);
}

WT_CASE(CtrlWAndCtrlVPostTheirCommands) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    // The keys go to the main window only while it is in front (activation is asynchronous). Paste
    // comes first, with nothing to paste, so that no window comes to the front before Window Info,
    // which opens text window 0.
    WT_REQUIRE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    SetForegroundWindow(probe.mainWindow);
    WT_REQUIRE(WaitUntil([&] { return GetForegroundWindow() == probe.mainWindow; }));
    SendKey('V', true);
    WT_CHECK(!WaitForLogLine(probe, "command 1026").empty());
    SendKey('W', true);
    WT_CHECK(!WaitForLogLine(probe, "command 1045").empty());
    WT_CHECK_EQ(CountLogLines(probe, "appmain begin"), 0); // no plain W or V action
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

int CountWindows(const wchar_t* className, const wchar_t* title) {
    int count = 0;
    for (HWND w = FindWindowW(className, title); w != nullptr; w = FindWindowExW(nullptr, w, className, title))
        ++count;
    return count;
}

// The main window has text windows opened through a request; an open one is only brought up.
WT_CASE(TextWindowRequestsOpenOnceAtTheDefaultSize) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    SendMessageW(probe.mainWindow, WM_PROBE_TEXT_WINDOW, 4, 0);
    WT_CHECK_EQ(WaitForLogLine(probe, "text window", 0), std::string("text window served=1"));
    HWND text = FindWindowW(L"plr_twi", L"TextWindow 4");
    WT_REQUIRE(text != nullptr);
    DWORD owner = 0;
    GetWindowThreadProcessId(text, &owner);
    WT_CHECK_EQ(owner, probe.process.dwProcessId);
    RECT client;
    GetClientRect(text, &client);
    WT_CHECK_EQ(client.right, 400);
    WT_CHECK_EQ(client.bottom, 300);

    SetForegroundWindow(probe.mainWindow);
    WT_REQUIRE(WaitUntil([&] { return GetForegroundWindow() == probe.mainWindow; })); // activation is async
    SendMessageW(probe.mainWindow, WM_PROBE_TEXT_WINDOW, 4, 0);
    WT_CHECK_EQ(CountLogLines(probe, "text window served=0"), 1); // nothing filed
    WT_CHECK_EQ(CountWindows(L"plr_twi", L"TextWindow 4"), 1);
    WT_CHECK(WaitUntil([&] { return GetForegroundWindow() == text; }));

    SendMessageW(probe.mainWindow, WM_PROBE_TEXT_WINDOW, 256, 0); // filed and served, opens nothing
    WT_CHECK_EQ(CountLogLines(probe, "text window served=1"), 2);
    WT_CHECK_EQ(CountWindows(L"plr_twi", nullptr), 1);
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

WT_CASE(ImageRequestsCreateLoadAndRedraw) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    SendMessageW(probe.mainWindow, WM_PROBE_IMAGE_REQUESTS, 0, 0);
    WT_CHECK_EQ(WaitForLogLine(probe, "image", 0),
                std::string("image created=0 again=1 loaded=0 closed=2 changed=0 blank=0 current_kept=1"));
    HWND image = FindWindowW(L"plr_iw", nullptr); // raised to the minimum zoom, so the title varies
    WT_REQUIRE(image != nullptr);
    WT_CHECK_EQ(WindowText(image).substr(0, 4), std::string("req("));
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

// The main window's request replaces an open button box, where opening it directly would not.
WT_CASE(ButtonBoxRequestsReplaceTheBox) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    SendMessageW(probe.mainWindow, WM_PROBE_BUTTON_BOX, 2, 3);
    WT_CHECK_EQ(WaitForLogLine(probe, "button box", 0), std::string("button box served=1 buttons=6"));
    HWND first = FindWindowW(L"plr_bb", L"ButtonBox");
    WT_REQUIRE(first != nullptr);
    SendMessageW(probe.mainWindow, WM_PROBE_BUTTON_BOX, 3, 1);
    WT_CHECK_EQ(CountLogLines(probe, "button box served=1 buttons=3"), 1);
    HWND second = FindWindowW(L"plr_bb", L"ButtonBox");
    WT_CHECK(second != nullptr && second != first);
    WT_CHECK(!IsWindow(first));
    WT_CHECK_EQ(CountWindows(L"plr_bb", nullptr), 1);
    WT_CHECK(GetDlgItem(second, 3002) != nullptr);
    WT_CHECK(GetDlgItem(second, 3003) == nullptr);
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

// The main window's request replaces an open input box, with the rows it asks for (clamped).
WT_CASE(InputBoxRequestsReplaceTheBox) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    SendMessageW(probe.mainWindow, WM_PROBE_INPUT_BOX, 3, 0);
    WT_CHECK_EQ(WaitForLogLine(probe, "input box", 0), std::string("input box served=1 rows=3"));
    HWND first = FindWindowW(L"plr_ib", L"InputBox");
    WT_REQUIRE(first != nullptr);
    LogMark mark = MarkLog(probe);
    SendMessageW(probe.mainWindow, WM_PROBE_INPUT_BOX, 40, 0);
    WT_CHECK_EQ(WaitForLogLine(probe, "input box", 0, mark), std::string("input box served=1 rows=30"));
    WT_CHECK(!IsWindow(first));
    WT_CHECK_EQ(CountWindows(L"plr_ib", nullptr), 1);
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

// Types the answers of a main-window dialog into the probe's text window 0, each once the dialog
// has begun to read it: the reads are counted from the mark.
bool AnswerDialog(Probe& probe, LogMark mark, const std::vector<std::string>& answers) {
    for (size_t i = 0; i < answers.size(); ++i) {
        bool asked = WaitUntil([&] { return CountLinesSince(probe, mark, "read begins") > static_cast<int>(i); });
        // The read has begun; it takes keys once it has claimed the line.
        bool reading = asked && WaitUntil([&] {
                           LogMark before = MarkLog(probe);
                           SendMessageW(probe.mainWindow, WM_PROBE_LINE, 0, 0);
                           return WaitForLogLine(probe, "line owner=", 0, before) != "line owner=0";
                       });
        HWND text = FindWindowW(L"plr_twi", L"TextWindow 0");
        if (!reading || text == nullptr) return false;
        for (char c : answers[i] + "\r")
            PostMessageW(text, WM_CHAR, static_cast<WPARAM>(c), 1);
    }
    return true;
}

WT_CASE(ImageWindowDialogCreatesWhatTheAnswersSay) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    LogMark mark = MarkLog(probe);
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_IMAGE_WINDOW, 0);
    WT_REQUIRE(AnswerDialog(probe, mark, {"200", " 100", "8"}));
    WT_REQUIRE(WaitForLogLine(probe, "read ends 8", WAIT_TIMEOUT_MS, mark) == "read ends 8");
    std::vector<std::string> slots;
    WT_CHECK(WaitUntil([&] { return !(slots = ProbeSlots(probe)).empty(); }));
    WT_REQUIRE(slots.size() == 1u);
    WT_CHECK(slots[0].rfind("slot 0 bits=8 w=200 h=100 ", 0) == 0);
    WT_CHECK(slots[0].find("name=000") != std::string::npos);

    // A depth of 16 creates nothing; the dialog ends after its third answer.
    mark = MarkLog(probe);
    SendMessageW(probe.mainWindow, WM_PROBE_REPORT, 0, 0);
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_IMAGE_WINDOW, 0);
    WT_REQUIRE(AnswerDialog(probe, mark, {"10", "10", "16"}));
    WT_REQUIRE(!WaitForLogLine(probe, "read ends 16", WAIT_TIMEOUT_MS, mark).empty());
    SendMessageW(probe.mainWindow, WM_PROBE_REPORT, 0, 0); // handled once the dialog has returned
    WT_CHECK_EQ(ProbeSlots(probe).size(), 1u);
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

// Exit while a dialog waits for an answer, the first or the second: nothing is made, the dialog
// asks no more, and the process ends cleanly.
WT_CASE(ExitWhileADialogWaitsCreatesNothingAndEndsCleanly) {
    for (int command : {CMD_IMAGE_WINDOW, CMD_BUTTON_BOX})
        for (int answered : {0, 1}) {
            Probe probe;
            ProbeGuard guard{probe};
            WT_REQUIRE(StartProbe(probe, "returns"));
            LogMark mark = MarkLog(probe);
            PostMessageW(probe.mainWindow, WM_COMMAND, static_cast<WPARAM>(command), 0);
            WT_REQUIRE(AnswerDialog(probe, mark, std::vector<std::string>(static_cast<size_t>(answered), "2")));
            auto reads = [&] { return CountLinesSince(probe, mark, "read begins"); };
            WT_REQUIRE(WaitUntil([&] { return reads() == answered + 1; }));
            PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
            WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
            WT_CHECK_EQ(LogNumber(WaitForLogLine(probe, "destroyed", 0), "thread_exit="), 0);
            int created = 0;
            for (const std::string& line : LinesSince(probe, mark))
                created += line.rfind("slot ", 0) == 0;
            WT_CHECK_EQ(created, 0);
            WT_CHECK_EQ(reads(), answered + 1);
        }
}

WT_CASE(TextWindowCommandOpensTheLowestClosedOne) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    SendMessageW(probe.mainWindow, WM_PROBE_TEXT_WINDOW, 0, 0);
    SendMessageW(probe.mainWindow, WM_PROBE_TEXT_WINDOW, 1, 0);
    SendMessageW(probe.mainWindow, WM_COMMAND, CMD_TEXT_WINDOW, 0);
    WT_CHECK(FindWindowW(L"plr_twi", L"TextWindow 2") != nullptr);
    WT_CHECK_EQ(CountWindows(L"plr_twi", nullptr), 3);
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

// Ctrl+V on the main window: the clipboard's picture in the lowest free slot, 32 bits deep.
WT_CASE(PasteOpensTheClipboardPictureAsANewImage) {
    Probe probe;
    ProbeGuard guard{probe};
    WT_REQUIRE(StartProbe(probe, "returns"));
    WT_REQUIRE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    SendMessageW(probe.mainWindow, WM_COMMAND, CMD_PASTE, 0); // nothing there: nothing happens
    WT_CHECK(ProbeSlots(probe).empty());

    // A 24-bit 3 x 2 picture, bottom row first.
    std::vector<uint8_t> dib(40 + 2 * 12, 0);
    uint32_t header[] = {40, 3, 2};
    memcpy(dib.data(), header, sizeof header);
    uint16_t planesAndBits[] = {1, 24};
    memcpy(dib.data() + 12, planesAndBits, sizeof planesAndBits);
    for (size_t i = 40; i < dib.size(); ++i)
        dib[i] = static_cast<uint8_t>(i);
    WT_REQUIRE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, dib.size());
    memcpy(GlobalLock(block), dib.data(), dib.size());
    GlobalUnlock(block);
    WT_REQUIRE(SetClipboardData(CF_DIB, block) != nullptr);
    CloseClipboard();
    SendMessageW(probe.mainWindow, WM_COMMAND, CMD_PASTE, 0);
    std::vector<std::string> slots = ProbeSlots(probe);
    WT_REQUIRE(slots.size() == 1u);
    WT_CHECK(slots[0].rfind("slot 0 bits=32 w=3 h=2 ", 0) == 0);
    WT_CHECK(slots[0].find("sum=00000000") == std::string::npos); // the picture arrived
    WT_CHECK(slots[0].find("name=000") != std::string::npos);
    PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

WT_CASE(EleventhInstanceIsRefusedAndNumbersAreReused) {
    Probe probes[10];
    struct Guards {
        Probe* all;
        ~Guards() {
            for (int i = 0; i < 10; ++i)
                KillProbe(all[i]);
        }
    } guards{probes};
    for (int i = 0; i < 10; ++i) {
        WT_REQUIRE(StartProbe(probes[i], "returns"));
        char expected[16];
        std::snprintf(expected, sizeof expected, "pelori_mw%d", i);
        WT_CHECK_EQ(WindowClassName(probes[i].mainWindow), std::string(expected));
    }

    Probe eleventh;
    ProbeGuard guard{eleventh};
    WT_REQUIRE(LaunchProbe(eleventh, "returns"));
    HWND box = WaitForMessageBox(eleventh.process.dwProcessId, nullptr);
    WT_REQUIRE(box != nullptr);
    WT_CHECK_EQ(WindowText(box), std::string("PELORI"));
    WT_CHECK(MessageBoxText(box) == L"Over instance limit!");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    WT_CHECK_EQ(WaitForProbeExit(eleventh), 1ul);
    WT_CHECK_EQ(ReadProbeLog(eleventh), std::string("")); // the application never started

    PostMessageW(probes[3].mainWindow, WM_COMMAND, CMD_EXIT, 0);
    WT_CHECK_EQ(WaitForProbeExit(probes[3]), 0ul);
    KillProbe(probes[3]);
    WT_REQUIRE(StartProbe(probes[3], "returns"));
    WT_CHECK_EQ(WindowClassName(probes[3].mainWindow), std::string("pelori_mw3"));

    for (Probe& probe : probes)
        PostMessageW(probe.mainWindow, WM_COMMAND, CMD_EXIT, 0);
    for (Probe& probe : probes)
        WT_CHECK_EQ(WaitForProbeExit(probe), 0ul);
}

} // namespace
