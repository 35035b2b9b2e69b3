#include "boxes/button_layout.h"

static int Clamp(int value, int low, int high) { return value < low ? low : (value > high ? high : value); }

GridSize ButtonBoxClientSize(int columns, int rows, int buttonWidth, int buttonHeight) {
    return {columns * (buttonWidth + BUTTON_GAP) + BUTTON_GAP, rows * (buttonHeight + BUTTON_GAP) + BUTTON_GAP};
}

static int ButtonExtent(int client, int count) {
    if (count <= 0) return 0;
    int room = client - BUTTON_GAP * count - BUTTON_GAP;
    return (room > 1 ? room : 1) / count;
}

GridSize ButtonSizeForClient(int clientWidth, int clientHeight, int columns, int rows) {
    return {ButtonExtent(clientWidth, columns), ButtonExtent(clientHeight, rows)};
}

GridSize ButtonPosition(int index, int columns, int buttonWidth, int buttonHeight) {
    if (columns <= 0) return {BUTTON_GAP, BUTTON_GAP};
    return {(index % columns) * (buttonWidth + BUTTON_GAP) + BUTTON_GAP,
            (index / columns) * (buttonHeight + BUTTON_GAP) + BUTTON_GAP};
}

int ButtonCellAt(int x, int y, int columns, int rows, int buttonWidth, int buttonHeight) {
    int column = Clamp(x / (buttonWidth + BUTTON_GAP), 0, columns - 1);
    int row = Clamp(y / (buttonHeight + BUTTON_GAP), 0, rows - 1);
    return row * columns + column;
}
