// The pixel read-out printed into the current text window.
#include "imageops/imageops_win.h"
#include "imageops/color_models.h"
#include "imagewin/image_slots.h"
#include "pelori.h"

void PrintPixelReadout(int slot, int x, int y) {
    if (!IsImageInUse(slot)) return;
    PLR_EnsureTextWindow();
    char text[PIXEL_READOUT_CAPACITY];
    FormatPixelReadout(text, sizeof text, x, y, imageSlots[slot].bitDepth, PLR_GetPixel(x, y));
    PLR_Printf("%s", text);
}
