// The program thread: runs the application and serves window requests; and the exit sequence
// that ends it from the main thread.
#include "shell/program_thread_win.h"
#include "shell/clock.h"
#include "shell/pump_win.h"
#include "shell/request.h"
#include "shell/requests_win.h"
#include "pelori.h"

enum { EXIT_WAIT_MS = 2000, FORCED_EXIT_CODE = 1 };

DWORD WINAPI ProgramThreadEntry(void*) { return static_cast<DWORD>(ProgramThreadMain()); }

// Runs AppMain once. Returns true when the idle loop must end because Exit is under way.
static bool RunApplication() {
    DragAcceptFiles(shell.mainWindow, FALSE);
    runState.running = 1;
    runState.startRequested = 0;
    runState.stopRequested = 0;
    AppMain();
    if (runState.exitState != EXIT_NONE) return true;
    runState.running = 0;
    runState.stopRequested = 0;
    DragAcceptFiles(shell.mainWindow, TRUE);
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
    if (!GetExitCodeThread(shell.programThread, &code)) return 0;
    return code;
}

void RunExitSequence() {
    runState.lineInputOwner = 0;
    runState.stopRequested = 1;
    runState.exitState = EXIT_ASKED;
    if (shell.programThread != nullptr) {
        // No messages are pumped here: the program thread needs nothing from the main thread to end.
        uint32_t start = ClockMs();
        while (ProgramThreadExitCode() == STILL_ACTIVE && ClockMs() - start <= EXIT_WAIT_MS)
            Sleep(0);
        if (ProgramThreadExitCode() == STILL_ACTIVE) TerminateThread(shell.programThread, FORCED_EXIT_CODE);
    }
    int32_t asked = EXIT_ASKED;
    runState.exitState.compare_exchange_strong(asked, EXIT_FINISHED);
    if (shell.programThread != nullptr) CloseHandle(shell.programThread);
    shell.programThread = nullptr;
    DestroyWindow(shell.mainWindow);
}
