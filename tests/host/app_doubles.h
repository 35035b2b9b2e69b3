// Stand-ins for the Windows layer that the application's portable code calls, and image slots on
// heap blocks for its tests (app_doubles.cpp, app_button_doubles.cpp).
#pragma once

#include <string>

extern int drawImageCalls;      // PLR_DrawImage calls, open slot or not
extern int lastDrawnImage;      // the slot of the last one
extern int displayWindowTop;    // the screen y that DisplayWindowTop reports while slot 3 is open
extern int displayWindowRaises; // RaiseDisplayWindow calls while slot 3 is open

extern std::string printed;      // everything PLR_Printf was given
extern const char* dialogAnswer; // the path the file dialog returns; null: cancelled
extern int loadResult;           // what PLR_LoadImageFile returns
extern int loadsIntoSlot;        // the current image when the last load was asked

// A zeroed block of exactly the image's size, so that the sanitizer reports any access past it.
void OpenTestImage(int slot, int bitDepth, int width, int height);
void CloseTestImages();
