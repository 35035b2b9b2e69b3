#include "buttons.h"
#include "stereo.h"
#include "imagewin/image_slots.h"

#include <initializer_list>

namespace {

const int PICTURE = 0, DEPTH = 1, RESULT = 2, DISPLAY = 3, CURVE = 4;

int PictureWidth() { return IsImageInUse(PICTURE) ? imageSlots[PICTURE].width : 0; }

// A lower limit is applied after the step, so a double that lands a hair above it stays.
int StepShift(int delta) {
    stereo.shift += delta;
    if (stereo.shift < 0) stereo.shift = 0;
    PLR_Printf("shift:%d\n", stereo.shift);
    MakeViewPair();
    return BUTTON_CONTINUE;
}

int StepSMod(int delta) {
    stereo.S_mod += delta;
    if (stereo.S_mod < 0) stereo.S_mod = 0;
    if (stereo.S_mod > 10) stereo.S_mod = 10;
    PLR_Printf("S_mod:%d\n", stereo.S_mod);
    return BUTTON_CONTINUE;
}

int StepSCorrect(int delta) {
    stereo.S_correct += delta;
    if (stereo.S_correct < 0) stereo.S_correct = 0;
    if (stereo.S_correct > 255) stereo.S_correct = 255;
    PLR_Printf("S_correct:%d\n", stereo.S_correct);
    MakeCorrectionCurve();
    return BUTTON_CONTINUE;
}

int StepSCorrectSub(double delta) {
    stereo.S_correct_sub += delta;
    if (stereo.S_correct_sub < 0) stereo.S_correct_sub = 0;
    PLR_Printf("S_correct_sub:%f\n", stereo.S_correct_sub);
    MakeCorrectionCurve();
    return BUTTON_CONTINUE;
}

int StepGamma(double delta) {
    stereo.gamma += delta;
    if (stereo.gamma < 0) stereo.gamma = 0;
    PLR_Printf("gamma:%f\n", stereo.gamma);
    MakeGammaTable();
    return BUTTON_CONTINUE;
}

int RemakeViews(void (*makeMap)(), const char* message) {
    makeMap();
    MakeViewPair();
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
    MakeViewPair();
    return BUTTON_CONTINUE;
}

int CloseAndLeave() {
    for (int slot : {PICTURE, DEPTH, RESULT, DISPLAY, CURVE})
        if (IsImageInUse(slot)) PLR_DestroyImage(slot);
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
