// Command ids: each id names one command throughout the program.
#pragma once

enum CommandIds {
    CMD_START = 1001,
    CMD_EXIT = 1002,
    CMD_STOP = 1003,
    CMD_DESTROY_INPUT_BOX = 1023,
    CMD_PASTE = 1026,
    CMD_IMAGE_WINDOW = 1027,
    CMD_TEXT_WINDOW = 1028,
    CMD_INPUT_BOX = 1044,
    CMD_WINDOW_INFO = 1045,
    CMD_DESTROY_BOX = 1050,
    CMD_BUTTON_BOX = 1051,
    CMD_RENAME_ROW = 1056,
    CMD_RENAME = 1057,
};

enum ControlIds {
    ID_STATUS_LINE = 2001,
};
