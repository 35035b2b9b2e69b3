// Whole-image transforms and test patterns on a slot: what the image window's "Process..." and
// "Test Pattern..." commands do. Each returns 0 when done, 1 for a bad slot, and 2 when the
// picture could not be re-made at its new size or no memory was at hand (nothing changed then).
#pragma once

#include "imageops/transforms.h"

int InvertImage(int slot);                  // every colour's channels, or every byte, complemented
int FlipImage(int slot, bool horizontally); // mirrored left to right, or top to bottom, in place
int RotateImage(int slot, bool clockwise);  // a quarter turn; the window's client size swaps
int StepImageSize(int slot, int factor);    // rescaled by factor thousandths, in the slot's stretch mode
int DrawTestPattern(int slot, int pattern); // TestPatterns; the slot becomes the current image
