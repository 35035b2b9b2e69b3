// PELORI: the programming interface for application code.
//
// Every PLR_ operation returns an int: 0 for success and a small positive code for a refusal
// (as a rule 1 for an index outside 0..255 or a closed slot, with no effect). Refusals are silent.
// Text is 8-bit text in the system's ANSI code page.
#pragma once

#include <atomic>
#include <cstdint>

#include "plr_records.h"

#ifdef __MINGW32__
#define PLR_PRINTF_FORMAT(f, a) __attribute__((format(gnu_printf, f, a)))
#else
#define PLR_PRINTF_FORMAT(f, a) __attribute__((format(printf, f, a)))
#endif

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

// ---------------------------------------------------------------------------------------------
// Text windows
// NOTE: output, colours and line input act on the current text window and do nothing while it is
// closed. Text is 8-bit system-code-page text; a line feed starts a new line.
// ---------------------------------------------------------------------------------------------

// Opens text window index (0..255) at screen position x, y (negative: the system's choice) with a
// client area of width x height pixels (negative: 400 x 300), and makes it current.
// 0 created; 1 already open (brought to the front and made current, unchanged); 2 the window, or
// 3 its drawing surface, could not be made (nothing is left open).
int PLR_OpenTextWindow(int index, int x, int y, int width, int height);
void PLR_EnsureTextWindow(); // brings the current one up, or opens window 0 centred
void PLR_Printf(const char* format, ...) PLR_PRINTF_FORMAT(1, 2); // formatted output, at most 4095 bytes per call
int PLR_SelectTextWindow(int index);                              // makes it current; 1 if not open
int PLR_DestroyTextWindow(int index);                             // closes it; 1 if not open
void PLR_PushTextColor(ColorValue text, ColorValue background);   // saves the pair (8 deep) and sets a new one
void PLR_PopTextColor();                                          // restores the most recently saved pair

// The application's entry points, called on the program thread: AppSetup once at start,
// AppMain on each Start.
void AppSetup();
void AppMain();
