#include "shell/request.h"

#include "pelori.h"

Request request;

// A filer waits only while the program thread can still serve; once Exit is under way the program
// thread leaves its loop, so waiting on would hang the main thread.
static int ProgramThreadEnding() { return runState.exitState.load() != EXIT_NONE; }

// The result found in the free record: it belongs to a filer whose wait this one runs inside.
// Only the main thread files, and nothing pumps between BeginRequest and FinishRequest, so one
// variable serves every level of nesting.
static int outerResult;

int BeginRequest(MessagePump pump) {
    while (request.code.load(std::memory_order_acquire) != REQ_NONE) {
        if (ProgramThreadEnding()) return 1;
        pump();
    }
    outerResult = request.result;
    return ProgramThreadEnding();
}

int FinishRequest(int code, MessagePump pump) {
    int outer = outerResult;
    request.done.store(0, std::memory_order_relaxed);
    request.code.store(code, std::memory_order_release);
    while (request.done.load(std::memory_order_acquire) == 0) {
        if (ProgramThreadEnding()) return REQ_RESULT_ABANDONED;
        pump();
    }
    int result = request.result;
    request.result = outer; // nothing is pending now, so the program thread is not writing it
    return result;
}

int TakeRequest() { return request.code.load(std::memory_order_acquire); }

void CompleteRequest() {
    request.servedCount.fetch_add(1, std::memory_order_relaxed);
    request.done.store(1, std::memory_order_release);
    request.code.store(REQ_NONE, std::memory_order_release);
}
