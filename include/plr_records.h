// The framework's records: fixed global tables indexed by small integers.
// Windows handles are declared the way <windows.h> declares them, so the records compile without it.
#pragma once

#include <cstdint>
#include <cstdio>

struct HWND__;
struct HDC__;
struct HBITMAP__;

typedef uint32_t ColorValue; // 0x00RRGGBB: red in bits 16..23, blue in the low byte

enum { SLOT_COUNT = 256, COLOR_STACK_DEPTH = 8, IMAGE_HISTORY_DEPTH = 8 };

enum LogStates { LOG_OFF = 0, LOG_ON = 1, LOG_PAUSED = 2 };

// One text window: output goes in at the cursor and exists only as pixels in the back buffer.
struct TextWindowSlot {
    int inUse;                                    // 1 while the window exists
    int width, height;                            // client size in pixels, the back buffer's size
    int cursorX, cursorY;                         // where the next character goes: left edge, top of the line
    int cellWidth, cellHeight;                    // one character cell of the window's font
    ColorValue textColor, backColor;              // the current pair; cells are drawn opaque
    ColorValue textColorStack[COLOR_STACK_DEPTH]; // saved pairs, entry 0 the most recent
    ColorValue backColorStack[COLOR_STACK_DEPTH];
    HWND__* window;
    HDC__* memoryDC; // holds the back buffer, the black brush and the font
    HDC__* windowDC; // the window's own context, kept for its life
    HBITMAP__* backBuffer;
    HBITMAP__* previousBitmap; // selected back before memoryDC is deleted
    int logState;              // LogStates
    FILE* logFile;
};

extern TextWindowSlot textWindows[SLOT_COUNT];
extern int currentTextWindow; // the window that receives output, line input and colour changes

// One image window: a picture of 8 or 32 bits per pixel in a top-down DIB section, shown at a zoom.
struct ImageSlot {
    int inUse;                       // 1 while the slot holds an image window
    int bitDepth;                    // 8 or 32
    int width, height;               // picture size in pixels, at least 1 while in use (0 once closed)
    int displayWidth, displayHeight; // client size: the picture size times zoom / 100, truncated
    int zoom;                        // percent
    int fitToScreen;                 // 1: the window must fit the screen; 0: loose size limits
    HWND__* window;
    HDC__* memoryDC; // the DIB section is selected into it
    HDC__* windowDC; // the window's own context, kept for its life
    HBITMAP__* bitmap;
    HBITMAP__* previousBitmap; // selected back before memoryDC is deleted
    char* name;                // heap copy of the name given at creation
};

extern ImageSlot imageSlots[SLOT_COUNT];
// The pixel memory of each slot: 32-bit pixels are colour values in rows of width words; 8-bit
// pixels are colour-table indices in rows of (width + 3) & ~3 bytes; the top row comes first.
extern uint32_t* pixels32[SLOT_COUNT];
extern uint8_t* pixels8[SLOT_COUNT];
extern int currentImage;                      // the slot every pixel and drawing operation acts on
extern int imageHistory[IMAGE_HISTORY_DEPTH]; // earlier current images, newest first
