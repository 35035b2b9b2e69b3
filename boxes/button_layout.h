// Geometry of the button box: a grid of equal buttons with 4-pixel gaps between them and at the
// borders.
#pragma once

enum { BUTTON_GAP = 4 };

struct GridSize {
    int width, height;
};

GridSize ButtonBoxClientSize(int columns, int rows, int buttonWidth, int buttonHeight);
// The button size that fills a client area; at least 0, never a division by zero.
GridSize ButtonSizeForClient(int clientWidth, int clientHeight, int columns, int rows);
// The top-left corner of button index in the client area.
GridSize ButtonPosition(int index, int columns, int buttonWidth, int buttonHeight);
// The button whose cell holds a client point; points beyond the grid take the nearest row or column.
int ButtonCellAt(int x, int y, int columns, int rows, int buttonWidth, int buttonHeight);
