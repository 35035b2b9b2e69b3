// The text window table: selection and the colour stack, which need no window system.
#pragma once

#include "plr_records.h"

bool IsOpenTextWindow(int index);
int LowestOpenTextWindow(); // -1 when none is open
int FindTextWindow(HWND__* window);

// The stack holds COLOR_STACK_DEPTH pairs: a push beyond that drops the oldest pair, and popping
// more often than pushing keeps returning the oldest saved pair.
void PushColorPair(TextWindowSlot* slot, ColorValue text, ColorValue back);
void PopColorPair(TextWindowSlot* slot);
void FillColorStacks(TextWindowSlot* slot);
