// The Windows layer's share of the stereo steps, reduced to nothing: no window is drawn or moved.
#include "app/stereo.h"
#include "imagewin/image_slots.h"

int PLR_DrawImage(int slot) { return IsImageInUse(slot) ? 0 : 1; }

int DisplayWindowTop(int* top) {
    if (!IsImageInUse(3)) return 1;
    *top = 0;
    return 0;
}

int RaiseDisplayWindow() { return IsImageInUse(3) ? 0 : 1; }
