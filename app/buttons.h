// The twenty buttons of the stereo application: labels and actions.
#pragma once

enum { APP_BUTTON_COUNT = 20, APP_BUTTON_COLUMNS = 2, APP_BUTTON_ROWS = 10 };

enum ButtonOutcome { BUTTON_CONTINUE = 0, BUTTON_LEAVE = 1 };

struct AppButton {
    const char* label;
    int (*action)(); // ButtonOutcome
};

extern const AppButton appButtons[APP_BUTTON_COUNT];

int RunButtonAction(int index); // ButtonOutcome; BUTTON_CONTINUE for an index outside the table
