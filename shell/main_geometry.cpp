#include "shell/main_geometry.h"

const int bounceOffsets[BOUNCE_STEPS] = {+1, +2, +3, +4, +5, +6, +7, +8, +9, +10, -6, -5, -4, -3,
                                         -2, -1, +1, +2, +3, +4, +5, +6, -3, -2,  -1, +1, +2, +3};

MainWindowPlacement ComputeMainWindowPlacement(int frameWidth, int frameHeight, int fullScreenWidth,
                                               int fullScreenHeight, int captionHeight) {
    MainWindowPlacement placement;
    placement.width = frameWidth;
    placement.height = frameHeight;
    placement.x = (fullScreenWidth - frameWidth) / 2;
    placement.y = fullScreenHeight + captionHeight - frameHeight - BOUNCE_DROP;
    return placement;
}
