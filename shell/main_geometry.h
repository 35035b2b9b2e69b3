// Size, position and creation animation of the main window, from the system's metrics.
#pragma once

enum {
    MAIN_CLIENT_WIDTH = 240,       // client width of the main window
    MAIN_CLIENT_EXTRA_HEIGHT = 32, // client height below the menu bar
    BOUNCE_STEPS = 28,
    BOUNCE_STEP_MS = 20,
    BOUNCE_SETTLE_MS = 500,
    BOUNCE_DROP = 55, // the sum of the offsets: how far the window travels down while it settles
};

extern const int bounceOffsets[BOUNCE_STEPS];

struct MainWindowPlacement {
    int x, y, width, height;
};

// frameWidth/frameHeight: the window size for the client rectangle 240 x (menuHeight + 32).
// fullScreenWidth/Height: the client area of a maximized window; captionHeight: a caption bar.
// The window is created at (x, y) and comes to rest BOUNCE_DROP pixels lower, its bottom edge
// at fullScreenHeight + captionHeight.
MainWindowPlacement ComputeMainWindowPlacement(int frameWidth, int frameHeight, int fullScreenWidth,
                                               int fullScreenHeight, int captionHeight);
