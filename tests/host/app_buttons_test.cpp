#include "app/buttons.h"
#include "app/stereo.h"
#include "imagewin/image_slots.h"
#include "tests/support/test_images.h"
#include "tests/support/window_doubles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

int ButtonNamed(const char* label) {
    for (int i = 0; i < APP_BUTTON_COUNT; ++i)
        if (std::string(appButtons[i].label) == label) return i;
    return -1;
}

struct ButtonFixture : testing::Test {
    StereoParameters saved = stereo;
    void SetUp() override {
        ResetWindowDoubles();
        OpenTestImage(0, 32, 128, 8);
        OpenTestImage(1, 32, 128, 8);
        OpenTestImage(2, 32, 256, 8);
        OpenTestImage(3, 32, 128, 8);
        OpenTestImage(4, 32, 256, 256);
        MakeGammaTable();
        MakeCorrectionCurve();
    }
    void TearDown() override {
        stereo = saved;
        CloseTestImages();
        ResetWindowDoubles();
    }
    std::string Press(const char* label) {
        printed.clear();
        EXPECT_EQ(RunButtonAction(ButtonNamed(label)), BUTTON_CONTINUE) << label;
        return printed;
    }
};

TEST_F(ButtonFixture, LabelsInTheirPlaces) {
    const char* labels[APP_BUTTON_COUNT] = {"--",         "++",      "V map",      "S map",      "anaglyph",
                                            "",           "I-lace1", "I-lace2",    "S mod",      "S mod+V",
                                            "Smod -",     "Smod +",  "Scorrect -", "Scorrect +", "ScorreSub-",
                                            "ScorreSub+", "gamma -", "gamma +",    "load",       "break"};
    for (int i = 0; i < APP_BUTTON_COUNT; ++i)
        EXPECT_STREQ(appButtons[i].label, labels[i]) << i;
    EXPECT_EQ(RunButtonAction(5), BUTTON_CONTINUE);
    EXPECT_EQ(RunButtonAction(20), BUTTON_CONTINUE);
    EXPECT_EQ(RunButtonAction(-1), BUTTON_CONTINUE);
}

TEST_F(ButtonFixture, ParametersStopAtTheirLimitsAndSayTheirValue) {
    struct Case {
        const char* button;
        void (*set)();
        const char* message;
        int (*value)();
    } cases[] = {
        {"--", [] { stereo.shift = 0; }, "shift:0\n", [] { return stereo.shift; }},
        {"++", [] { stereo.shift = 7; }, "shift:8\n", [] { return stereo.shift; }},
        {"Smod +", [] { stereo.S_mod = 10; }, "S_mod:10\n", [] { return stereo.S_mod; }},
        {"Smod -", [] { stereo.S_mod = 0; }, "S_mod:0\n", [] { return stereo.S_mod; }},
        {"Smod -", [] { stereo.S_mod = 9; }, "S_mod:8\n", [] { return stereo.S_mod; }},
        {"Scorrect +", [] { stereo.S_correct = 255; }, "S_correct:255\n", [] { return stereo.S_correct; }},
        {"Scorrect +", [] { stereo.S_correct = 252; }, "S_correct:255\n", [] { return stereo.S_correct; }},
        {"Scorrect -", [] { stereo.S_correct = 0; }, "S_correct:0\n", [] { return stereo.S_correct; }},
        {"Scorrect -", [] { stereo.S_correct = 100; }, "S_correct:95\n", [] { return stereo.S_correct; }},
    };
    for (const Case& c : cases) {
        c.set();
        EXPECT_EQ(Press(c.button), c.message) << c.button;
    }
}

TEST_F(ButtonFixture, DoublesStepByATenthAndStopAtZero) {
    stereo.S_correct_sub = 0.3;
    EXPECT_EQ(Press("ScorreSub+"), "S_correct_sub:0.400000\n");
    for (int i = 0; i < 4; ++i)
        Press("ScorreSub-");
    EXPECT_GE(stereo.S_correct_sub, 0.0); // 0.4 - 4 * 0.1 may be a hair above or below zero
    EXPECT_LT(stereo.S_correct_sub, 1e-9);
    EXPECT_EQ(Press("ScorreSub-"), "S_correct_sub:0.000000\n");
    EXPECT_EQ(stereo.S_correct_sub, 0.0);

    stereo.gamma = 1.0;
    EXPECT_EQ(Press("gamma +"), "gamma:1.100000\n");
    for (int i = 0; i < 11; ++i)
        Press("gamma -");
    EXPECT_EQ(Press("gamma -"), "gamma:0.000000\n");
    EXPECT_EQ(stereo.gamma, 0.0);
    EXPECT_EQ(gammaTable[128], 0) << "the table was rebuilt for gamma 0";
}

TEST_F(ButtonFixture, MapButtonsRemakeTheViewsAndSaySo) {
    struct Case {
        const char* button;
        const char* message;
    } cases[] = {{"V map", "V_map\n"}, {"S map", "S_map\n"}, {"S mod", "S_map_mod\n"}, {"S mod+V", "S_map_modV\n"}};
    for (const Case& c : cases) {
        pixels32[2][0] = 0x123456;
        EXPECT_EQ(Press(c.button), c.message);
        EXPECT_NE(pixels32[2][0], 0x123456u) << c.button << " remade the view pair";
    }
    EXPECT_EQ(stereo.shift, 128 / 64) << "the last map set the shift";
}

// A depth map whose last pixel has no disparity leaves "depth" selected after the view pair; the
// buttons that remake the pair still show "result" again.
TEST_F(ButtonFixture, ButtonsThatRemakeTheViewPairShowResult) {
    dialogAnswer = "C:\\maps\\depth.png";
    stereo.S_mod = 0; // so black has no depth in the "S mod" maps either
    for (const char* button : {"V map", "S map", "S mod", "S mod+V", "--", "++", "load"}) {
        SCOPED_TRACE(button);
        FillTestImage(0, 0); // black: every depth map and every disparity is 0
        FillTestImage(1, 0); // the depth map "load" keeps
        Press(button);
        EXPECT_EQ(currentImage, 1) << "the pair's own redraw was of \"depth\"";
        EXPECT_EQ(lastDrawnImage, 2);
    }
}

TEST_F(ButtonFixture, SettingsDoNotTouchTheViews) {
    pixels32[2][0] = 0x123456;
    pixels32[3][0] = 0x654321;
    for (const char* button : {"Smod +", "Scorrect -", "ScorreSub+", "gamma +"})
        Press(button);
    EXPECT_EQ(pixels32[2][0], 0x123456u);
    EXPECT_EQ(pixels32[3][0], 0x654321u);
    Press("--");
    EXPECT_EQ(pixels32[3][0], 0x654321u) << "only the compositions change the display";
}

TEST_F(ButtonFixture, LoadReplacesTheDepthMapOrSaysItCannot) {
    stereo.shift = 99;
    dialogAnswer = nullptr;
    EXPECT_EQ(Press("load"), "");
    EXPECT_EQ(stereo.shift, 99);

    dialogAnswer = "C:\\maps\\depth.png";
    loadResult = 1;
    EXPECT_EQ(Press("load"), "cannnot load\n");
    EXPECT_EQ(loadsIntoSlot, 1);
    EXPECT_EQ(stereo.shift, 99);

    loadResult = 0;
    EXPECT_EQ(Press("load"), "load: C:\\maps\\depth.png\n");
    EXPECT_EQ(stereo.shift, 128 / 64);
}

TEST_F(ButtonFixture, BreakClosesTheFiveWindowsAndLeaves) {
    OpenTestImage(5, 32, 4, 4);
    EXPECT_EQ(RunButtonAction(ButtonNamed("break")), BUTTON_LEAVE);
    for (int slot = 0; slot <= 4; ++slot)
        EXPECT_FALSE(IsImageInUse(slot)) << slot;
    EXPECT_TRUE(IsImageInUse(5));
}

} // namespace
