// Process entry: instance number, GDI+, the clock, the working folder, window classes, the main
// window and the main thread's message loop. The command line may name pictures to open; nothing
// else is read from it.
#include "shell/shell_win.h"
#include "shell/clock.h"
#include "shell/command_ids.h"
#include "shell/main_geometry.h"
#include "shell/main_window_win.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"
#include "boxes/button_box_win.h"
#include "boxes/input_box_win.h"
#include "imageops/imageops_win.h"
#include "imagewin/image_windows_win.h"
#include "textwin/text_windows_win.h"

#include <gdiplus.h>

#include <cstdio>

Shell shell;

static void FormatMainClassName(int number) {
    swprintf(shell.mainClassName, MAIN_CLASS_CAPACITY, L"pelori_mw%d", number);
}

// The first number whose main window class has no window; -1 when all ten are taken.
static int ChooseInstanceNumber() {
    for (int i = 0; i < INSTANCE_LIMIT; ++i) {
        FormatMainClassName(i);
        if (FindWindowW(shell.mainClassName, nullptr) == nullptr) return i;
    }
    return -1;
}

static void StartClock() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    msPerCount = 1000.0 / static_cast<double>(frequency.QuadPart);
    counterSource = PerformanceCounter;
}

static void RecordWorkingFolder() {
    DWORD length = GetCurrentDirectoryW(FOLDER_CAPACITY, shell.workingFolder);
    if (length == 0 || length >= FOLDER_CAPACITY) shell.workingFolder[0] = L'\0';
}

static bool RegisterFrameworkClass(const wchar_t* name, WNDPROC procedure, UINT style, HBRUSH background) {
    WNDCLASSW windowClass = {};
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = shell.moduleInstance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return RegisterClassW(&windowClass) != 0;
}

static bool RegisterWindowClasses() {
    HBRUSH buttonFace = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    return RegisterFrameworkClass(shell.mainClassName, MainWindowProc, CS_CLASSDC, buttonFace) &&
           RegisterFrameworkClass(L"plr_iw", ImageWindowProc, CS_OWNDC, black) &&
           RegisterFrameworkClass(L"plr_twi", TextWindowProc, CS_OWNDC, black) &&
           RegisterFrameworkClass(L"plr_ib", InputBoxProc, CS_OWNDC | CS_DBLCLKS, buttonFace) &&
           RegisterFrameworkClass(L"plr_bb", ButtonBoxProc, CS_OWNDC | CS_DBLCLKS, buttonFace);
}

static void CreateMainMenu() {
    shell.mainMenu = CreateMenu();
    InsertMenuText(shell.mainMenu, 0, 0, CMD_START, "Start(&S)");
    InsertMenuText(shell.mainMenu, 1, 0, CMD_STOP, "Stop(&C)");
    InsertMenuText(shell.mainMenu, 2, 0, CMD_EXIT, "Exit(&X)");
}

static const DWORD MAIN_STYLE = WS_VISIBLE | WS_CAPTION | WS_THICKFRAME;

static bool CreateMainWindow() {
    RECT frame = {0, 0, MAIN_CLIENT_WIDTH, GetSystemMetrics(SM_CYMENU) + MAIN_CLIENT_EXTRA_HEIGHT};
    AdjustWindowRect(&frame, MAIN_STYLE, FALSE);
    MainWindowPlacement at = ComputeMainWindowPlacement(
        frame.right - frame.left, frame.bottom - frame.top, GetSystemMetrics(SM_CXFULLSCREEN),
        GetSystemMetrics(SM_CYFULLSCREEN), GetSystemMetrics(SM_CYCAPTION));
    HWND window = CreateWindowExW(0, shell.mainClassName, L"PELORI", MAIN_STYLE, at.x, at.y, at.width, at.height,
                                  nullptr, shell.mainMenu, shell.moduleInstance, nullptr);
    if (window == nullptr) return false;
    SetStatusColorDepth();
    DragAcceptFiles(window, TRUE);
    UpdateWindow(window);
    return true;
}

static void RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    shell.instanceNumber = ChooseInstanceNumber();
    if (shell.instanceNumber < 0) {
        MessageBoxW(nullptr, L"Over instance limit!", L"PELORI", MB_OK);
        return 1;
    }
    Gdiplus::GdiplusStartupInput gdiplusInput;
    Gdiplus::GdiplusStartup(&shell.gdiplusToken, &gdiplusInput, nullptr);
    StartClock();
    shell.moduleInstance = instance;
    RecordWorkingFolder();
    if (!RegisterWindowClasses()) return 1;
    // Before the main window, whose creation starts the program thread: AppSetup may change the font.
    CreateImageTextFont();
    CreateMainMenu();
    if (!CreateMainWindow()) {
        // Without a main window there is nothing to run; the menu was never attached to a window.
        DestroyMenu(shell.mainMenu);
        DeleteImageTextFont();
        Gdiplus::GdiplusShutdown(shell.gdiplusToken);
        return 1;
    }
    // Pictures named on the command line open as if dropped, once the message loop runs.
    PostMessageW(shell.mainWindow, WM_OPEN_COMMAND_LINE, 0, 0);
    RunMessageLoop();
    DeleteImageTextFont();
    if (IsMenu(shell.mainMenu)) DestroyMenu(shell.mainMenu);
    Gdiplus::GdiplusShutdown(shell.gdiplusToken);
    return 0;
}
