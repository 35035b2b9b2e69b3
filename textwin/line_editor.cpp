#include "textwin/line_editor.h"

#include <cstring>

static const wchar_t BLANK = L' ';
static const wchar_t IDEOGRAPHIC_SPACE = 0x3000;

void StartLineEditor(LineEditor* editor, const TextWindowSlot& window) {
    std::memset(editor, 0, sizeof *editor);
    editor->cellWidth = window.cellWidth;
    editor->cellHeight = window.cellHeight;
    editor->caretPhase = 1;
    editor->caretDirty = true;
}

static void StartRow(LineEditor* editor, TextWindowSlot* window, const LineEditorSink* sink) {
    window->cursorX = 0;
    window->cursorY += editor->cellHeight;
    if (editor->rows < LINE_MAX_ROW_BREAKS) editor->rows += 1;
    if (ScrollIfNeeded(window, sink->scroll)) sink->invalidateAll(sink->context);
}

static void BreakRow(LineEditor* editor, TextWindowSlot* window, int returnX, const LineEditorSink* sink) {
    if (editor->rows < LINE_MAX_ROW_BREAKS) editor->rowEnds[editor->rows + 1] = returnX;
    StartRow(editor, window, sink);
}

static void BackOneRow(LineEditor* editor, TextWindowSlot* window, int x) {
    window->cursorX = x;
    editor->rows -= 1;
    window->cursorY -= editor->cellHeight;
}

void KeepRoomForTheCaret(TextWindowSlot* window, const LineEditorSink* sink) {
    if (window->cursorX == 0 || window->cursorX + window->cellWidth <= window->width) return;
    window->cursorX = 0;
    window->cursorY += window->cellHeight;
    if (ScrollIfNeeded(window, sink->scroll)) sink->invalidateAll(sink->context);
}

void RelayLine(LineEditor* editor, TextWindowSlot* window, const LineEditorSink* sink) {
    wchar_t line[LINE_MAX_UNITS + 1];
    int length = editor->length;
    std::memcpy(line, editor->line, sizeof line);
    int phase = editor->caretPhase;
    StartLineEditor(editor, *window);
    editor->caretPhase = phase;
    KeepRoomForTheCaret(window, sink);
    for (int i = 0; i < length; ++i)
        InsertLineCharacter(editor, window, line[i], sink);
}

void InsertLineCharacter(LineEditor* editor, TextWindowSlot* window, wchar_t unit, const LineEditorSink* sink) {
    if (editor->length >= LINE_MAX_UNITS) return;
    int cells = CharacterCells(unit), cw = editor->cellWidth;
    // A two-cell character moves whole to the next row; the break remembers where it would have ended.
    if (cells == 2 && window->cursorX + 2 * cw > window->width) {
        sink->drawCells(sink->context, BLANK, window->cursorX, window->cursorY, 1);
        BreakRow(editor, window, window->cursorX + 2 * cw, sink);
    }
    sink->drawCells(sink->context, unit, window->cursorX, window->cursorY, cells);
    // The caret always gets a whole cell: wrap as soon as the next cell would cross the edge.
    if (window->cursorX + cells * cw > window->width - cw)
        BreakRow(editor, window, window->cursorX, sink);
    else
        window->cursorX += cells * cw;
    editor->line[editor->length++] = unit;
    sink->drawCaret(sink->context, editor->caretPhase);
    editor->caretDirty = false;
}

void DeleteLineCharacter(LineEditor* editor, TextWindowSlot* window, const LineEditorSink* sink) {
    if (editor->length == 0) return;
    int cw = editor->cellWidth;
    sink->drawCells(sink->context, BLANK, window->cursorX, window->cursorY, 1);
    editor->length -= 1;
    int cells = CharacterCells(editor->line[editor->length]);
    editor->line[editor->length] = 0;
    if (editor->rows > 0 && window->cursorX == 0)
        BackOneRow(editor, window, editor->rowEnds[editor->rows]);
    else
        window->cursorX -= cells * cw;
    if (cells == 2) {
        sink->drawCells(sink->context, IDEOGRAPHIC_SPACE, window->cursorX, window->cursorY, 2);
        // It had been moved whole to this row: go back to where it would have stood.
        if (editor->rows > 0 && window->cursorX == 0 && editor->rowEnds[editor->rows] >= window->width)
            BackOneRow(editor, window, editor->rowEnds[editor->rows] - 2 * cw);
    }
}
