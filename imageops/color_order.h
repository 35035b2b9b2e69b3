#pragma once

#include <cstdint>

// Colour values are 0x00RRGGBB; device contexts take 0x00BBGGRR. The swap is its own inverse.
inline uint32_t SwapRedBlue(uint32_t color) {
    return ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
}
