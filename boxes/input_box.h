// The input box record: one box of labelled edit fields whose values the user's code reads.
#pragma once

#include "boxes/button_layout.h"
#include "plr_records.h"

enum {
    INPUT_ROW_LIMIT = 30,
    INPUT_VALUE_CAPACITY = 256,
    INPUT_ROW_HEIGHT = 28,
    INPUT_CONTROL_HEIGHT = 24,
    INPUT_LABEL_WIDTH = 80, // the widths a program starts with
    INPUT_FIELD_WIDTH = 70,
};

// Sizing edges as the window system reports them while a frame is dragged.
enum { SIZING_LEFT = 1, SIZING_TOP_LEFT = 4, SIZING_BOTTOM_LEFT = 7 };

struct InputBox {
    HWND__* window; // null while the box is not open
    int items;      // rows, 1..30
    HWND__* labels[INPUT_ROW_LIMIT];
    HWND__* fields[INPUT_ROW_LIMIT];
    char values[INPUT_ROW_LIMIT][INPUT_VALUE_CAPACITY]; // the text last taken from each field, "0" at first
    int labelWidth, fieldWidth;                         // ISIZE and ESIZE: kept from one box to the next
    HWND__* focusedField;                               // the field that last received the focus
    int sizingEdge;                                     // the edge last dragged; the left ones widen the labels
    int renameTarget;                                   // the row the "Rename" popup was opened for
};

extern InputBox inputBox;

int ClampInputItems(int items); // 1..30
GridSize InputBoxClientSize(int items, int labelWidth, int fieldWidth);
// After the client area became clientWidth wide: the labels take the change when a left edge was
// dragged, the fields otherwise; neither goes below 1.
void FitInputColumns(InputBox* box, int clientWidth);
int InputRowAt(int y); // the row whose band holds client row y
