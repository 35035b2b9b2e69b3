// Filing requests on the main thread and serving them on the program thread.
#include "shell/requests_win.h"
#include "shell/pump_win.h"
#include "shell/request.h"
#include "boxes/button_box_win.h"
#include "boxes/input_box_win.h"
#include "imagewin/clipboard_win.h"
#include "imagewin/image_windows_win.h"
#include "textwin/text_windows_win.h"
#include "pelori.h"

int RequestCreateImage(int index, const char* name, int width, int height, int bits) {
    if (BeginRequest(PumpMessages)) return REQ_RESULT_ABANDONED;
    request.index = index;
    request.name = name;
    request.x = -1;
    request.y = -1;
    request.width = width;
    request.height = height;
    request.bits = bits;
    request.zoom = 100;
    return FinishRequest(REQ_CREATEIMAGE, PumpMessages);
}

void RequestRedrawImage(int index) {
    if (BeginRequest(PumpMessages)) return;
    request.index = index;
    FinishRequest(REQ_REDRAWIMAGE, PumpMessages);
}

int RequestLoadImage(int index, const char* path) {
    if (BeginRequest(PumpMessages)) return REQ_RESULT_ABANDONED;
    request.index = index;
    request.path = path;
    request.x = 0;
    request.y = 0;
    return FinishRequest(REQ_LOADIMAGE, PumpMessages);
}

void RequestPasteBitmap(HBITMAP bitmap) {
    // The program thread deletes the bitmap it is handed; one that is never handed over is ours.
    if (BeginRequest(PumpMessages)) {
        DeleteObject(bitmap);
        return;
    }
    request.bitmap = bitmap;
    FinishRequest(REQ_PASTEBITMAP, PumpMessages);
}

void RequestTextWindow(int index) {
    if (IsOpenTextWindow(index)) {
        SetForegroundWindow(textWindows[index].window);
        return;
    }
    if (BeginRequest(PumpMessages)) return;
    request.index = index;
    request.x = request.y = request.width = request.height = -1;
    FinishRequest(REQ_OPENTEXTWINDOW, PumpMessages);
}

void RequestInputBox(int items) {
    if (BeginRequest(PumpMessages)) return;
    request.index = items;
    request.x = 0;
    request.y = 0;
    FinishRequest(REQ_OPENINPUTBOX, PumpMessages);
}

void RequestButtonBox(int nx, int ny) {
    if (BeginRequest(PumpMessages)) return;
    request.width = nx;
    request.height = ny;
    request.x = 0;
    request.y = 0;
    FinishRequest(REQ_OPENBUTTONBOX, PumpMessages);
}

static bool IsSlotIndex(int index) { return static_cast<unsigned>(index) < SLOT_COUNT; }

// Loads into slot index and comes back to the current image. A slot that is not open gets nothing:
// loading would otherwise go into whatever image is current.
static int LoadIntoSlot(int index, const char* path) {
    if (!IsImageInUse(index)) return 2;
    PLR_SelectImage(index);
    int result = PLR_LoadImageFile(path, request.x, request.y);
    PLR_SelectPreviousImage();
    return result;
}

void ServeRequest() {
    switch (TakeRequest()) {
    case REQ_CREATEIMAGE:
        request.result = IsSlotIndex(request.index)
                             ? CreateImageSlot(request.index, request.name, request.x, request.y, request.width,
                                               request.height, request.zoom, request.bits)
                             : 4;
        break;
    case REQ_REDRAWIMAGE: PLR_DrawImage(request.index); break;
    case REQ_LOADIMAGE: request.result = LoadIntoSlot(request.index, request.path); break;
    case REQ_PASTEBITMAP:
        PasteBitmap(static_cast<HBITMAP>(request.bitmap)); // and deletes it
        request.bitmap = nullptr;
        break;
    case REQ_OPENTEXTWINDOW:
        if (IsSlotIndex(request.index)) PLR_OpenTextWindow(request.index, -1, -1, -1, -1);
        break;
    case REQ_OPENINPUTBOX:
        CloseInputBox();
        PLR_OpenInputBox(request.x, request.y, request.index);
        break;
    case REQ_OPENBUTTONBOX:
        CloseButtonBox();
        PLR_OpenButtonBox(request.x, request.y, request.width, request.height);
        break;
    default: break; // never filed; completed without action so the record cannot jam
    }
    CompleteRequest();
}
