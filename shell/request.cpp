#include "request.h"

#include "pelori.h"

Request request;

// A filer waits only while the program thread can still serve; once Exit is under way the program
// thread leaves its loop, so waiting on would hang the main thread.
static int ProgramThreadEnding() { return runState.exitState.load() != EXIT_NONE; }

int WaitForFreeRequest(MessagePump pump, int* outerResult) {
    while (request.code.load(std::memory_order_acquire) != REQ_NONE) {
        if (ProgramThreadEnding()) return 1;
        pump();
    }
    *outerResult = request.result;
    return ProgramThreadEnding();
}

void PublishRequest(int code) {
    request.done.store(0, std::memory_order_relaxed);
    request.code.store(code, std::memory_order_release);
}

int WaitForRequestDone(MessagePump pump, int outerResult, int* result) {
    while (request.done.load(std::memory_order_acquire) == 0) {
        if (ProgramThreadEnding()) return 1;
        pump();
    }
    *result = request.result;
    request.result = outerResult; // nothing is pending now, so the program thread is not writing it
    return 0;
}

int TakeRequest() { return request.code.load(std::memory_order_acquire); }

void CompleteRequest() {
    request.servedCount.fetch_add(1, std::memory_order_relaxed);
    request.done.store(1, std::memory_order_release);
    request.code.store(REQ_NONE, std::memory_order_release);
}
