// The "display" window's place on the screen: where its frame starts and its stacking.
#include "app/stereo.h"

#include <windows.h>

enum { DISPLAY_SLOT = 3 };

int DisplayWindowTop(int* top) {
    if (!PLR_IsImageOpen(DISPLAY_SLOT)) return 1;
    // The window rectangle is the outer frame, caption included, already in screen coordinates:
    // image windows are top-level windows owned by the main window, not children.
    RECT frame;
    if (!GetWindowRect(imageSlots[DISPLAY_SLOT].window, &frame)) return 1;
    *top = frame.top;
    return 0;
}

int RaiseDisplayWindow() {
    if (!PLR_IsImageOpen(DISPLAY_SLOT)) return 1;
    SetForegroundWindow(imageSlots[DISPLAY_SLOT].window);
    return 0;
}
