#include "boxes/button_box.h"
#include "pelori.h"

ButtonBox buttonBox = {nullptr, 0, 0, 0, 98, 26, {}, {}, 0};

bool IsButtonIndex(int index) { return buttonBox.window != nullptr && index >= 0 && index < buttonBox.count; }

int PLR_GetButtonPress(int index) {
    if (!IsButtonIndex(index)) return 0;
    int presses = buttonBox.presses[index];
    buttonBox.presses[index] = 0;
    return presses;
}
