// Line input: one edited line read at the cursor of the current text window, with a blinking
// caret, fed by the text windows' keyboard messages through the key queue.
#include "textwin/text_windows_win.h"
#include "textwin/key_queue.h"
#include "textwin/line_editor.h"
#include "shell/clock.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"

#include <cstdio>

enum { BLINK_MS = 200, IDLE_WAIT_MS = 5 };

void PasteClipboardLine() {
    if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(nullptr)) return;
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const wchar_t* text = data != nullptr ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
    if (text != nullptr) {
        // The block's size bounds the scan: clipboard text need not be terminated.
        size_t units = GlobalSize(data) / sizeof(wchar_t);
        for (size_t i = 0; i < units && text[i] != 0 && text[i] != L'\n' && text[i] != L'\r'; ++i)
            if (!QueueKey(text[i])) break;
        GlobalUnlock(data);
    }
    CloseClipboard();
}

// Ctrl with a letter gives a control character, which the line drops; AltGr arrives as Ctrl+Alt
// and gives the characters of European layouts (@, \, {, }, and letters), which it keeps.
void QueueTypedCharacter(WPARAM character) {
    if (GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_MENU) >= 0) return;
    QueueKey(static_cast<wchar_t>(character));
}

void NoteRecallKey(WPARAM key) {
    if (recallRequest != RECALL_NONE) return;
    if (key == VK_UP) recallRequest = RECALL_LAST_LINE;
    if (key == 'V' && GetKeyState(VK_CONTROL) < 0) recallRequest = RECALL_CLIPBOARD;
}

namespace {

struct Reading {
    int index; // the text window that reads
    LineEditor editor;
    HBITMAP backBuffer; // the window's back buffer the line is drawn in; a new size makes a new one
};

TextWindowSlot* ReadingWindow(const Reading& reading) { return &textWindows[reading.index]; }

void DrawCellsInWindow(void* context, wchar_t character, int x, int y, int cells) {
    DrawTextCells(character, ReadingWindow(*static_cast<Reading*>(context))->memoryDC, x, y, cells);
}

void DrawCaretInWindow(void*, int phase) { DrawCaret(phase); }

void InvalidateWindow(void* context) {
    InvalidateRect(ReadingWindow(*static_cast<Reading*>(context))->window, nullptr, FALSE);
}

void ScrollRun(void*, const wchar_t*, int, int, int) {}

void ScrollBlock(void* context, int copyHeight, int clearTop) {
    TextWindowSlot* slot = ReadingWindow(*static_cast<Reading*>(context));
    BitBlt(slot->memoryDC, 0, 0, slot->width, copyHeight, slot->memoryDC, 0, slot->cellHeight, SRCCOPY);
    PatBlt(slot->memoryDC, 0, clearTop, slot->width, slot->height - clearTop, PATCOPY);
}

void ServeRecallRequest(const Reading& reading) {
    int request = recallRequest;
    if (request == RECALL_LAST_LINE) {
        for (const wchar_t* p = lastLine; *p != 0; ++p)
            SendMessageW(ReadingWindow(reading)->window, WM_CHAR, *p, 1);
    } else if (request == RECALL_CLIPBOARD) {
        PasteClipboardLine();
    }
    if (request != RECALL_NONE) recallRequest = RECALL_NONE;
}

void EndLine(Reading* reading, char* buffer, const LineEditorSink* sink) {
    TextWindowSlot* slot = ReadingWindow(*reading);
    DrawTextCells(L' ', slot->memoryDC, slot->cursorX, slot->cursorY, 1);
    slot->cursorX = 0;
    slot->cursorY += slot->cellHeight;
    if (ScrollIfNeeded(slot, sink->scroll)) sink->invalidateAll(sink->context);
    LineEditor& editor = reading->editor;
    editor.line[editor.length] = 0;
    wcsncpy(lastLine, editor.line, LINE_CAPACITY - 1);
    lastLine[LINE_CAPACITY - 1] = 0;
    WideToNarrow(editor.line, buffer, LINE_CAPACITY); // whole characters only, always terminated
    if (slot->logState == LOG_ON && slot->logFile != nullptr) {
        fputs(buffer, slot->logFile);
        fputc('\n', slot->logFile);
    }
    runState.lineInputOwner = 0; // last: another read may claim the line from here on
}

// Sleeps until a message arrives or a few milliseconds pass, so an idle prompt costs next to no
// processor time while the caret still blinks on time.
void WaitBriefly() { MsgWaitForMultipleObjects(0, nullptr, FALSE, IDLE_WAIT_MS, QS_ALLINPUT); }

} // namespace

void PLR_ReadLine(char* buffer) {
    if (buffer == nullptr || !IsOpenTextWindow(currentTextWindow)) return;
    buffer[0] = '\0';
    Reading reading;
    reading.index = currentTextWindow;
    // One line at a time: a read asked for while another waits (from a handler that its pump runs,
    // or on the other thread) gets nothing, and the first goes on. Exit may end it from here on.
    int32_t idle = 0;
    if (!runState.lineInputOwner.compare_exchange_strong(idle, reading.index + 1)) return;
    // After Exit nothing ends a read from outside any more: one asked for then gets nothing.
    if (runState.exitState != EXIT_NONE) {
        runState.lineInputOwner = 0;
        return;
    }
    SetForegroundWindow(ReadingWindow(reading)->window);
    SetStatusText("Input text");
    StartLineEditor(&reading.editor, *ReadingWindow(reading));
    TextLayoutSink scroll = {&reading, ScrollRun, ScrollBlock};
    LineEditorSink sink = {&reading, DrawCellsInWindow, DrawCaretInWindow, InvalidateWindow, &scroll};
    KeepRoomForTheCaret(ReadingWindow(reading), &sink);
    reading.backBuffer = ReadingWindow(reading)->backBuffer;
    uint32_t lastBlink = ClockMs();
    LineEditor& editor = reading.editor;

    for (;;) {
        PumpDialogMessages();
        if (runState.lineInputOwner != 0 && ReadingWindow(reading)->backBuffer != reading.backBuffer) {
            // Resized: the window is empty and its cursor home; the line so far is shown again.
            reading.backBuffer = ReadingWindow(reading)->backBuffer;
            RelayLine(&editor, ReadingWindow(reading), &sink);
        }
        wchar_t key = TakeKey();
        if (key == L'\t') key = L' ';
        if (key == L'\r') {
            if (runState.lineInputOwner != 0) EndLine(&reading, buffer, &sink);
            break;
        }
        ServeRecallRequest(reading);
        if (runState.lineInputOwner == 0) break; // ended from outside: Exit, or the window closed
        if (key == L'\b')
            DeleteLineCharacter(&editor, ReadingWindow(reading), &sink);
        else if (key != 0)
            InsertLineCharacter(&editor, ReadingWindow(reading), key, &sink);
        if (editor.caretDirty) {
            DrawCaret(editor.caretPhase);
            editor.caretDirty = false;
        }
        if (ClockMs() - lastBlink > BLINK_MS) {
            editor.caretPhase ^= 1;
            editor.caretDirty = true;
            lastBlink = ClockMs();
        }
        if (key == 0) WaitBriefly();
    }
    SetStatusColorDepth();
}
