// Text windows: opening, closing, the current window, formatted output and colours.
#include "textwin/text_windows_win.h"
#include "textwin/text_layout.h"
#include "shell/owned_window_win.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"
#include "imageops/color_order.h"
#include "pelori.h"

#include <cstdarg>
#include <cstdio>

enum { PRINTF_CAPACITY = 4096, DEFAULT_TEXT_WIDTH = 400, DEFAULT_TEXT_HEIGHT = 300 };

static const DWORD TEXT_WINDOW_STYLE = WS_VISIBLE | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;

void ApplyTextColors(TextWindowSlot* slot) {
    SetTextColor(slot->memoryDC, SwapRedBlue(slot->textColor));
    SetBkColor(slot->memoryDC, SwapRedBlue(slot->backColor));
}

// A black back buffer of the given size with the black brush and the OEM fixed-pitch font.
bool MakeBackBuffer(TextWindowSlot* slot, int width, int height) {
    HDC windowDC = GetDC(slot->window);
    HDC memoryDC = windowDC ? CreateCompatibleDC(windowDC) : nullptr;
    HBITMAP backBuffer = memoryDC ? CreateCompatibleBitmap(windowDC, width, height) : nullptr;
    if (backBuffer == nullptr) {
        if (memoryDC) DeleteDC(memoryDC);
        if (windowDC) ReleaseDC(slot->window, windowDC);
        return false;
    }
    SelectObject(memoryDC, GetStockObject(BLACK_BRUSH));
    SelectObject(memoryDC, GetStockObject(OEM_FIXED_FONT));
    slot->previousBitmap = static_cast<HBITMAP>(SelectObject(memoryDC, backBuffer));
    PatBlt(memoryDC, 0, 0, width, height, PATCOPY);
    slot->windowDC = windowDC;
    slot->memoryDC = memoryDC;
    slot->backBuffer = backBuffer;
    return true;
}

void ReleaseBackBuffer(TextWindowSlot* slot) {
    SelectObject(slot->memoryDC, slot->previousBitmap);
    DeleteObject(slot->backBuffer);
    DeleteDC(slot->memoryDC);
    ReleaseDC(slot->window, slot->windowDC);
    slot->memoryDC = slot->windowDC = nullptr;
    slot->backBuffer = slot->previousBitmap = nullptr;
}

int PLR_OpenTextWindow(int index, int x, int y, int width, int height) {
    if (static_cast<unsigned>(index) >= SLOT_COUNT) return 2;
    TextWindowSlot* slot = &textWindows[index];
    if (slot->inUse) {
        SetForegroundWindow(slot->window);
        currentTextWindow = index;
        return 1;
    }
    if (width < 0) width = DEFAULT_TEXT_WIDTH;
    if (height < 0) height = DEFAULT_TEXT_HEIGHT;

    wchar_t title[32];
    swprintf(title, 32, L"TextWindow %d", index);
    RECT outer = {0, 0, width, height};
    AdjustWindowRect(&outer, TEXT_WINDOW_STYLE, FALSE);
    HWND window = CreateOwnedWindow(L"plr_twi", title, TEXT_WINDOW_STYLE, x, y, x < 0, y < 0, outer.right - outer.left,
                                    outer.bottom - outer.top);
    if (window == nullptr) return 2;
    slot->window = window;
    if (!MakeBackBuffer(slot, width, height)) {
        DestroyWindow(window);
        slot->window = nullptr;
        return 3;
    }
    slot->width = width;
    slot->height = height;
    currentTextWindow = index;
    slot->textColor = 0xFFFFFF;
    slot->backColor = 0x000000;
    slot->cursorX = slot->cursorY = 0;
    ApplyTextColors(slot);
    TEXTMETRICW metrics;
    GetTextMetricsW(slot->memoryDC, &metrics);
    slot->cellWidth = metrics.tmAveCharWidth;
    slot->cellHeight = metrics.tmHeight;
    FillColorStacks(slot);
    slot->inUse = 1;
    slot->logState = LOG_OFF;
    UpdateWindow(window);
    SetForegroundWindow(window);
    return 0;
}

void PLR_EnsureTextWindow() {
    if (IsOpenTextWindow(currentTextWindow)) {
        SetForegroundWindow(textWindows[currentTextWindow].window);
        return;
    }
    PLR_OpenTextWindow(0, GetSystemMetrics(SM_CXFULLSCREEN) / 2 - DEFAULT_TEXT_WIDTH / 2,
                       GetSystemMetrics(SM_CYFULLSCREEN) / 2 - DEFAULT_TEXT_HEIGHT / 2, DEFAULT_TEXT_WIDTH,
                       DEFAULT_TEXT_HEIGHT);
}

int PLR_SelectTextWindow(int index) {
    if (!IsOpenTextWindow(index)) return 1;
    currentTextWindow = index;
    return 0;
}

int PLR_DestroyTextWindow(int index) {
    if (!IsOpenTextWindow(index)) return 1;
    TextWindowSlot* slot = &textWindows[index];
    slot->inUse = 0;
    if (index == currentTextWindow) {
        int lowest = LowestOpenTextWindow();
        if (lowest >= 0) currentTextWindow = lowest;
    }
    int32_t reader = index + 1;
    runState.lineInputOwner.compare_exchange_strong(reader, 0);
    ReleaseBackBuffer(slot);
    DestroyWindow(slot->window);
    return 0;
}

void PLR_PushTextColor(ColorValue text, ColorValue background) {
    if (!IsOpenTextWindow(currentTextWindow)) return;
    PushColorPair(&textWindows[currentTextWindow], text, background);
    ApplyTextColors(&textWindows[currentTextWindow]);
}

void PLR_PopTextColor() {
    if (!IsOpenTextWindow(currentTextWindow)) return;
    PopColorPair(&textWindows[currentTextWindow]);
    ApplyTextColors(&textWindows[currentTextWindow]);
}

static void DrawRunInBackBuffer(void* context, const wchar_t* run, int count, int x, int y) {
    TextOutW(static_cast<TextWindowSlot*>(context)->memoryDC, x, y, run, count);
}

static void ScrollBackBuffer(void* context, int copyHeight, int clearTop) {
    TextWindowSlot* slot = static_cast<TextWindowSlot*>(context);
    BitBlt(slot->memoryDC, 0, 0, slot->width, copyHeight, slot->memoryDC, 0, slot->cellHeight, SRCCOPY);
    PatBlt(slot->memoryDC, 0, clearTop, slot->width, slot->height - clearTop, PATCOPY);
}

static TextLayoutSink BackBufferSink(TextWindowSlot* slot) { return {slot, DrawRunInBackBuffer, ScrollBackBuffer}; }

int ScrollTextWindow(int index) {
    if (!IsOpenTextWindow(index)) return 0;
    TextLayoutSink sink = BackBufferSink(&textWindows[index]);
    return ScrollIfNeeded(&textWindows[index], &sink);
}

void PLR_Printf(const char* format, ...) {
    if (format == nullptr || !IsOpenTextWindow(currentTextWindow)) return;
    TextWindowSlot* slot = &textWindows[currentTextWindow];
    char text[PRINTF_CAPACITY];
    va_list args;
    va_start(args, format);
    vsnprintf(text, sizeof text, format, args);
    va_end(args);
    wchar_t wide[PRINTF_CAPACITY];
    NarrowToWide(text, wide, PRINTF_CAPACITY);
    if (slot->logState == LOG_ON && slot->logFile != nullptr) fputs(text, slot->logFile);
    TextLayoutSink sink = BackBufferSink(slot);
    LayOutText(slot, wide, &sink);
    InvalidateRect(slot->window, nullptr, FALSE);
    PumpDialogMessages();
}

void DrawTextCells(wchar_t character, HDC context, int x, int y, int cells) {
    TextOutW(context, x, y, &character, 1);
    if (!IsOpenTextWindow(currentTextWindow)) return;
    const TextWindowSlot& slot = textWindows[currentTextWindow];
    RECT cell = {x, y, x + cells * slot.cellWidth, y + slot.cellHeight};
    InvalidateRect(slot.window, &cell, FALSE);
}

void DrawCaret(int phase) {
    if (!IsOpenTextWindow(currentTextWindow)) return;
    const TextWindowSlot& slot = textWindows[currentTextWindow];
    DrawTextCells((phase & 1) ? L'_' : L' ', slot.memoryDC, slot.cursorX, slot.cursorY, 1);
}
