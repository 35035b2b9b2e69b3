// Editing one input line in a text window: where each character goes, when a row breaks, what
// backspace undoes. The cursor is the window's own; the caller draws what the editor asks for.
#pragma once

#include "plr_records.h"
#include "textwin/text_layout.h"

enum { LINE_MAX_UNITS = 255, LINE_MAX_ROW_BREAKS = 2 * LINE_MAX_UNITS };

struct LineEditor {
    wchar_t line[LINE_MAX_UNITS + 1];
    int length;
    int rows;                             // row breaks inside the line so far
    int rowEnds[LINE_MAX_ROW_BREAKS + 1]; // per break k: the x that deleting back across it returns to
    int cellWidth, cellHeight;            // copies taken when the input started
    int caretPhase;                       // 1 shows the underscore, 0 a blank
    bool caretDirty;
};

struct LineEditorSink {
    void* context;
    void (*drawCells)(void* context, wchar_t character, int x, int y, int cells);
    void (*drawCaret)(void* context, int phase); // at the window's cursor
    void (*invalidateAll)(void* context);        // after a scroll
    const TextLayoutSink* scroll;
};

void StartLineEditor(LineEditor* editor, const TextWindowSlot& window);
// The caret needs a whole cell: a line that would start past the last one (a prompt that filled
// its row) starts on the next row. Not a break of the line: backspace never goes back before it.
void KeepRoomForTheCaret(TextWindowSlot* window, const LineEditorSink* sink);
// Lays the line typed so far out again from the window's cursor, after the window lost what it
// showed (a new size gives a new, empty back buffer): the rows are counted afresh.
void RelayLine(LineEditor* editor, TextWindowSlot* window, const LineEditorSink* sink);
// Inserts a unit unless the line is full (then it is dropped).
void InsertLineCharacter(LineEditor* editor, TextWindowSlot* window, wchar_t unit, const LineEditorSink* sink);
void DeleteLineCharacter(LineEditor* editor, TextWindowSlot* window, const LineEditorSink* sink);
