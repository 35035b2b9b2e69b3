// The single request record through which the main thread has the program thread make or fill
// windows. The code is the publication point: the filer stores the fields and done = 0 before the
// code (release), the server reads the fields after the code (acquire), and stores done = 1 before
// code = 0.
#pragma once

#include <atomic>
#include <cstdint>

enum RequestCodes {
    REQ_NONE = 0,
    REQ_CREATEIMAGE = 9001,
    REQ_REDRAWIMAGE = 9002,
    REQ_LOADIMAGE = 9003,
    REQ_PASTEBITMAP = 9004,
    REQ_OPENTEXTWINDOW = 9005,
    REQ_OPENINPUTBOX = 9006,
    REQ_OPENBUTTONBOX = 9007,
};

// Result of a filer that gave up because the program thread is ending and will serve nothing more.
enum { REQ_RESULT_ABANDONED = 5 };

struct Request {
    std::atomic<int32_t> code{REQ_NONE}; // 0: nothing pending
    std::atomic<int32_t> done{1};        // 1: the last request has been served
    int result = 0;                      // of REQ_CREATEIMAGE and REQ_LOADIMAGE
    int index = 0;                       // slot, or the number of input box items
    const char* name = nullptr;          // owned by the filer until done
    const char* path = nullptr;          // owned by the filer until done
    int x = 0, y = 0;                    // -1: the system chooses the window position
    int width = 0, height = 0;           // pixels, -1 for a default size, or the button grid
    int bits = 0;
    int zoom = 0;
    void* bitmap = nullptr;               // a device-dependent bitmap handed to the program thread
    std::atomic<uint32_t> servedCount{0}; // requests served since start, for diagnostics
};

extern Request request;

typedef void (*MessagePump)();

// Filer side (main thread). BeginRequest waits for a free record; the filer then stores its fields
// and FinishRequest publishes the code and waits until it is served, pumping meanwhile. Nothing
// may pump between the two calls. A filer may run inside another filer's wait (its pump dispatches
// a handler that files again); the inner filer then hands back the outer filer's result, which it
// found in the record, so each filer reads its own.
int BeginRequest(MessagePump pump);            // 0: the record is free; 1: gave up, Exit is under way
int FinishRequest(int code, MessagePump pump); // the request's result, or REQ_RESULT_ABANDONED

// Server side (program thread).
int TakeRequest();      // the pending code, or 0; the fields may be read after a non-zero code
void CompleteRequest(); // done = 1, then code = 0
