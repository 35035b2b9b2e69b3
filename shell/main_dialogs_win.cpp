// The main window's dialogs: windows made by answering questions in text window 0, the clipboard
// picture as a new image window, and the window information. They run on the main thread, print
// and read lines there, and have the windows made on the program thread through requests.
#include "shell/main_window_win.h"
#include "shell/command_ids.h"
#include "shell/read_number.h"
#include "shell/request.h"
#include "shell/requests_win.h"
#include "imagewin/clipboard_win.h"
#include "textwin/text_slots.h"
#include "pelori.h"

#include <cstdio>

namespace {

// Prints the prompt and reads the answer as a number; false when Exit ended the read.
bool AskNumber(const char* prompt, int* value) {
    PLR_Printf("%s", prompt);
    char line[256];
    PLR_ReadLine(line);
    *value = ReadLeadingNumber(line);
    return runState.exitState == EXIT_NONE;
}

int LowestFreeImageSlot() {
    for (int k = 0; k < SLOT_COUNT; ++k)
        if (!imageSlots[k].inUse) return k;
    return -1;
}

void SlotName(char name[8], int slot) { snprintf(name, 8, "%03d", slot); }

void PasteClipboardPicture() {
    uint32_t colors[256];
    int count = 0;
    HBITMAP bitmap = ReadClipboardPicture(colors, &count);
    if (bitmap == nullptr) return;
    BITMAP info = {};
    GetObjectW(bitmap, sizeof info, &info);
    int width = info.bmWidth, height = info.bmHeight < 0 ? -info.bmHeight : info.bmHeight;
    for (int k = 0; k < SLOT_COUNT; ++k) {
        char name[8];
        SlotName(name, k);
        int result = RequestCreateImage(k, name, width, height, 32);
        if (result == REQ_RESULT_ABANDONED) break; // the program thread is ending
        if (result != 0) continue;
        RequestPasteBitmap(bitmap); // the program thread deletes it
        RequestRedrawImage(k);
        PLR_SelectPreviousImage();
        return;
    }
    DeleteObject(bitmap);
}

void AskAndCreateImage() {
    RequestTextWindow(0);
    PLR_Printf("Creating ImageWindow...\n");
    int width, height, bits;
    if (!AskNumber(" Width=", &width) || !AskNumber("Height=", &height) || !AskNumber("Bit[32 or 8]=", &bits)) return;
    if (bits != 32 && bits != 8) return;
    int slot = LowestFreeImageSlot();
    if (slot < 0) return;
    char name[8];
    SlotName(name, slot);
    RequestCreateImage(slot, name, width, height, bits);
}

void AskAndCreateInputBox() {
    RequestTextWindow(0);
    PLR_Printf("Creating InpuxBox...\n");
    int items;
    if (AskNumber("How many items? >", &items)) RequestInputBox(items);
}

void AskAndCreateButtonBox() {
    RequestTextWindow(0);
    PLR_Printf("Creating ButtonBox...\n");
    int nx, ny;
    if (AskNumber("Number[X]=>", &nx) && AskNumber("Number[Y]=>", &ny)) RequestButtonBox(nx, ny);
}

// A dialog counts as main-window work: Start waits for it, as for a drop.
void AsWork(void (*dialog)()) {
    BeginMainWindowWork();
    dialog();
    EndMainWindowWork();
}

} // namespace

void PasteAsNewImage() {
    if (runState.running == 0) AsWork(PasteClipboardPicture);
}

void ImageWindowDialog() { AsWork(AskAndCreateImage); }

void OpenNextTextWindow() {
    for (int k = 0; k < SLOT_COUNT; ++k)
        if (!IsOpenTextWindow(k)) {
            RequestTextWindow(k);
            return;
        }
}

void InputBoxDialog() { AsWork(AskAndCreateInputBox); }

void ButtonBoxDialog() { AsWork(AskAndCreateButtonBox); }

void ShowWindowInfo() {
    if (!IsOpenTextWindow(currentTextWindow)) RequestTextWindow(0);
    if (IsOpenTextWindow(currentTextWindow))
        PostMessageW(textWindows[currentTextWindow].window, WM_COMMAND, CMD_WINDOW_INFO, 0);
}
