// Where output goes in a text window: runs of characters drawn at the cursor, wrapping at the right
// edge, and one-line scrolls when a new line would reach the bottom edge. The caller draws.
#pragma once

#include "plr_records.h"

struct TextLayoutSink {
    void* context;
    // Draw count characters with one text call, the cell of the first at (x, y).
    void (*drawRun)(void* context, const wchar_t* run, int count, int x, int y);
    // Move the block of width x copyHeight pixels that starts at row cellHeight up to row 0, then
    // clear from row clearTop to the bottom to black.
    void (*scroll)(void* context, int copyHeight, int clearTop);
};

int CharacterCells(wchar_t code); // 1 below 0x80, else 2

// Scrolls by one line if a line at cursorY would reach the bottom edge; returns 1 if it scrolled.
int ScrollIfNeeded(TextWindowSlot* slot, const TextLayoutSink* sink);

// Lays out a terminated UTF-16 text at the slot's cursor and leaves the cursor after it.
void LayOutText(TextWindowSlot* slot, const wchar_t* text, const TextLayoutSink* sink);
