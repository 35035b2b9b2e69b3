// Stand-ins for the Windows layer the buttons call: printing is recorded, the file dialog and
// the loader answer as the test says, and closing a slot frees it.
#include "app_doubles.h"
#include "imagewin/image_slots.h"
#include "pelori.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

std::string printed;                // everything PLR_Printf was given
const char* dialogAnswer = nullptr; // the path the file dialog returns; null: cancelled
int loadResult = 0;                 // what PLR_LoadImageFile returns
int loadsIntoSlot = -1;             // the current image when the last load was asked

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

int PLR_DestroyImage(int slot) {
    if (!IsImageInUse(slot)) return 1;
    imageSlots[slot].inUse = 0;
    ForgetImageStorage(slot);
    return 0;
}
