// The two-click pick protocol with its rubber bands, and the graphs made from picks.
#include "imageops/picks_win.h"
#include "imagewin/image_windows_win.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"
#include "pelori.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct PickSpec {
    int clicks; // 1 or 2
    int band;   // RubberBands
    int width, height;
};

struct PickPoints {
    int x1, y1, x2, y2;
};

void ShowBand(int slot, const RubberBand& band) {
    DrawRubberBand(band);
    PLR_DrawImage(slot);
}

// Waits for the pick's events; 0 complete, 1 cancelled (or Stop chosen), 2 a bad slot.
int RunPick(int slot, const PickSpec& spec, PickPoints* out) {
    *out = {0, 0, 0, 0};
    if (!IsImageInUse(slot)) return 2;
    SetStatusText(spec.clicks == 2 ? "Click the first point" : "Click a point");
    DragAcceptFiles(shell.mainWindow, FALSE);
    PLR_SelectImage(slot);
    pickState.pickSlot = slot;
    pickState.clickPending = pickState.movePending = pickState.cancelPending = 0;
    runState.stopRequested = 0;
    runState.graphToolActive = 1;

    RubberBand band = {spec.band, 0, 0, pickState.moveX, pickState.moveY, spec.width, spec.height};
    // The one-click picks show their band from the start; the two-click ones from the first point.
    bool banded = spec.clicks == 1 && spec.band != BAND_NONE, anchored = false;
    if (banded) ShowBand(slot, band);
    int result = -1;
    while (result < 0) {
        PumpDialogMessages();
        if (!IsImageInUse(slot)) {
            // Its window was closed: no click can come, and there is no band left to erase.
            banded = false;
            result = 1;
        } else if (runState.stopRequested == 1 || runState.exitState != EXIT_NONE) {
            // A stopped command must not draw at a stale point nor leave its band behind.
            result = 1;
        } else if (pickState.movePending) {
            pickState.movePending = 0;
            if (banded) {
                DrawRubberBand(band);
                band.x = pickState.moveX;
                band.y = pickState.moveY;
                ShowBand(slot, band);
            }
        } else if (pickState.clickPending) {
            pickState.clickPending = 0;
            if (spec.clicks == 2 && !anchored) {
                anchored = banded = true;
                band.anchorX = band.x = out->x1 = pickState.clickX;
                band.anchorY = band.y = out->y1 = pickState.clickY;
                ShowBand(slot, band);
                SetStatusText("Click the second point");
            } else {
                (spec.clicks == 2 ? out->x2 : out->x1) = pickState.clickX;
                (spec.clicks == 2 ? out->y2 : out->y1) = pickState.clickY;
                result = 0;
            }
        } else if (pickState.cancelPending) {
            pickState.cancelPending = 0;
            if (anchored) {
                ShowBand(slot, band); // erased
                anchored = banded = false;
                out->x1 = out->y1 = 0;
                SetStatusText("Click the first point");
            } else {
                result = 1;
            }
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
    }
    if (banded) ShowBand(slot, band); // erased: the image is as it was
    SetStatusColorDepth();
    runState.graphToolActive = 0;
    pickState.pickSlot = -1;
    // Files are accepted again unless the application runs, which had them refused already.
    if (runState.running == 0) DragAcceptFiles(shell.mainWindow, TRUE);
    return result;
}

void Sorted(int* a, int* b) {
    if (*a > *b) {
        int t = *a;
        *a = *b;
        *b = t;
    }
}

} // namespace

bool ReportPickInput(int slot, UINT message, LPARAM point) {
    if (runState.graphToolActive != 1 || slot < 0 || slot != pickState.pickSlot) return false;
    int zoom = imageSlots[slot].zoom > 0 ? imageSlots[slot].zoom : 100;
    // Client coordinates as unsigned 16-bit numbers, turned into picture points.
    int x = static_cast<int>(LOWORD(point)) * 100 / zoom, y = static_cast<int>(HIWORD(point)) * 100 / zoom;
    switch (message) {
    case WM_LBUTTONDOWN:
        pickState.clickX = x;
        pickState.clickY = y;
        pickState.clickPending = 1;
        return true;
    case WM_MOUSEMOVE:
        pickState.moveX = x;
        pickState.moveY = y;
        pickState.movePending = 1;
        return true;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: pickState.cancelPending = 1; return true;
    }
    return false;
}

int PLR_PickPoint(int slot, int* x, int* y) {
    PickPoints p;
    int result = RunPick(slot, {1, BAND_NONE, 0, 0}, &p);
    *x = p.x1;
    *y = p.y1;
    return result;
}

int PLR_PickRow(int slot, int* x, int* y) {
    PickPoints p;
    int result = RunPick(slot, {1, BAND_ROW, 0, 0}, &p);
    *x = p.x1;
    *y = p.y1;
    return result;
}

int PLR_PickColumn(int slot, int* x, int* y) {
    PickPoints p;
    int result = RunPick(slot, {1, BAND_COLUMN, 0, 0}, &p);
    *x = p.x1;
    *y = p.y1;
    return result;
}

int PLR_PickLine(int slot, int* x1, int* y1, int* x2, int* y2) {
    PickPoints p;
    int result = RunPick(slot, {2, BAND_LINE, 0, 0}, &p);
    *x1 = p.x1;
    *y1 = p.y1;
    *x2 = p.x2;
    *y2 = p.y2;
    return result;
}

int PLR_PickRect(int slot, int* x0, int* y0, int* x1, int* y1) {
    PickPoints p;
    int result = RunPick(slot, {2, BAND_RECT, 0, 0}, &p);
    Sorted(&p.x1, &p.x2);
    Sorted(&p.y1, &p.y2);
    *x0 = p.x1;
    *y0 = p.y1;
    *x1 = p.x2;
    *y1 = p.y2;
    return result;
}

int PLR_PickCircle(int slot, int* x, int* y, int* radius) {
    PickPoints p;
    int result = RunPick(slot, {2, BAND_CIRCLE, 0, 0}, &p);
    *x = p.x1;
    *y = p.y1;
    *radius = result == 0 ? CircleRadius(p.x2 - p.x1, p.y2 - p.y1) : 0;
    return result;
}

int PLR_PickPastePos(int slot, int width, int height, int* x, int* y) {
    PickPoints p;
    int result = RunPick(slot, {1, BAND_PASTE, width, height}, &p);
    *x = p.x1;
    *y = p.y1;
    return result;
}

namespace {

// The first slot that takes a graph window, made current; -1 when none does.
int CreateGraphWindow(const char* name, int width, int height) {
    for (int slot = 0; slot < SLOT_COUNT; ++slot)
        if (PLR_CreateImage(slot, name, 0, 0, width, height, 100) == 0) return slot;
    return -1;
}

struct Curve {
    int channel;
    ColorValue color;
    const char* label;
    int labelX, labelY;
};

struct RowGraph {
    const char* name;
    int offset;
    Curve curves[3];
    int count;
};

const RowGraph rowGraphs[] = {
    {"RGB(Y=%d)",
     12,
     {{CHANNEL_RED, 0xFF0000, "R", 2, 40},
      {CHANNEL_GREEN, 0x00FF00, "G", 2, 72},
      {CHANNEL_BLUE, 0x0000FF, "B", 2, 104}},
     3},
    {"HSV(Y=%d)",
     12,
     {{CHANNEL_HUE, 0xFFFF00, "H", 2, 40},
      {CHANNEL_SATURATION, 0xFF00FF, "S", 2, 72},
      {CHANNEL_VALUE, 0x00FFFF, "V", 2, 104}},
     3},
    {"YCrCb(Y=%d)",
     20,
     {{CHANNEL_LUMA, 0xFFFFFF, "Y", 4, 40}, {CHANNEL_CR, 0xFF8888, "Cr", 2, 72}, {CHANNEL_CB, 0x8888FF, "Cb", 2, 104}},
     3},
    {"Luminance(Y=%d)", 12, {{CHANNEL_BYTE, 0xFFFFFF, "L", 2, 40}}, 1},
};

int ShowRowGraph(int slot, int graph) {
    int x, y;
    int picked = PLR_PickRow(slot, &x, &y);
    if (picked != 0) return picked;
    int width = imageSlots[slot].width;
    std::vector<uint32_t> row(static_cast<size_t>(width));
    PLR_ReadRow(row.data(), y, width); // bytes fill the front of the words for an 8-bit image
    char name[64];
    if (graph == GRAPH_LINE_CRCB) {
        snprintf(name, sizeof name, "CrCb(Y=%d)", y);
        if (CreateGraphWindow(name, 256, 256) < 0) return 2;
        PLR_PlotCrCb(row.data(), width, 0);
    } else {
        const RowGraph& g = rowGraphs[graph];
        snprintf(name, sizeof name, g.name, y);
        if (CreateGraphWindow(name, width + g.offset, 128) < 0) return 2;
        for (int i = 0; i < g.count; ++i)
            PLR_PlotProfile(row.data(), g.offset, width, g.curves[i].channel, g.curves[i].color);
        for (int i = 0; i < g.count; ++i)
            DrawLabel(g.curves[i].label, g.curves[i].color, g.curves[i].labelX, g.curves[i].labelY);
    }
    InvalidateRect(imageSlots[currentImage].window, nullptr, FALSE);
    return 0;
}

int ShowAreaGraph(int slot) {
    int x0, y0, x1, y1;
    int picked = PLR_PickRect(slot, &x0, &y0, &x1, &y1);
    if (picked != 0) return picked;
    int64_t bytes = PixelBlockBytes(x1 - x0 + 1, y1 - y0 + 1, 4, 1);
    if (bytes < 0) return 2;
    std::vector<uint32_t> block(static_cast<size_t>(bytes / 4));
    PLR_GetBlock(block.data(), x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    char name[96];
    snprintf(name, sizeof name, "CrCb(%d,%d)-(%d,%d)", x0, y0, x1, y1);
    if (CreateGraphWindow(name, 256, 256) < 0) return 2;
    PLR_PlotCrCb(block.data(), static_cast<int>(block.size()), x1 - x0 + 1);
    PLR_DrawImage(currentImage);
    return 0;
}

} // namespace

int ShowGraph(int slot, int graph) {
    if (!IsImageInUse(slot)) return 2;
    // The luminance profile is an 8-bit image's; the colour graphs are 32-bit images'.
    if ((graph == GRAPH_LUMINANCE) != (imageSlots[slot].bitDepth == 8)) return 2;
    if (graph == GRAPH_AREA_CRCB) return ShowAreaGraph(slot);
    if (graph < GRAPH_RGB || graph > GRAPH_LINE_CRCB) return 2;
    return ShowRowGraph(slot, graph);
}
