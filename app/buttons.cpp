#include "app/buttons.h"
#include "app/stereo.h"

#include <climits>
#include <initializer_list>

namespace {

const int PICTURE = 0, DEPTH = 1, RESULT = 2, DISPLAY = 3, CURVE = 4;

int PictureWidth() { return PLR_IsImageOpen(PICTURE) ? imageSlots[PICTURE].width : 0; }

// Limits are applied after the step: a result beyond a limit becomes the limit, so a double that
// lands a hair above its lower limit stays, and prints as 0.000000.
void StepInt(int* value, int delta, int low, int high, const char* format) {
    *value += delta;
    if (*value < low) *value = low;
    if (*value > high) *value = high;
    PLR_Printf(format, *value);
}

// The view pair's last redraw is of the slot it selected last, which is "depth" when the last
// depth pixel has no disparity; so whoever remakes the pair shows "result" again.
void RemakeViewPair() {
    MakeViewPair();
    PLR_DrawImage(RESULT);
}

void StepDouble(double* value, double delta, const char* format) {
    *value += delta;
    if (*value < 0) *value = 0;
    PLR_Printf(format, *value);
}

int StepShift(int delta) {
    StepInt(&stereo.shift, delta, 0, INT_MAX, "shift:%d\n");
    RemakeViewPair();
    return BUTTON_CONTINUE;
}

int StepSMod(int delta) {
    StepInt(&stereo.S_mod, delta, 0, 10, "S_mod:%d\n");
    return BUTTON_CONTINUE;
}

int StepSCorrect(int delta) {
    StepInt(&stereo.S_correct, delta, 0, 255, "S_correct:%d\n");
    MakeCorrectionCurve();
    return BUTTON_CONTINUE;
}

int StepSCorrectSub(double delta) {
    StepDouble(&stereo.S_correct_sub, delta, "S_correct_sub:%f\n");
    MakeCorrectionCurve();
    return BUTTON_CONTINUE;
}

int StepGamma(double delta) {
    StepDouble(&stereo.gamma, delta, "gamma:%f\n");
    MakeGammaTable();
    return BUTTON_CONTINUE;
}

int RemakeViews(void (*makeMap)(), const char* message) {
    makeMap();
    RemakeViewPair();
    PLR_Printf("%s", message);
    return BUTTON_CONTINUE;
}

int Compose(void (*show)()) {
    show();
    return BUTTON_CONTINUE;
}

// A depth map from a file replaces the estimate; the window keeps its size.
int LoadDepthMap() {
    char path[260];
    if (PLR_OpenFileDialog("Select depth_map file", path) != 0) return BUTTON_CONTINUE;
    PLR_SelectImage(DEPTH);
    if (PLR_LoadImageFile(path, 0, 0) != 0) {
        PLR_Printf("cannnot load\n");
        return BUTTON_CONTINUE;
    }
    PLR_Printf("load: %s\n", path);
    PLR_DrawImage(currentImage);
    stereo.shift = PictureWidth() / 64;
    RemakeViewPair();
    return BUTTON_CONTINUE;
}

int CloseAndLeave() {
    for (int slot : {PICTURE, DEPTH, RESULT, DISPLAY, CURVE})
        if (PLR_IsImageOpen(slot)) PLR_DestroyImage(slot);
    return BUTTON_LEAVE;
}

int Nothing() { return BUTTON_CONTINUE; }

} // namespace

const AppButton appButtons[APP_BUTTON_COUNT] = {
    {"--", [] { return StepShift(-1); }},
    {"++", [] { return StepShift(+1); }},
    {"V map", [] { return RemakeViews(MakeVMap, "V_map\n"); }},
    {"S map", [] { return RemakeViews(MakeSMap, "S_map\n"); }},
    {"anaglyph", [] { return Compose(ShowAnaglyph); }},
    {"", Nothing},
    {"I-lace1", [] { return Compose(ShowInterlace1); }},
    {"I-lace2", [] { return Compose(ShowInterlace2); }},
    {"S mod", [] { return RemakeViews(MakeSMapMod, "S_map_mod\n"); }},
    {"S mod+V", [] { return RemakeViews(MakeSMapModV, "S_map_modV\n"); }},
    {"Smod -", [] { return StepSMod(-1); }},
    {"Smod +", [] { return StepSMod(+1); }},
    {"Scorrect -", [] { return StepSCorrect(-5); }},
    {"Scorrect +", [] { return StepSCorrect(+5); }},
    {"ScorreSub-", [] { return StepSCorrectSub(-0.1); }},
    {"ScorreSub+", [] { return StepSCorrectSub(+0.1); }},
    {"gamma -", [] { return StepGamma(-0.1); }},
    {"gamma +", [] { return StepGamma(+0.1); }},
    {"load", LoadDepthMap},
    {"break", CloseAndLeave},
};

int RunButtonAction(int index) {
    if (index < 0 || index >= APP_BUTTON_COUNT) return BUTTON_CONTINUE;
    return appButtons[index].action();
}
