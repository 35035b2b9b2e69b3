// Picks and graphs without the window system: the pick state the image windows report into, the
// rubber bands, and the profile and chroma plots.
#pragma once

#include "plr_imageops.h"

// Raised by the picked image window from its mouse messages, consumed by the running pick; all on
// the program thread. Points are picture points.
struct PickState {
    int pickSlot; // the slot whose window takes the pick's events; -1 when no pick runs
    int clickPending, clickX, clickY;
    int movePending, moveX, moveY;
    int cancelPending; // right or middle button
};
extern PickState pickState;

enum RubberBands { BAND_NONE, BAND_ROW, BAND_COLUMN, BAND_LINE, BAND_RECT, BAND_CIRCLE, BAND_PASTE };

// A rubber band on the current image: drawn by inverting pixels, so drawing it twice restores it.
struct RubberBand {
    int kind;
    int anchorX, anchorY; // the first point of the line, rectangle and circle
    int x, y;             // the mouse
    int width, height;    // the paste frame's size
};
void DrawRubberBand(const RubberBand& band);

int CircleRadius(int dx, int dy); // the distance, rounded to the nearest integer

// The paste frame around (x, y): x from x - w / 2 over w columns, y likewise.
struct Frame {
    int left, top, right, bottom;
};
Frame PasteFrame(int x, int y, int width, int height);

// The value a profile plots for a pixel, and the row at which it is plotted in a 128-high graph.
int ProfileValue(ColorValue pixel, int channel);
int ProfileRow(int value, int channel); // 127 - value * 127 / (359 for hue, 255 otherwise)

// A graph's label in the built-in font: text cursor and left margin at x, baseline y, in color.
void DrawLabel(const char* text, ColorValue color, int x, int y);

// The chroma plane's point of a colour: Cb grows to the right, Cr upward, around (128, 128).
struct PlanePoint {
    int x, y;
};
PlanePoint ChromaPoint(ColorValue color);
