// What the in-process tests share: they run as the application, on the program thread, so while
// they wait they keep the windows they own working.
#pragma once

#include <cstdint>
#include <vector>

void PumpBriefly();    // dispatches what is pending, then waits a few milliseconds for more
void CloseAllImages(); // every image window closed, and their messages handled

// The top-left width x height pixels of an open slot (all of them for -1), rows unpadded: the
// colour bits of a 32-bit image, the indices of an 8-bit one.
std::vector<uint32_t> ImagePixels(int slot, int width = -1, int height = -1);
