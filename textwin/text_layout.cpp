#include "textwin/text_layout.h"

int CharacterCells(wchar_t code) { return code < 0x80 ? 1 : 2; }

int ScrollIfNeeded(TextWindowSlot* slot, const TextLayoutSink* sink) {
    if (slot->cursorY + slot->cellHeight < slot->height) return 0;
    int copyHeight = slot->cursorY - slot->cellHeight;
    slot->cursorY -= slot->cellHeight;
    sink->scroll(sink->context, copyHeight > 0 ? copyHeight : 0, slot->cursorY);
    return 1;
}

static void NewLine(TextWindowSlot* slot, const TextLayoutSink* sink) {
    slot->cursorY += slot->cellHeight;
    slot->cursorX = 0;
    ScrollIfNeeded(slot, sink);
}

// A run is drawn where it began, at the cursor, which moves only at line breaks and at the end.
static void DrawRun(TextWindowSlot* slot, const wchar_t* run, int count, const TextLayoutSink* sink) {
    if (count > 0) sink->drawRun(sink->context, run, count, slot->cursorX, slot->cursorY);
}

void LayOutText(TextWindowSlot* slot, const wchar_t* text, const TextLayoutSink* sink) {
    int x = slot->cursorX;
    const wchar_t* run = text;
    int count = 0;
    for (const wchar_t* p = text; *p != 0; ++p) {
        if (*p == L'\n') {
            DrawRun(slot, run, count, sink);
            NewLine(slot, sink);
            x = 0;
            run = p + 1;
            count = 0;
            continue;
        }
        int advance = CharacterCells(*p) * slot->cellWidth;
        if (x + advance > slot->width) {
            DrawRun(slot, run, count, sink);
            NewLine(slot, sink);
            x = 0;
            run = p;
            count = 0;
        }
        ++count;
        x += advance;
    }
    if (count > 0) {
        DrawRun(slot, run, count, sink);
        slot->cursorX = x;
    }
}
