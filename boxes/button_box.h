// The button box record: one grid of push buttons whose presses the application polls.
#pragma once

#include "plr_records.h"

enum { BUTTON_LIMIT = 256, BUTTON_ID_BASE = 3000 };

struct ButtonBox {
    HWND__* window; // null while the box is not open
    int count;      // columns x rows, 1..256
    int columns, rows;
    int buttonWidth, buttonHeight; // kept from one box to the next
    HWND__* buttons[BUTTON_LIMIT]; // button i is in row i / columns, column i % columns
    int presses[BUTTON_LIMIT];
    int renameTarget;
};

extern ButtonBox buttonBox;

bool IsButtonIndex(int index); // the box is open and 0 <= index < count
