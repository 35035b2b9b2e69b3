// What the test runner and the probe program (the framework with a test application) agree on.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

// Environment of a probe: its mode and the file it writes its log lines to.
#define PROBE_MODE_VARIABLE L"PLR_PROBE_MODE"
#define PROBE_LOG_VARIABLE L"PLR_PROBE_LOG"

// Probe modes: how AppMain behaves.
//   "returns": AppMain runs until stopRequested, then returns.
//   "forever": AppMain never returns and ignores Stop.
//   "reads": AppMain reads a line in text window 0; logs "read ended" when the read ends.
//   "font": as "returns", and AppSetup sets the TrueType size to 20 x 30; logs "font set".

// Messages the probe's main window takes from the runner (handled on the main thread).
enum ProbeMessages {
    WM_PROBE_REPORT = WM_APP + 1,      // log the run flags: "flags start=%d running=%d stop=%d exit=%d"
    WM_PROBE_LOAD = WM_APP + 2,        // file many requests, nested too; log "load ..."
    WM_PROBE_GIVE_UP = WM_APP + 3,     // choose Exit, then file a request; log "filer returned %d"
    WM_PROBE_NESTED = WM_APP + 4,      // internal: file one request from inside another filer's wait
    WM_PROBE_MENU = WM_APP + 5,        // log the menu bar: "menu 0 1001 0 Start(&S)", one line per item
    WM_PROBE_TEXT_WINDOW = WM_APP + 6, // RequestTextWindow(wParam); log "text window served=%u"
    WM_PROBE_BUTTON_BOX = WM_APP + 13, // RequestButtonBox(wParam, lParam); log "button box served=%u buttons=%d"
    WM_PROBE_WINDOWS = WM_APP + 11,    // log each open image window: "window %d x=%ld y=%ld zoom=%d"
    WM_PROBE_BLOCK = WM_APP + 12, // slot wParam, block lParam = x | y << 8 | w << 16 | h << 24; log "block %d sum=%08x"
    WM_PROBE_IMAGE_REQUESTS = WM_APP + 7, // create, load and redraw slot 0 through requests; log "image ..."
    WM_PROBE_SLOTS = WM_APP + 8,          // log each open image slot: "slot %d bits=%d w=%d h=%d sum=%08x name=%s"
    WM_PROBE_POPUP = WM_APP + 9,          // build the main popup; log "popup %d %d %u %s": position, id, state, text
    WM_PROBE_SET_FLAGS = WM_APP + 10,     // lineInputOwner = wParam, graphToolActive = lParam
    WM_PROBE_FONT = WM_APP + 14,          // log the image-text font: "font height=%ld width=%ld"
    WM_PROBE_INPUT_BOX = WM_APP + 15,     // RequestInputBox(wParam); log "input box served=%u rows=%d"
    WM_PROBE_LINE = WM_APP + 16,          // log who reads a line: "line owner=%d" (lineInputOwner)
};

enum { PROBE_LOAD_REQUESTS = 2000 };

// WM_COPYDATA with this tag carries file paths, each terminated, the list ending with an empty
// one; the probe drops them on its main window as a real HDROP.
// With the second tag the probe also posts key S and WM_PROBE_POPUP behind the drop, so that both
// are handled inside the drop's waits for its requests.
enum { PROBE_DROP_TAG = 0x504C5244, PROBE_DROP_AND_START_TAG = 0x504C5253 };

// The checksum the probe logs for a slot and the runner computes for a reference picture.
inline unsigned PixelChecksum(const unsigned* pixels, int count) {
    unsigned sum = 0;
    for (int i = 0; i < count; ++i)
        sum = sum * 31 + (pixels[i] & 0xFFFFFF);
    return sum;
}
