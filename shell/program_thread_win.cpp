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
        // Only messages sent to this thread are handled meanwhile: the program thread may be ending
        // through a call that waits on the main thread (the status line's text, file drop), while
        // posted messages must wait for the message loop, which is ending.
        uint32_t start = ClockMs();
        for (;;) {
            uint32_t waited = ClockMs() - start;
            if (ProgramThreadExitCode() != STILL_ACTIVE || waited > EXIT_WAIT_MS) break;
            MsgWaitForMultipleObjects(1, &shell.programThread, FALSE, EXIT_WAIT_MS + 1 - waited, QS_SENDMESSAGE);
            MSG msg;
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        if (ProgramThreadExitCode() == STILL_ACTIVE) TerminateThread(shell.programThread, FORCED_EXIT_CODE);
    }
    int32_t asked = EXIT_ASKED;
    runState.exitState.compare_exchange_strong(asked, EXIT_FINISHED);
    if (shell.programThread != nullptr) CloseHandle(shell.programThread);
    shell.programThread = nullptr;
    DestroyWindow(shell.mainWindow);
}
