// PELORI image operations: pixel access, colour models and drawing on the current image.
//
// NOTE: every pixel and drawing operation acts on the current image (currentImage) and re-reads
// its slot on each call; a point is inside when 0 <= x < width and 0 <= y < height, and nothing
// outside the image is ever read or written. Nothing here redraws a window.
#pragma once

#include <cstdint>

#include "plr_records.h"

#ifndef PLR_PRINTF_FORMAT
#ifdef __MINGW32__
#define PLR_PRINTF_FORMAT(f, a) __attribute__((format(gnu_printf, f, a)))
#else
#define PLR_PRINTF_FORMAT(f, a) __attribute__((format(printf, f, a)))
#endif
#endif

// ---------------------------------------------------------------------------------------------
// Pixels
// NOTE: a 32-bit image stores whole colour values; an 8-bit image stores the low byte.
// ---------------------------------------------------------------------------------------------

extern int penX, penY; // the pen position: the last point put or inverted, (0, 0) at start

int PLR_PutPixel(int x, int y, ColorValue color); // moves the pen to (x, y) first; 0 written, 1 outside
ColorValue PLR_GetPixel(int x, int y);            // the word (32-bit) or byte (8-bit); 0 outside
int64_t PLR_ProbePixel(int x, int y);             // as PLR_GetPixel, but -1 outside (unlike any pixel)
int PLR_InvertPixel(int x, int y);                // moves the pen; XOR 0xFFFFFF, or NOT of the byte; 1 outside
int PLR_ClearImage(int slot);                     // zeroes that slot's storage (not the current one); 1 closed
// Copies a w x h block (w words or bytes per row, as the current image's depth) to column x0 of
// row 0; pixels falling outside are skipped unread. 0 done; 1 current slot closed; 2 no source.
int PLR_PutBlock(const void* source, int x0, int w, int h);

// ---------------------------------------------------------------------------------------------
// Colour models
// NOTE: H is in degrees 0..359; S is max - min and V is max, both 0..255.
// ---------------------------------------------------------------------------------------------

void PLR_SplitRGB(ColorValue color, int* r, int* g, int* b); // each 0..255; null outputs are skipped
void PLR_RGBtoHSV(ColorValue color, int* h, int* s, int* v); // null outputs are skipped
int PLR_GetHue(ColorValue color);                            // H of PLR_RGBtoHSV
int PLR_GetSaturation(ColorValue color);                     // S of PLR_RGBtoHSV
int PLR_GetValue(ColorValue color);                          // V of PLR_RGBtoHSV
ColorValue PLR_HSVtoRGB(int v, int s, int h);                // inverse of PLR_RGBtoHSV; inputs not clamped

// ---------------------------------------------------------------------------------------------
// Drawing
// NOTE: corners of rectangles may come in any order. The XOR forms invert every pixel of the
// shape once, so drawing the same shape twice restores the image.
// ---------------------------------------------------------------------------------------------

extern ColorValue drawingColor; // colour of the menu drawing commands and of the flood fill; 0xFFFFFF at start

void PLR_DrawLine(ColorValue color, int x0, int y0, int x1, int y1); // both ends included; pen to (x1, y1)
void PLR_DrawLineXor(int x0, int y0, int x1, int y1);                // the same pixels, inverted
void PLR_DrawRect(int x0, int y0, int x1, int y1);                   // outline in drawingColor
void PLR_DrawRectXor(int x0, int y0, int x1, int y1);                // outline, inverted
void PLR_DrawBox(int x0, int y0, int x1, int y1, ColorValue border, ColorValue fill); // outline and inside
void PLR_FillBoxXor(int x0, int y0, int x1, int y1);                                  // whole rectangle, inverted
void PLR_DrawCircle(ColorValue color, int cx, int cy, int r);                         // outline
void PLR_DrawCircleXor(int cx, int cy, int r);                                        // outline, inverted
void PLR_FillCircle(int r, int cx, int cy);                                           // disc in drawingColor
void PLR_FillCircleXor(int r, int cx, int cy); // disc, inverted (r = 0 leaves the image unchanged)
void PLR_FloodFill(int x, int y);              // the 4-connected region of (x, y)'s value, in drawingColor

// ---------------------------------------------------------------------------------------------
// Profiles and the chroma plane: the graphs of a row or an area, plotted into the current image
// ---------------------------------------------------------------------------------------------

enum ProfileChannels {
    CHANNEL_RED,
    CHANNEL_GREEN,
    CHANNEL_BLUE,
    CHANNEL_HUE,
    CHANNEL_SATURATION,
    CHANNEL_VALUE,
    CHANNEL_LUMA,
    CHANNEL_CR,
    CHANNEL_CB,   // Y, Cr + 128, Cb + 128
    CHANNEL_BYTE, // an 8-bit image's pixel; its row is bytes
};

void PLR_ReadRow(void* buffer, int y, int n); // n pixels of row y: words, or bytes for 8 bits; 0 outside
// One channel of n pixels as a polyline from column offset: value v at row 127 - v * 127 / m,
// m being 359 for the hue and 255 otherwise.
void PLR_PlotProfile(const void* row, int offset, int n, int channel, ColorValue color);
// The Cb/Cr axes and labels, then the colours' points (Cb + 128, 128 - Cr) as polylines: rowLength 0
// makes one polyline alternating white and magenta from point to point; otherwise each row of
// rowLength colours is a white polyline of its own.
void PLR_PlotCrCb(const ColorValue* colors, int count, int rowLength);

// ---------------------------------------------------------------------------------------------
// Text in images
// NOTE: the built-in font has 8 x 14 cells; the text cursor is the left edge and the baseline
// (the row below the cell) of the next character, and a new line returns to the left margin.
// ---------------------------------------------------------------------------------------------

enum { DRAW_PRINTF_CAPACITY = 4096 };

extern ColorValue plr_tc;            // colour of built-in-font text; 0 at start
extern ColorValue plr_tttc;          // colour of TrueType text; 0xFFFFFF at start
extern int textCursorX, textCursorY; // left edge and baseline of the next character
extern int textLeftMargin;           // where a new line starts
extern int imageTextCellWidth;       // last width given for the TrueType font; 8 at start
extern int imageTextCellHeight;      // its height, the TrueType line advance; 16 at start

void PLR_DrawChar(char c); // one character in plr_tc; 10 is a new line, other codes outside 32..127 are ignored
void PLR_DrawString(const char* s);                                   // PLR_DrawChar for each byte
void PLR_DrawPrintf(const char* format, ...) PLR_PRINTF_FORMAT(1, 2); // at most 4095 bytes, the rest cut

// TrueType text in the image-text font, in plr_tttc with a transparent background; its cell's
// bottom row is the text cursor's baseline. Codes 1/2 italic on/off, 3/4 bold/normal, 5/6
// underline on/off, 10 a new line; a double-byte character is lead byte * 256 + trail byte.
void PLR_DrawTTChar(int code);
void PLR_DrawTTString(const char* s);          // PLR_DrawTTChar per character; lead bytes as the code page has them
void PLR_SetTTFontSize(int width, int height); // cell width and height (the line advance)
