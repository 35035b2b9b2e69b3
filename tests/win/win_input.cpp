#include "tests/win/win_input.h"

#include <cstdint>
#include <cstdio>
#include <utility>

void SendKey(WORD key, bool control) {
    INPUT inputs[4] = {};
    int n = 0;
    if (control) inputs[n++].ki.wVk = VK_CONTROL;
    inputs[n++].ki.wVk = key;
    inputs[n].ki.wVk = key;
    inputs[n++].ki.dwFlags = KEYEVENTF_KEYUP;
    if (control) {
        inputs[n].ki.wVk = VK_CONTROL;
        inputs[n++].ki.dwFlags = KEYEVENTF_KEYUP;
    }
    for (int i = 0; i < n; ++i)
        inputs[i].type = INPUT_KEYBOARD;
    SendInput(static_cast<UINT>(n), inputs, sizeof inputs[0]);
}

// Absolute mouse coordinates run from 0 to 65536 across the screen; rounding up makes the
// window system's truncating conversion land on exactly this pixel.
static LONG AbsoluteCoordinate(LONG pixel, int screenSize) {
    return static_cast<LONG>((static_cast<int64_t>(pixel) * 65536 + screenSize - 1) / screenSize);
}

static bool CursorAt(POINT screen) {
    POINT at = {};
    return GetCursorPos(&at) && at.x == screen.x && at.y == screen.y;
}

// Each button event carries its point too: a stale move of the display's own pointer may still
// arrive after the cursor was seen there.
static INPUT MouseAt(POINT screen, DWORD flags) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = AbsoluteCoordinate(screen.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = AbsoluteCoordinate(screen.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

bool MoveMouseTo(POINT screen) {
    INPUT move = MouseAt(screen, 0);
    SendInput(1, &move, sizeof move);
    if (WaitUntil([=] { return CursorAt(screen); })) return true;
    std::printf("the cursor did not reach %ld,%ld\n", screen.x, screen.y);
    return false;
}

void SendMouseAt(POINT screen, DWORD flags) {
    INPUT input = MouseAt(screen, flags);
    SendInput(1, &input, sizeof input);
}

void SendMouseButton(POINT screen, DWORD down, DWORD up, int clicks) {
    MoveMouseTo(screen);
    INPUT inputs[4] = {};
    int n = 0;
    for (int i = 0; i < clicks && n + 2 <= 4; ++i) {
        inputs[n++] = MouseAt(screen, down);
        inputs[n++] = MouseAt(screen, up);
    }
    SendInput(static_cast<UINT>(n), inputs, sizeof inputs[0]);
}

void SendLeftClick(POINT screen, int clicks) {
    SendMouseButton(screen, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, clicks);
}

void SendRightClick(POINT screen) { SendMouseButton(screen, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }

namespace {

// The player's own waits only look: the windows belong to the thread that pumps.
bool WaitFor(const std::function<bool()>& condition) { return !condition || WaitUntil(condition); }

DWORD WINAPI Play(void* data) {
    InputPlayer* player = static_cast<InputPlayer*>(data);
    for (const InputStep& step : player->steps) {
        const char* missed = nullptr;
        if (!WaitFor(step.ready))
            missed = "the state it needs";
        else {
            step.act();
            if (!WaitFor(step.done)) missed = "what its input leads to";
        }
        if (missed != nullptr) {
            std::printf("input step %ld of %zu: waited in vain for %s\n", player->played + 1, player->steps.size(),
                        missed);
            std::fflush(stdout);
            break;
        }
        InterlockedIncrement(&player->played);
    }
    return 0;
}

} // namespace

void StartInput(InputPlayer* player, std::vector<InputStep> steps) {
    player->steps = std::move(steps);
    player->played = 0;
    player->thread = CreateThread(nullptr, 0, Play, player, 0, nullptr);
}

bool FinishInput(InputPlayer* player, IdleStep idle) {
    if (player->thread == nullptr) return false;
    // Each of the player's waits is bounded, so the whole play is too.
    WaitUntil([&] { return WaitForSingleObject(player->thread, 0) == WAIT_OBJECT_0; },
              static_cast<int>(player->steps.size() + 1) * 2 * WAIT_TIMEOUT_MS, idle);
    WaitForSingleObject(player->thread, INFINITE);
    CloseHandle(player->thread);
    player->thread = nullptr;
    return player->played == static_cast<LONG>(player->steps.size());
}

bool PlayInput(std::vector<InputStep> steps, IdleStep idle) {
    InputPlayer player;
    StartInput(&player, std::move(steps));
    return FinishInput(&player, idle);
}
