#include "boxes/input_box.h"
#include "shell/read_number.h"
#include "pelori.h"

#include <climits>
#include <cstring>

InputBox inputBox = {nullptr, 0, {}, {}, {}, INPUT_LABEL_WIDTH, INPUT_FIELD_WIDTH, nullptr, 0, 0};

int ClampInputItems(int items) { return items < 1 ? 1 : (items > INPUT_ROW_LIMIT ? INPUT_ROW_LIMIT : items); }

GridSize InputBoxClientSize(int items, int labelWidth, int fieldWidth) {
    return {labelWidth + fieldWidth + 12, INPUT_ROW_HEIGHT * items + 2};
}

void FitInputColumns(InputBox* box, int clientWidth) {
    bool leftEdge =
        box->sizingEdge == SIZING_LEFT || box->sizingEdge == SIZING_TOP_LEFT || box->sizingEdge == SIZING_BOTTOM_LEFT;
    int* changing = leftEdge ? &box->labelWidth : &box->fieldWidth;
    int kept = leftEdge ? box->fieldWidth : box->labelWidth;
    int64_t width = static_cast<int64_t>(clientWidth) - kept - 12;
    *changing = width < 1 ? 1 : static_cast<int>(width);
}

int InputRowAt(int y) { return y / INPUT_ROW_HEIGHT; }

int PLR_GetInputBoxText(int row, char* buffer, int capacity) {
    if (buffer == nullptr || capacity <= 0) return 1;
    buffer[0] = '\0';
    if (inputBox.window == nullptr || row < 0 || row >= inputBox.items) return 1;
    size_t length = strnlen(inputBox.values[row], INPUT_VALUE_CAPACITY - 1);
    if (length >= static_cast<size_t>(capacity)) length = static_cast<size_t>(capacity) - 1;
    memcpy(buffer, inputBox.values[row], length);
    buffer[length] = '\0';
    return 0;
}

int PLR_GetInputBoxValue(int row) {
    if (inputBox.window == nullptr || row < 0 || row >= inputBox.items) return 0;
    return ReadLeadingNumber(inputBox.values[row]);
}
