// Pictures dropped on the main window, or named on the command line, each open in an image
// window of its own size in the lowest free slot at or above the last one this drop used.
#include "shell/main_window_win.h"
#include "shell/drop_name.h"
#include "shell/requests_win.h"
#include "shell/window_text_win.h"
#include "pelori.h"

#include <gdiplus.h>

using namespace Gdiplus;

// The picture's size, read through GDI+; false when the file is no picture or is empty.
static bool MeasurePicture(const wchar_t* path, UINT* width, UINT* height) {
    GpImage* image = nullptr;
    if (DllExports::GdipLoadImageFromFile(path, &image) != Ok || image == nullptr) return false;
    *width = *height = 0;
    DllExports::GdipGetImageWidth(image, width);
    DllExports::GdipGetImageHeight(image, height);
    DllExports::GdipDisposeImage(image);
    return *width > 0 && *height > 0 && *width <= INT_MAX && *height <= INT_MAX;
}

// Opens one picture, moving the slot candidate on past the slots it tried.
static void OpenPicture(const wchar_t* path, int* candidate) {
    wchar_t full[FOLDER_CAPACITY];
    wchar_t* lastComponent = nullptr;
    DWORD length = GetFullPathNameW(path, FOLDER_CAPACITY, full, &lastComponent);
    if (length == 0 || length >= FOLDER_CAPACITY || lastComponent == nullptr) return; // too long, or a folder
    UINT width, height;
    if (!MeasurePicture(full, &width, &height)) return;
    char fullNarrow[FOLDER_CAPACITY], fileName[FOLDER_CAPACITY];
    if (PathToNarrow(full, fullNarrow, FOLDER_CAPACITY) != 0) return; // no 8-bit path names it
    WideToNarrow(lastComponent, fileName, FOLDER_CAPACITY);
    while (*candidate < SLOT_COUNT) {
        int slot = (*candidate)++;
        char name[DROP_NAME_CAPACITY];
        FormatDropName(name, slot, fileName, IsAnsiLeadByte);
        int result = RequestCreateImage(slot, name, static_cast<int>(width), static_cast<int>(height), 32);
        if (result == 0) {
            // A window without its picture would be taken for one: it closes, on its own thread.
            if (RequestLoadImage(slot, fullNarrow) == 1 && PLR_IsImageOpen(slot))
                SendMessageW(imageSlots[slot].window, WM_CLOSE, 0, 0);
            else
                RequestRedrawImage(slot);
            PLR_SelectPreviousImage();
            return;
        }
        if (result != 1) return; // cannot be shown, or the program thread is ending: give this file up
    }
}

void OpenPictureFiles(const wchar_t* const* paths, int count) {
    BeginMainWindowWork();
    int candidate = 0;
    for (int i = 0; i < count; ++i)
        OpenPicture(paths[i], &candidate);
    EndMainWindowWork();
}

void OnDropFiles(HDROP drop) {
    BeginMainWindowWork();
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    int candidate = 0;
    for (UINT i = 0; i < count; ++i) {
        if (DragQueryFileW(drop, i, nullptr, 0) >= FOLDER_CAPACITY) continue; // would be cut short
        wchar_t path[FOLDER_CAPACITY];
        DragQueryFileW(drop, i, path, FOLDER_CAPACITY);
        OpenPicture(path, &candidate);
    }
    DragFinish(drop);
    EndMainWindowWork();
}

void OpenCommandLinePictures() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argv == nullptr) return;
    if (argc > 1) OpenPictureFiles(argv + 1, argc - 1);
    LocalFree(argv);
}
