// Stand-ins for the Windows layer that the application's portable code calls: drawing an image,
// the "display" window, printing, the file dialog, loading and closing images. They record what
// was asked and answer as the test sets them to.
#pragma once

#include <string>

extern int drawImageCalls;      // PLR_DrawImage calls, open slot or not
extern int lastDrawnImage;      // the slot of the last one; -1 before any
extern int displayWindowTop;    // the screen y that DisplayWindowTop reports while slot 3 is open
extern int displayWindowRaises; // RaiseDisplayWindow calls while slot 3 is open

extern std::string printed;      // everything PLR_Printf was given
extern const char* dialogAnswer; // the path the file dialog returns; null: cancelled
extern int loadResult;           // what PLR_LoadImageFile returns
extern int loadsIntoSlot;        // the current image when the last load was asked; -1 before any

// Every record cleared and every answer back to the above defaults.
void ResetWindowDoubles();
