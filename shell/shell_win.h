// The shell's Windows state and helpers: process-wide values written by the main thread before
// the program thread starts and read-only afterwards, the window-text helpers, the pumps, the
// program thread and the request filers.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>
#include <shellapi.h>

#include <cstdint>

enum { FOLDER_CAPACITY = MAX_PATH, INSTANCE_LIMIT = 10, MAIN_CLASS_CAPACITY = 16 };

// Private message of the main window: open the pictures named on the command line.
enum { WM_OPEN_COMMAND_LINE = WM_APP + 0x100 };

extern HINSTANCE moduleInstance;
extern int instanceNumber;
extern wchar_t mainClassName[MAIN_CLASS_CAPACITY];
extern ULONG_PTR gdiplusToken;
extern wchar_t openDialogFolderW[FOLDER_CAPACITY];
extern char openDialogFolder[FOLDER_CAPACITY];
extern wchar_t saveDialogFolderW[FOLDER_CAPACITY];
extern char saveDialogFolder[FOLDER_CAPACITY];
extern wchar_t logFolderW[FOLDER_CAPACITY];
extern char logFolder[FOLDER_CAPACITY];
extern HWND mainWindow;
extern HWND statusLine;
extern HMENU mainMenu;
extern int colorDepth;
extern HANDLE programThread;
extern DWORD programThreadId;
extern HFONT imageTextFont;

// Window procedures of the five framework classes.
LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ImageWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TextWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK InputBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ButtonBoxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Text between the 8-bit system code page and UTF-16. Both always terminate the output and never
// cut a character in two; they return the number of units written, without the terminator.
int NarrowToWide(const char* text, wchar_t* out, int capacity);
int WideToNarrow(const wchar_t* text, char* out, int capacity);

bool IsAnsiLeadByte(unsigned char byte); // a lead byte of the system code page

// A top-level window owned by the main window; a coordinate marked default is the system's choice.
HWND CreateOwnedWindow(const wchar_t* className, const wchar_t* title, DWORD style, int x, int y, bool defaultX,
                       bool defaultY, int width, int height);

// WM_SIZING: the frame can be dragged, but the window keeps its size.
LRESULT KeepWindowSize(HWND window, RECT* proposed);

void SetStatusText(const char* text);
void InsertMenuText(HMENU menu, int position, int state, int id, const char* text);
void InsertMenuSeparator(HMENU menu, int position);
void InsertSubMenu(HMENU menu, HMENU submenu, int position, const char* text);
void SetWindowTextNarrow(HWND window, const char* text);
void GetWindowTextNarrow(HWND window, char* buffer, int size);

HMENU BuildMainPopup();
void ShowMainPopup(HWND window);
void OnDropFiles(HDROP drop);
void OpenPictureFiles(const wchar_t* const* paths, int count);
void OpenCommandLinePictures();

void CreateImageTextFont(); // at start-up: 8 x 16, white, the text cursor at (0, 0)
void DeleteImageTextFont();
void PrintPixelReadout(int slot, int x, int y);

void PumpMessages();
void PumpDialogMessages();
int64_t PerformanceCounter();

DWORD WINAPI ProgramThreadEntry(void* unused);
int ProgramThreadMain();
void RunExitSequence();

int RequestCreateImage(int index, const char* name, int width, int height, int bits);
void RequestRedrawImage(int index);
int RequestLoadImage(int index, const char* path);
void RequestPasteBitmap(HBITMAP bitmap);
void RequestTextWindow(int index);
void RequestInputBox(int items);
void RequestButtonBox(int nx, int ny);
void ServeRequest();

// The boxes whose windows take dialog keyboard handling in PumpDialogMessages; null while closed.
HWND InputBoxDialogWindow();
HWND ButtonBoxDialogWindow();
void CloseButtonBox();
