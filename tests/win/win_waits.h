// Waiting for what a Windows test checks: a condition, a window, a message box or a file dialog,
// each with a generous timeout. Used by the runner, which watches probe processes, and by the
// in-process tests, which must keep their own windows' messages flowing while they wait.
#pragma once

#ifndef UNICODE
#define UNICODE
#endif
#include <windows.h>

#include <functional>
#include <string>

// Generous: a loaded machine running several Wine sessions can take many seconds for one step.
enum { WAIT_TIMEOUT_MS = 30000 };

// What a waiting thread does between two looks: the in-process tests pump their messages; null
// waits briefly for a message to arrive, as a thread without windows may.
typedef void (*IdleStep)();

// True as soon as done() is; false once timeoutMs have passed without it.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = WAIT_TIMEOUT_MS, IdleStep idle = nullptr);

std::string WindowClassName(HWND window);
std::string WindowText(HWND window); // non-ASCII characters read as '?'

// A visible top-level window of the class (and title, unless null) that belongs to the process
// (any process for 0); null after the timeout.
HWND WaitForWindow(const wchar_t* className, const wchar_t* title, DWORD processId = 0, int timeoutMs = WAIT_TIMEOUT_MS,
                   IdleStep idle = nullptr);
HWND VisiblePopupMenu(); // a popup menu on the screen, or null

// A message box of the process with that caption (any caption for null), once its text is there.
HWND WaitForMessageBox(DWORD processId, const wchar_t* caption, int timeoutMs = WAIT_TIMEOUT_MS);
std::wstring MessageBoxText(HWND box); // the longest text among its static controls

// The common file dialogs' file name box (the combo box of the open and save dialogs).
enum { FILE_DIALOG_NAME_BOX = 0x47C };

// Answers the next file dialog with the title, from a thread of its own, as a user would: once
// the dialog has filled its name box, that text is kept in nameSeen, then fileName is typed in
// and OK chosen, or Cancel when fileName is empty.
struct FileDialogAnswer {
    std::wstring title;
    std::wstring fileName;
    std::wstring nameSeen;
    bool answered = false;
    HANDLE thread = nullptr;
};
void StartAnsweringFileDialog(FileDialogAnswer* answer);
bool FinishAnsweringFileDialog(FileDialogAnswer* answer); // true when the dialog was answered
