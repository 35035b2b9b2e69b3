// PELORI: the programming interface for application code.
//
// Results: an operation that can be refused returns an int, 0 for success and a small positive
// code for a refusal that changes nothing, as a rule 1 for an index outside 0..255 or a closed slot;
// each line lists its codes. Queries return what they ask for, and operations that cannot fail, or
// that are silently ignored while there is nothing to act on, return nothing. Refusals are silent.
// Text is 8-bit text in the system's ANSI code page; a null text counts as "", a null path or
// buffer as a refusal (the operation's failure code, or nothing done).
#pragma once

#include <atomic>
#include <cstdint>

#include "plr_records.h"
#include "plr_imageops.h"

#ifdef __MINGW32__
#define PLR_PRINTF_FORMAT(f, a) __attribute__((format(gnu_printf, f, a)))
#else
#define PLR_PRINTF_FORMAT(f, a) __attribute__((format(printf, f, a)))
#endif

// ---------------------------------------------------------------------------------------------
// Run control
// NOTE: the flags are shared by the main thread and the program thread; each has one writer
// per transition, and every poll reads them afresh.
// ---------------------------------------------------------------------------------------------

enum ExitStates {
    EXIT_NONE = 0,     // running normally
    EXIT_ASKED = 1,    // Exit chosen; the program thread should end
    EXIT_FINISHED = 2, // the program thread has left its loop (or was terminated)
};

struct RunState {
    std::atomic<int32_t> startRequested{0};  // 1: Start chosen while idle; the idle loop calls AppMain
    std::atomic<int32_t> running{0};         // 1: AppMain is running
    std::atomic<int32_t> stopRequested{0};   // 1: Stop or Exit chosen; waits and picks end
    std::atomic<int32_t> exitState{0};       // ExitStates
    std::atomic<int32_t> graphToolActive{0}; // 1: a pick waits for clicks
    std::atomic<int32_t> lineInputOwner{0};  // 0, or 1 + index of the text window reading a line
};
extern RunState runState;

void PLR_Pause(const char* text); // modal box with the text and the caption "Pause"; returns when closed

// Waiting: application code that loops without printing or reading calls PLR_PumpMessages often,
// or its windows (and the button box's presses) freeze until it does.
void PLR_PumpMessages();   // dispatches the program thread's pending messages, the boxes' keys included
int64_t PLR_ReadCounter(); // the high-resolution counter, in ticks
double PLR_MsPerCount();   // milliseconds per tick of PLR_ReadCounter

// ---------------------------------------------------------------------------------------------
// Image windows
// NOTE: a bad slot is an index outside 0..255 or a slot not in use; operations on it return 1 and
// change nothing. A new image is black (or colour index 0) and becomes the current image.
// ---------------------------------------------------------------------------------------------

// Creates a 32-bit (8-bit) image window in slot at screen position x, y (-1: the system's choice)
// for a width x height picture shown at zoom percent, reduced or raised to fit the screen.
// 0 created; 1 slot in use; 2 no zoom fits the screen; 3 no pixel storage; 4 slot outside 0..255.
int PLR_CreateImage(int slot, const char* name, int x, int y, int width, int height, int zoom);
int PLR_CreateImage8(int slot, const char* name, int x, int y, int width, int height, int zoom);
int PLR_CreateImageFL(int slot, const char* name, int x, int y, int width, int height, int zoom); // loose limits
int PLR_CreateImage8FL(int slot, const char* name, int x, int y, int width, int height, int zoom);
int PLR_DestroyImage(int slot);            // closes the window and frees the slot; 1 bad slot
int PLR_DrawImage(int slot);               // copies the picture into its window now; 1 bad slot
int PLR_SetZoom(int slot, int zoom);       // 1 bad slot; 2 cannot be shown (nothing changes)
int PLR_MoveImage(int slot, int x, int y); // moves its window's top-left corner, not activating it; 1 bad slot
// Re-creates the slot, black, at a new size, keeping name, zoom, place, stretch mode and colour
// table. 1 bad slot; 2 the new size cannot be shown, 3 no pixel storage for it (the slot is left
// as it was for both); 3 also when the new window itself cannot be made, and the slot is then closed.
int PLR_ResizeImage(int slot, int width, int height);
int PLR_SetStretchMode(int slot, int mode);             // 3 COLORONCOLOR, 4 HALFTONE (others: no change); 1 bad slot
int PLR_GetStretchMode(int slot);                       // the mode; 0 for a bad slot
int PLR_IsImageOpen(int slot);                          // 1 when slot is in 0..255 and open, else 0
int PLR_GetImageRowBytes(int slot);                     // bytes per row of its pixel memory; 0 for a bad slot
int PLR_SelectImage(int slot);                          // makes it current, the previous one on the history; 1 bad slot
int PLR_SelectPreviousImage();                          // back to the previous current image; 1 none open
int PLR_SetPalette(const uint32_t* entries, int count); // 8-bit current image: entries from index 0; 1 bad; 2 not 8-bit
int PLR_GetPalette(uint32_t entries[256]);              // all 256 entries; 1 bad current image; 2 not 8-bit

// ---------------------------------------------------------------------------------------------
// Picks
// NOTE: a pick makes the slot current and waits, pumping messages, for the mouse on its window:
// the left button picks, the right or middle one cancels (after a first point: picks it again).
// Rubber bands are inverted pixels, gone when the pick ends. 0 picked; 1 cancelled, or Stop
// chosen; 2 a bad slot. Points are picture points; the outputs are 0 unless picked.
// ---------------------------------------------------------------------------------------------

int PLR_PickPoint(int slot, int* x, int* y);
int PLR_PickRow(int slot, int* x, int* y);    // the band is the row under the mouse
int PLR_PickColumn(int slot, int* x, int* y); // the band is the column under the mouse
int PLR_PickLine(int slot, int* x1, int* y1, int* x2, int* y2);
int PLR_PickRect(int slot, int* x0, int* y0, int* x1, int* y1);        // corners sorted: x0 <= x1, y0 <= y1
int PLR_PickCircle(int slot, int* x, int* y, int* radius);             // centre, then a point on the circle
int PLR_PickPastePos(int slot, int width, int height, int* x, int* y); // a width x height frame centred on the mouse

// ---------------------------------------------------------------------------------------------
// Picture files
// NOTE: paths are at most 259 bytes; a longer one, with its extension, is refused rather than cut.
// The file dialogs fill a 260-byte buffer.
// ---------------------------------------------------------------------------------------------

// Draws the picture file into the current image at (x, y), at its own size.
// 0 done; 1 not a readable picture, or no path; 2 the current image is a bad slot.
int PLR_LoadImageFile(const char* path, int x, int y);
// Writes the top-left width x height block of the current image: format 0 BMP, 1 JPEG, 2 GIF,
// 3 PNG, 4 TIFF; the extension is appended unless present. 0 written; 1 failed (no such format,
// no path, or a path too long); 2 empty size; 3 the current image is a bad slot.
int PLR_SaveImageFile(const char* path, int format, int width, int height);
// Copies the w x h block at (x0, y0) of the current image into buffer, rows without padding: w
// words per row for a 32-bit image, w bytes for an 8-bit one. Pixels outside the image read 0;
// nothing is written while the current image is closed.
void PLR_GetBlock(void* buffer, int x0, int y0, int w, int h);
// 0 chosen; 1 cancelled, or the chosen path has no 8-bit form that fits (path unchanged).
int PLR_OpenFileDialog(const char* title, char path[260]);

// ---------------------------------------------------------------------------------------------
// Clipboard
// NOTE: pictures go as CF_DIB: 24-bit rows for a 32-bit slot, indices and the colour table for an
// 8-bit one. A pasted picture with a colour table gives an 8-bit slot that table first.
// ---------------------------------------------------------------------------------------------

int PLR_CopyToClipboard(int slot); // 0 copied; 1 bad slot; 2 no clipboard; 3 no memory ("No enough memory for copy")
// Copies the clipboard's picture into the slot with its top-left corner at (x, y), cut at the
// slot's edges; x or y -1: the user places it with a pick. 0 pasted; 1 bad slot; 2 no picture
// (or one the reader refuses); 3 placement cancelled.
int PLR_PasteFromClipboard(int slot, int x, int y);

// ---------------------------------------------------------------------------------------------
// Text windows
// NOTE: output, colours and line input act on the current text window and do nothing while it is
// closed. Text is 8-bit system-code-page text; a line feed starts a new line.
// ---------------------------------------------------------------------------------------------

// Opens text window index (0..255) at screen position x, y (negative: the system's choice) with a
// client area of width x height pixels (negative: 400 x 300), and makes it current.
// 0 created; 1 already open (brought to the front and made current, unchanged); 2 index outside
// 0..255, or the window could not be made; 3 its drawing surface could not be made (nothing is
// left open).
int PLR_OpenTextWindow(int index, int x, int y, int width, int height);
void PLR_EnsureTextWindow(); // brings the current one up, or opens window 0 centred
void PLR_Printf(const char* format, ...) PLR_PRINTF_FORMAT(1, 2); // formatted output, at most 4095 bytes per call
int PLR_SelectTextWindow(int index);                              // makes it current; 1 if not open
int PLR_DestroyTextWindow(int index);                             // closes it; 1 if not open
void PLR_PushTextColor(ColorValue text, ColorValue background);   // saves the pair (8 deep) and sets a new one
void PLR_PopTextColor();                                          // restores the most recently saved pair
// Reads one edited line (at most 255 characters) at the cursor of the current text window into
// buffer (256 bytes); "" when the input is ended from outside (Exit, or the window closed).
// Up arrow recalls the last line; Ctrl+V pastes the clipboard's first line.
void PLR_ReadLine(char* buffer);

// ---------------------------------------------------------------------------------------------
// Input box
// NOTE: one box of up to 30 rows, each a label and an edit field. A row's value is the text last
// taken from its field: when the field loses the focus, or when Enter is pressed in it.
// ---------------------------------------------------------------------------------------------

void PLR_OpenInputBox(int x, int y, int items);               // rows clamped to 1..30; no effect if open
void PLR_ResizeInputBox(int labelWidth, int fieldWidth);      // the columns' widths (at least 1), kept for later boxes
void PLR_SetInputBoxTitle(int row, const char* label);        // no effect for a row that is not open
int PLR_GetInputBoxText(int row, char* buffer, int capacity); // 0 copied (cut to fit); 1 no such row open ("")
int PLR_GetInputBoxValue(int row); // the number its value begins with; 0 for none, or no such row open

// ---------------------------------------------------------------------------------------------
// Button box
// NOTE: one box of NX x NY push buttons (at most 256), numbered row by row from 0; a click or a
// digit key while the box has the focus counts a press.
// ---------------------------------------------------------------------------------------------

void PLR_OpenButtonBox(int x, int y, int nx, int ny);        // no effect if open, or a bad grid
void PLR_SetButtonBoxTitle(int index, const char* label);    // a label may hold line breaks
int PLR_GetButtonPress(int index);                           // presses since the last call; 0 if none or closed
void PLR_ResizeButtonBox(int clientWidth, int clientHeight); // the buttons re-lay to fill it

// The application's entry points, called on the program thread: AppSetup once at start,
// AppMain on each Start.
void AppSetup();
void AppMain();
