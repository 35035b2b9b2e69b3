#include "textwin/text_slots.h"

TextWindowSlot textWindows[SLOT_COUNT];
int currentTextWindow;

bool IsOpenTextWindow(int index) { return static_cast<unsigned>(index) < SLOT_COUNT && textWindows[index].inUse; }

int LowestOpenTextWindow() {
    for (int i = 0; i < SLOT_COUNT; ++i)
        if (textWindows[i].inUse) return i;
    return -1;
}

int FindTextWindow(HWND__* window) {
    for (int i = 0; i < SLOT_COUNT; ++i)
        if (textWindows[i].inUse && textWindows[i].window == window) return i;
    return -1;
}

void PushColorPair(TextWindowSlot* slot, ColorValue text, ColorValue back) {
    for (int i = COLOR_STACK_DEPTH - 1; i > 0; --i) {
        slot->textColorStack[i] = slot->textColorStack[i - 1];
        slot->backColorStack[i] = slot->backColorStack[i - 1];
    }
    slot->textColorStack[0] = slot->textColor;
    slot->backColorStack[0] = slot->backColor;
    slot->textColor = text;
    slot->backColor = back;
}

void PopColorPair(TextWindowSlot* slot) {
    slot->textColor = slot->textColorStack[0];
    slot->backColor = slot->backColorStack[0];
    for (int i = 0; i < COLOR_STACK_DEPTH - 1; ++i) {
        slot->textColorStack[i] = slot->textColorStack[i + 1];
        slot->backColorStack[i] = slot->backColorStack[i + 1];
    }
}

void FillColorStacks(TextWindowSlot* slot) {
    for (int i = 0; i < COLOR_STACK_DEPTH; ++i) {
        slot->textColorStack[i] = slot->textColor;
        slot->backColorStack[i] = slot->backColor;
    }
}
