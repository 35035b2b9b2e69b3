#include "imageops/pixels.h"
#include "plr_imageops.h"

#include <vector>

namespace {

struct Seed {
    int x, y;
};

// PLR_ProbePixel gives -1 outside, which no target value (0..0xFFFFFFFF) equals.
bool HasValue(int x, int y, int64_t target) { return PLR_ProbePixel(x, y) == target; }

// Pushes a neighbour row's pixel once per stretch of target-valued pixels along the run.
void CheckNeighbour(int x, int y, int64_t target, bool* armed, std::vector<Seed>* seeds) {
    if (HasValue(x, y, target)) {
        if (*armed) seeds->push_back({x, y});
        *armed = false;
    } else {
        *armed = true;
    }
}

// Fills the run through the seed and queues the rows above and below, above first.
void FillRun(Seed seed, int64_t target, std::vector<Seed>* seeds) {
    int left = seed.x;
    while (HasValue(left - 1, seed.y, target))
        --left;
    bool armedAbove = true, armedBelow = true;
    int right = left;
    for (; HasValue(right, seed.y, target); ++right) {
        CheckNeighbour(right, seed.y - 1, target, &armedAbove, seeds);
        CheckNeighbour(right, seed.y + 1, target, &armedBelow, seeds);
    }
    PLR_DrawLine(drawingColor, left, seed.y, right - 1, seed.y);
}

} // namespace

void PLR_FloodFill(int x, int y) {
    int64_t target = PLR_ProbePixel(x, y);
    if (target < 0) return;
    int64_t fill = CurrentImageExtent().bitDepth == 8 ? (drawingColor & 0xFF) : drawingColor;
    if (fill == target) return;
    // The stack grows as needed: every push is a target-valued pixel next to a filled run, so
    // it stays within twice the image's pixel count, and no part of the region is ever dropped.
    std::vector<Seed> seeds;
    Seed seed = {x, y};
    for (;;) {
        FillRun(seed, target, &seeds);
        bool found = false;
        while (!seeds.empty() && !found) {
            seed = seeds.back();
            seeds.pop_back();
            found = HasValue(seed.x, seed.y, target);
        }
        if (!found) return;
    }
}
