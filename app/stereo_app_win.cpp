// The stereo application's entry points: set-up of its text window and button box, and the run
// that makes the depth map, the view pair and the anaglyph, then answers the buttons.
#include "app/buttons.h"
#include "app/stereo.h"

#include <windows.h>

#include <cmath>

namespace {

enum { PICTURE = 0, POLL_MS = 100 };

struct ImageWindowPlan {
    int slot;
    const char* name;
    int x, y;
};

const ImageWindowPlan depthWindow = {1, "depth", 422, 0};
const ImageWindowPlan resultWindow = {2, "result", 0, 308};
const ImageWindowPlan displayWindow = {3, "display", 500, 50};
const ImageWindowPlan curveWindow = {4, "S_correct", 300, 0};

// Waits 100 ms while the windows keep working; 1 when Stop or Exit was chosen meanwhile.
int AppWait() {
    int64_t start = PLR_ReadCounter();
    for (;;) {
        double elapsed = static_cast<double>(PLR_ReadCounter() - start) * PLR_MsPerCount();
        if (std::floor(elapsed + 0.5) >= POLL_MS) return 0;
        PLR_PumpMessages();
        if (runState.stopRequested == 1) return 1;
        // Sleeping a little keeps the wait from spinning a core; the pumps above still run often.
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
}

bool PictureIsReady() { return PLR_IsImageOpen(PICTURE) && PLR_GetStretchMode(PICTURE) != 0; }

// The message stays UTF-16 all the way to the box, whatever the system's code page.
void AskForAPicture() {
    MessageBoxW(nullptr, L"\u753B\u50CF\u3092\u30C9\u30E9\u30C3\u30B0\u3057\u3066\u4E0B\u3055\u3044", L"Pause", MB_OK);
}

// True when the four windows are open, made now or left open by the last run. Otherwise the ones
// made now are closed again: the steps would write into the picture in place of a missing window.
bool CreateImageWindows() {
    int width = imageSlots[PICTURE].width, height = imageSlots[PICTURE].height;
    struct Window {
        const ImageWindowPlan& plan;
        int width, height;
    } windows[] = {{depthWindow, width, height},
                   {resultWindow, 2 * width, height},
                   {displayWindow, width, height},
                   {curveWindow, 256, 256}};
    bool made[4] = {}, open = true;
    for (int i = 0; i < 4; ++i) {
        const Window& w = windows[i];
        int result = PLR_CreateImage(w.plan.slot, w.plan.name, w.plan.x, w.plan.y, w.width, w.height, 100);
        made[i] = result == 0;
        open = open && (result == 0 || result == 1);
    }
    if (!open)
        for (int i = 0; i < 4; ++i)
            if (made[i]) PLR_DestroyImage(windows[i].plan.slot);
    return open;
}

void MakeFirstPictures() {
    MakeCorrectionCurve();
    MakeSMapModV();
    PLR_Printf("S_map_modV\n");
    MakeViewPair();
    PLR_DrawImage(resultWindow.slot);
    ShowAnaglyph();
}

// One pass over the buttons; presses that arrived since the last pass run one action.
int PollButtons() {
    for (int i = 0; i < APP_BUTTON_COUNT; ++i) {
        PLR_Printf("%s", ""); // repaints the text window and keeps the box responsive between checks
        if (PLR_GetButtonPress(i) != 0 && RunButtonAction(i) == BUTTON_LEAVE) return BUTTON_LEAVE;
    }
    return BUTTON_CONTINUE;
}

} // namespace

void AppSetup() {
    PLR_OpenTextWindow(0, 216, 0, 198, 106);
    PLR_OpenButtonBox(0, 0, APP_BUTTON_COLUMNS, APP_BUTTON_ROWS);
    for (int i = 0; i < APP_BUTTON_COUNT; ++i)
        PLR_SetButtonBoxTitle(i, appButtons[i].label);
    MakeGammaTable();
    MakeCorrectionCurve();
    PLR_Printf("Drop picture\n to PELORI window\n and click \"Start\".\n");
}

// Runs until "break", or until Stop or Exit: the windows stay open then, so their pictures can
// still be saved, and a later Start begins again from the picture in slot 0.
void AppMain() {
    if (!PictureIsReady()) {
        AskForAPicture();
        return;
    }
    PLR_MoveImage(PICTURE, 216, 140);
    if (!CreateImageWindows()) {
        PLR_Pause("Not enough memory for the windows of this picture");
        return;
    }
    MakeFirstPictures();
    for (;;) {
        if (PollButtons() == BUTTON_LEAVE) return;
        if (AppWait() != 0) return;
    }
}
