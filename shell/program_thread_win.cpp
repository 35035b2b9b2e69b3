// The program thread: runs the application and serves window requests; and the exit sequence
// that ends it from the main thread.
#include "shell_win.h"
#include "clock.h"
#include "request.h"
#include "pelori.h"

enum { EXIT_WAIT_MS = 2000, FORCED_EXIT_CODE = 1 };

DWORD WINAPI ProgramThreadEntry(void*) { return static_cast<DWORD>(ProgramThreadMain()); }

// Runs AppMain once. Returns true when the idle loop must end because Exit is under way.
static bool RunApplication() {
    DragAcceptFiles(mainWindow, FALSE);
    runState.running = 1;
    runState.startRequested = 0;
    runState.stopRequested = 0;
    AppMain();
    if (runState.exitState != EXIT_NONE) return true;
    runState.running = 0;
    runState.stopRequested = 0;
    DragAcceptFiles(mainWindow, TRUE);
    return false;
}

int ProgramThreadMain() {
    AppSetup();
    while (runState.exitState == EXIT_NONE) {
        Sleep(1);
        PumpDialogMessages();
        if (request.code.load(std::memory_order_acquire) != REQ_NONE) ServeRequest();
        if (runState.startRequested == 1 && runState.running == 0 && RunApplication()) break;
    }
    runState.exitState = EXIT_FINISHED;
    PumpDialogMessages();
    return 0;
}

static DWORD ProgramThreadExitCode() {
    DWORD code = 0;
    if (!GetExitCodeThread(programThread, &code)) return 0;
    return code;
}

void RunExitSequence() {
    runState.lineInputOwner = 0;
    runState.stopRequested = 1;
    runState.exitState = EXIT_ASKED;
    if (programThread != nullptr) {
        // No messages are pumped here: the program thread needs nothing from the main thread to end.
        uint32_t start = ClockMs();
        while (ProgramThreadExitCode() == STILL_ACTIVE && ClockMs() - start <= EXIT_WAIT_MS)
            Sleep(0);
        if (ProgramThreadExitCode() == STILL_ACTIVE) TerminateThread(programThread, FORCED_EXIT_CODE);
    }
    int32_t asked = EXIT_ASKED;
    runState.exitState.compare_exchange_strong(asked, EXIT_FINISHED);
    if (programThread != nullptr) CloseHandle(programThread);
    programThread = nullptr;
    DestroyWindow(mainWindow);
}
