// Picks on an image window and the "Information..." graphs, on the program thread.
#pragma once

#include "imageops/picks.h"
#include "shell/shell_win.h"

// The picked window's side: raises the pick's flags from its mouse messages. True when the
// message was the pick's (it is then handled).
bool ReportPickInput(int slot, UINT message, LPARAM point);

enum Graphs { GRAPH_RGB, GRAPH_HSV, GRAPH_YCRCB, GRAPH_LUMINANCE, GRAPH_LINE_CRCB, GRAPH_AREA_CRCB };

// Picks a row (or, for GRAPH_AREA_CRCB, a rectangle) on the slot and plots it into the first free
// slot. 0 plotted; 1 the pick was cancelled; 2 a bad slot, a graph not offered for its depth
// (GRAPH_LUMINANCE is for 8-bit images, the others for 32-bit ones), or no slot free for the graph.
int ShowGraph(int slot, int graph);
