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

// Messages the probe's main window takes from the runner (handled on the main thread).
enum ProbeMessages {
    WM_PROBE_REPORT = WM_APP + 1,         // log the run flags: "flags start=%d running=%d stop=%d exit=%d"
    WM_PROBE_LOAD = WM_APP + 2,           // file many requests, nested too; log "load ..."
    WM_PROBE_GIVE_UP = WM_APP + 3,        // choose Exit, then file a request; log "filer returned %d"
    WM_PROBE_NESTED = WM_APP + 4,         // internal: file one request from inside another filer's wait
    WM_PROBE_MENU = WM_APP + 5,           // log the menu bar: "menu 0 1001 0 Start(&S)", one line per item
    WM_PROBE_TEXT_WINDOW = WM_APP + 6,    // RequestTextWindow(wParam); log "text window served=%u"
    WM_PROBE_IMAGE_REQUESTS = WM_APP + 7, // create, load and redraw slot 0 through requests; log "image ..."
};

enum { PROBE_LOAD_REQUESTS = 2000 };
