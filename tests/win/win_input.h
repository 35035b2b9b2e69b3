// Synthetic input as the window system delivers it, and a player that acts step by step from a
// thread of its own, each step waiting for the state it needs before it acts and for the state
// its action leads to before the next one.
#pragma once

#include "tests/win/win_waits.h"

#include <functional>
#include <vector>

// Moves the mouse and waits until the cursor is there: a button pressed before then would act
// where the mouse was. False after the timeout.
bool MoveMouseTo(POINT screen);
void SendKey(WORD key, bool control = false);                             // press and release, Ctrl held if asked
void SendMouseButton(POINT screen, DWORD down, DWORD up, int clicks = 1); // moves there first; 2 clicks: a double click
void SendLeftClick(POINT screen, int clicks = 1);
void SendRightClick(POINT screen);
void SendMouseAt(POINT screen, DWORD flags); // one mouse event at that point

struct InputStep {
    std::function<bool()> ready; // waited for before acting; null: at once
    std::function<void()> act;
    std::function<bool()> done; // waited for after acting; null: at once
};

// Plays steps on a thread of its own. The steps after a wait that timed out are not played.
struct InputPlayer {
    std::vector<InputStep> steps;
    volatile LONG played = 0;
    HANDLE thread = nullptr;
};
void StartInput(InputPlayer* player, std::vector<InputStep> steps);
// Runs idle (pumping its messages, if this thread owns the windows that take the input) until the
// player is done; true when every step was played.
bool FinishInput(InputPlayer* player, IdleStep idle);
bool PlayInput(std::vector<InputStep> steps, IdleStep idle); // both of the above
