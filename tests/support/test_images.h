// Image slots of the global table on heap blocks of exactly the image's size, without windows,
// and the picture of the current image as text.
#pragma once

#include "pelori.h"

#include <string>

// Opens slot as a zeroed bitDepth (8 or 32) picture of width x height at zoom 100, on a block of
// exactly its size, so that the sanitizer reports any access past it. Reopening an open slot
// replaces its block. The current image is left as it is.
void OpenTestImage(int slot, int bitDepth, int width, int height);

// Closes slot as PLR_DestroyImage does: no longer in use, its storage forgotten, its block freed.
void CloseTestImage(int slot);

// Every slot cleared and its block freed; the current image 0 and the history all 0.
void CloseTestImages();

// Every pixel of an open slot set to value: 32-bit words whole, 8-bit pixels to its low byte
// (row padding is left as it is).
void FillTestImage(int slot, ColorValue value);

// The top-left width x height pixels of the current image, read through PLR_GetPixel, one
// character per pixel as symbol gives it, each row ended by '|'.
std::string ImageAsText(int width, int height, char (*symbol)(ColorValue value));
