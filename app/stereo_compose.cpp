// The three compositions of "result" into "display": the anaglyph and the two interlaced images.
#include "app/stereo.h"

namespace {

int Red(ColorValue c) { return static_cast<int>((c >> 16) & 0xFF); }
int Green(ColorValue c) { return static_cast<int>((c >> 8) & 0xFF); }
int Blue(ColorValue c) { return static_cast<int>(c & 0xFF); }

// Which rows show the unshifted picture depends on the screen row they land on, so that a
// line-polarised display sends them to the same eye.
void ShowInterlaced(int unshiftedParity) {
    int width = imageSlots[0].width;
    int height = imageSlots[0].height;
    int top = 0; // no window position while "display" is closed
    DisplayWindowTop(&top);
    for (int y = 0; y < height; ++y) {
        // Mathematical parity: a remainder of -1 for a window above the screen is odd too.
        int parity = (static_cast<int64_t>(top) + y) % 2 != 0 ? 1 : 0;
        int column = parity == unshiftedParity ? width : 0;
        for (int x = 0; x < width; ++x) {
            PLR_SelectImage(2);
            ColorValue p = PLR_GetPixel(column + x, y);
            PLR_SelectImage(3);
            PLR_PutPixel(x, y, p);
        }
    }
    RaiseDisplayWindow();
    PLR_DrawImage(currentImage);
}

} // namespace

void ShowAnaglyph() {
    int width = imageSlots[0].width;
    int height = imageSlots[0].height;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            PLR_SelectImage(2);
            ColorValue unshifted = PLR_GetPixel(width + x, y);
            ColorValue shifted = PLR_GetPixel(x, y);
            ColorValue luminance =
                static_cast<ColorValue>((299 * Red(unshifted) + 587 * Green(unshifted) + 114 * Blue(unshifted)) / 1000);
            PLR_SelectImage(3);
            PLR_PutPixel(x, y, (luminance << 16) | (shifted & 0xFFFF)); // green and blue of the shifted view
        }
    RaiseDisplayWindow();
    PLR_DrawImage(currentImage);
}

void ShowInterlace1() { ShowInterlaced(0); }

void ShowInterlace2() { ShowInterlaced(1); }
