#include "tests/support/window_doubles.h"

#include "app/stereo.h"
#include "imagewin/image_slots.h"
#include "pelori.h"
#include "tests/support/test_images.h"

#include <cstdarg>
#include <cstdio>

int drawImageCalls;
int lastDrawnImage = -1;
int displayWindowTop;
int displayWindowRaises;

std::string printed;
const char* dialogAnswer = nullptr;
int loadResult = 0;
int loadsIntoSlot = -1;

void ResetWindowDoubles() {
    drawImageCalls = 0;
    lastDrawnImage = -1;
    displayWindowTop = 0;
    displayWindowRaises = 0;
    printed.clear();
    dialogAnswer = nullptr;
    loadResult = 0;
    loadsIntoSlot = -1;
}

int PLR_DrawImage(int slot) {
    ++drawImageCalls;
    lastDrawnImage = slot;
    return IsImageInUse(slot) ? 0 : 1;
}

int DisplayWindowTop(int* top) {
    if (!IsImageInUse(3)) return 1;
    *top = displayWindowTop;
    return 0;
}

int RaiseDisplayWindow() {
    if (!IsImageInUse(3)) return 1;
    ++displayWindowRaises;
    return 0;
}

void PLR_Printf(const char* format, ...) {
    char text[4096];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    printed += text;
}

int PLR_OpenFileDialog(const char*, char path[260]) {
    if (dialogAnswer == nullptr) return 1;
    snprintf(path, 260, "%s", dialogAnswer);
    return 0;
}

int PLR_LoadImageFile(const char*, int, int) {
    loadsIntoSlot = currentImage;
    return loadResult;
}

// The block goes with the window, so a step that kept a pixel address past it is reported.
int PLR_DestroyImage(int slot) {
    if (!IsImageInUse(slot)) return 1;
    CloseTestImage(slot);
    return 0;
}
