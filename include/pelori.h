// PELORI: the programming interface for application code.
//
// Every PLR_ operation returns an int: 0 for success and a small positive code for a refusal
// (as a rule 1 for an index outside 0..255 or a closed slot, with no effect). Refusals are silent.
// Text is 8-bit text in the system's ANSI code page.
#pragma once

#include <atomic>
#include <cstdint>

// ---------------------------------------------------------------------------------------------
// Run control
// NOTE: the flags are shared by the main thread and the program thread; each has one writer
// per transition, and every poll reads them afresh.
// ---------------------------------------------------------------------------------------------

enum ExitStates {
    EXIT_NONE = 0,     // running normally
    EXIT_ASKED = 1,    // Exit chosen; the program thread should end
    EXIT_FINISHED = 2, // the program thread has left its loop (or was terminated)
};

struct RunState {
    std::atomic<int32_t> startRequested{0};  // 1: Start chosen while idle; the idle loop calls AppMain
    std::atomic<int32_t> running{0};         // 1: AppMain is running
    std::atomic<int32_t> stopRequested{0};   // 1: Stop or Exit chosen; waits and picks end
    std::atomic<int32_t> exitState{0};       // ExitStates
    std::atomic<int32_t> graphToolActive{0}; // 1: a pick waits for clicks
    std::atomic<int32_t> lineInputOwner{0};  // 0, or 1 + index of the text window reading a line
};
extern RunState runState;

void PLR_Pause(const char* text); // modal box with the text and the caption "Pause"; returns when closed

// The application's entry points, called on the program thread: AppSetup once at start,
// AppMain on each Start.
void AppSetup();
void AppMain();
