#include "imageops/pixels.h"
#include "plr_imageops.h"

#include <cstdint>
#include <cstdlib>

namespace {

struct Seed {
    int x, y;
};

// The pixels still to look at. It grows as needed; when memory runs out it keeps what it has and
// refuses more, so the fill stops short instead of writing anywhere.
struct SeedStack {
    Seed* seeds = nullptr;
    size_t count = 0, capacity = 0;
    bool full = false;
    ~SeedStack() { free(seeds); }
};

bool Push(SeedStack* stack, Seed seed) {
    if (stack->count == stack->capacity) {
        size_t capacity = stack->capacity == 0 ? 256 : stack->capacity * 2;
        void* grown = capacity <= SIZE_MAX / sizeof(Seed) ? realloc(stack->seeds, capacity * sizeof(Seed)) : nullptr;
        if (grown == nullptr) {
            stack->full = true;
            return false;
        }
        stack->seeds = static_cast<Seed*>(grown);
        stack->capacity = capacity;
    }
    stack->seeds[stack->count++] = seed;
    return true;
}

// PLR_ProbePixel gives -1 outside, which no target value (0..0xFFFFFFFF) equals.
bool HasValue(int x, int y, int64_t target) { return PLR_ProbePixel(x, y) == target; }

// Pushes a neighbour row's pixel once per stretch of target-valued pixels along the run.
void CheckNeighbour(int x, int y, int64_t target, bool* armed, SeedStack* seeds) {
    if (HasValue(x, y, target)) {
        if (*armed) Push(seeds, {x, y});
        *armed = false;
    } else {
        *armed = true;
    }
}

// Fills the run through the seed and queues the rows above and below, above first.
void FillRun(Seed seed, int64_t target, SeedStack* seeds) {
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
    // Every push is a target-valued pixel next to a filled run, so the stack stays within twice
    // the image's pixel count, and no part of the region is dropped while memory lasts.
    SeedStack seeds;
    Seed seed = {x, y};
    for (;;) {
        FillRun(seed, target, &seeds);
        if (seeds.full) return;
        bool found = false;
        while (seeds.count > 0 && !found) {
            seed = seeds.seeds[--seeds.count];
            found = HasValue(seed.x, seed.y, target);
        }
        if (!found) return;
    }
}
