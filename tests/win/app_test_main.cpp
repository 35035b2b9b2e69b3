// In-process tests: the framework runs as usual and the test cases are the application. Start is
// chosen at set-up, so the cases run in AppMain on the program thread, as application code does.
// The case name comes from the command line; the process ends with the cases' result.
#include "shell/command_ids.h"
#include "tests/win/in_process.h"
#include "tests/win/wintest.h"
#include "pelori.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"
#include "imagewin/image_slots.h"

#include <shellapi.h>

#include <cstdio>
#include <cstdlib>

void PumpBriefly() {
    PumpDialogMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
}

void CloseAllImages() {
    for (int i = 0; i < SLOT_COUNT; ++i)
        PLR_DestroyImage(i);
    PumpDialogMessages();
}

std::vector<uint32_t> ImagePixels(int slot, int width, int height) {
    const ImageSlot& s = imageSlots[slot];
    if (width < 0) width = s.width;
    if (height < 0) height = s.height;
    std::vector<uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(s.bitDepth == 32 ? pixels32[slot][y * s.width + x] & 0xFFFFFF
                                              : pixels8[slot][y * ImageRowBytes(s) + x]);
    return pixels;
}

void AppSetup() { PostMessageW(shell.mainWindow, WM_COMMAND, CMD_START, 0); }

void AppMain() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    char filter[128] = "";
    if (argv != nullptr && argc > 1) WideToNarrow(argv[1], filter, sizeof filter);
    LocalFree(argv);
    int code = RunWinTests(filter[0] ? filter : nullptr);
    std::fflush(stdout);
    ExitProcess(static_cast<UINT>(code));
}
