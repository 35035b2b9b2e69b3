// The stereo conversion: depth estimation from the picture's colours and view synthesis.
//
// Slots: 0 the picture, 1 "depth", 2 "result" (shifted view | picture), 3 "display", 4 "S_correct".
// NOTE: every step works pixel by pixel through PLR_SelectImage, PLR_GetPixel and PLR_PutPixel, so a
// slot that is not open leaves the current image selected and the step writes over it instead. After
// a step the current image is the last slot it selected; each step ends with PLR_DrawImage of it.
// W and H are always slot 0's width and height (0 while it is closed).
#pragma once

#include "pelori.h"

// The parameters the buttons tune; they keep their values from one Start to the next.
// One record, because a global named gamma would clash with the C library's gamma().
struct StereoParameters {
    int shift;            // disparity in columns of depth 256; >= 0; every depth map resets it
    int S_mod;            // 0..10: tenths of the darkness 255 - V added to S
    int S_correct;        // 0..255: the S-correction curve runs from 0 up to 255 - S_correct
    double S_correct_sub; // >= 0: the S-correction curve's exponent is 1 / S_correct_sub
    double gamma;         // >= 0: the gamma table's exponent is 1 / gamma
};
extern StereoParameters stereo; // starts as {10, 9, 100, 0.3, 1.0}

enum { DEPTH_TABLE_SIZE = 256 };

// Both tables hold values in 0..255 whatever the parameters, since each entry indexes the other
// table or is a grey level.
extern int gammaTable[DEPTH_TABLE_SIZE];       // applied last in every depth map
extern int sCorrectionTable[DEPTH_TABLE_SIZE]; // 0..255 - S_correct; used by the "S mod" maps

// ---------------------------------------------------------------------------------------------
// Depth estimation: slot 0 -> slot 1, grey d * 0x010101
// NOTE: an 8-bit picture's byte v counts as the colour (0, 0, v).
// ---------------------------------------------------------------------------------------------

void MakeGammaTable();      // entry i = 255 * (i / 255)^(1 / gamma), truncated
void MakeCorrectionCurve(); // S-correction table, plotted white on black in slot 4 (row 256 - entry)
void MakeVMap();            // d = gamma[V]; shift = W / 64
void MakeSMap();            // d = gamma[S]; shift = W / 32
void MakeSMapMod();         // d = gamma[Scorr[t]], t = (255 - V) * S_mod / 10 + S; shift = W / 64
void MakeSMapModV();        // d = gamma[Scorr[max(t, V)]]; shift = W / 64

// ---------------------------------------------------------------------------------------------
// View synthesis
// NOTE: a depth colour moves its pixel shift * V / 256 columns to the left.
// ---------------------------------------------------------------------------------------------

void MakeViewPair();   // slot 2: shifted view in columns 0..W-1, the picture in W..2W-1
void ShowAnaglyph();   // slot 3: red = luminance of the picture, green and blue of the shifted view
void ShowInterlace1(); // slot 3: the picture on rows where T + y is even, the shifted view on odd
void ShowInterlace2(); // slot 3: the picture on rows where T + y is odd, the shifted view on even

// The "display" window (slot 3) on the screen: the Windows layer.
// 0: *top is the screen y of the top edge of its outer frame; 1: slot 3 is not open (*top unchanged).
int DisplayWindowTop(int* top);
int RaiseDisplayWindow(); // brings it to the foreground; 1: slot 3 is not open
