// The view pair in "result": the shifted view on the left, the unshifted picture on the right.
#include "app/stereo.h"

#include <cstdint>
#include <cstdlib>

namespace {

// shift * V / 256 in 64 bits: shift has no upper limit.
int Disparity(ColorValue depth) {
    return static_cast<int>(static_cast<int64_t>(stereo.shift) * PLR_GetValue(depth) / 256);
}

// Copies the picture to columns W.. of the current image. An 8-bit picture holds W bytes in padded
// rows, not W words: its bytes become grey colour values first, so nothing past it is read.
void CopyPictureRight(int width, int height) {
    const ImageSlot& picture = imageSlots[0];
    if (!PLR_IsImageOpen(0) || picture.bitDepth != 8) {
        PLR_PutBlock(pixels32[0], width, width, height);
        return;
    }
    if (!pixels8[0] || width <= 0 || height <= 0) return;
    size_t rowBytes = static_cast<size_t>(PLR_GetImageRowBytes(0));
    // Counted in 64 bits: a 32-bit process could not hold four bytes for each of its bytes.
    uint64_t bytes = static_cast<uint64_t>(width) * static_cast<uint64_t>(height) * 4;
    uint32_t* grey = bytes <= SIZE_MAX ? static_cast<uint32_t*>(malloc(static_cast<size_t>(bytes))) : nullptr;
    if (!grey) return;
    for (size_t y = 0; y < static_cast<size_t>(height); ++y)
        for (size_t x = 0; x < static_cast<size_t>(width); ++x)
            grey[y * static_cast<size_t>(width) + x] = pixels8[0][y * rowBytes + x] * 0x010101u;
    PLR_PutBlock(grey, width, width, height);
    free(grey);
}

} // namespace

void MakeViewPair() {
    int width = imageSlots[0].width;
    int height = imageSlots[0].height;
    PLR_SelectImage(2);
    PLR_DrawBox(0, 0, width, height, 0, 0);
    CopyPictureRight(width, height);

    // The depth map's own size bounds the loop; reads past the picture or the map give 0.
    int depthWidth = imageSlots[1].width;
    int depthHeight = imageSlots[1].height;
    for (int y = 0; y < depthHeight; ++y)
        for (int x = 0; x < depthWidth; ++x) {
            PLR_SelectImage(1);
            ColorValue here = PLR_GetPixel(x, y);
            int d1 = Disparity(here);
            PLR_SelectImage(0);
            ColorValue p = PLR_GetPixel(x, y);
            PLR_SelectImage(2);
            PLR_PutPixel(x - d1, y, p);

            // A farther right neighbour lands d1 - d2 columns further right than adjacent: the
            // hole between is filled with its colour. Nearer pixels later overwrite what is here.
            PLR_SelectImage(1);
            ColorValue next = PLR_GetPixel(x + 1, y);
            if (PLR_GetValue(next) < PLR_GetValue(here)) {
                int d2 = Disparity(next);
                int gap = d1 - d2;
                PLR_SelectImage(0);
                ColorValue q = PLR_GetPixel(x + 1, y);
                PLR_SelectImage(2);
                for (int k = 1; k <= gap; ++k)
                    PLR_PutPixel(x - d1 + k, y, q);
            }
        }
    PLR_DrawImage(currentImage);
}
