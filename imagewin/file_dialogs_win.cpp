// The open and save dialogs for picture files; they remember their filter and folder for the run.
#include "imagewin/image_windows_win.h"
#include "shell/window_text_win.h"

#include <commdlg.h>

#include <cstring>
#include <cwchar>
#include <initializer_list>

namespace {

struct FileFilter {
    const wchar_t* text;
    const wchar_t* pattern;
};

const FileFilter fileFilters[] = {
    {L"All Files (*.*)", L"*.*"},
    {L"BMP (*.BMP;*.RLE;*.DIB)", L"*.BMP;*.RLE;*.DIB"},
    {L"JPEG (*.JPG;*.JPEG;*.JPE)", L"*.JPG;*.JPEG;*.JPE"},
    {L"CompuServe GIF (*.GIF)", L"*.GIF"},
    {L"PNG (*.PNG)", L"*.PNG"},
    {L"TIFF (*.TIF;*.TIFF)", L"*.TIF;*.TIFF"},
    {L"WMF (*.WMF)", L"*.WMF"},
    {L"EMF (*.EMF)", L"*.EMF"},
    {L"ICO (*.ICO)", L"*.ICO"},
};
const int OPEN_FILTERS = 9, SAVE_FILTERS = 6;

int openFilterIndex = 2; // 1-based, the BMP entry
int saveFilterIndex = 2;

// The folder of the file last chosen in each dialog, with its trailing separator; "" until then.
wchar_t openFolder[FOLDER_CAPACITY];
wchar_t saveFolder[FOLDER_CAPACITY];

const wchar_t* StartFolder(const wchar_t* remembered) { return remembered[0] ? remembered : shell.workingFolder; }

// The dialog's filter list: text, pattern, ..., ending with an empty string.
void BuildFilterList(wchar_t* list, int capacity, int count) {
    int used = 0;
    for (int i = 0; i < count; ++i) {
        for (const wchar_t* part : {fileFilters[i].text, fileFilters[i].pattern}) {
            int length = static_cast<int>(wcslen(part)) + 1;
            if (used + length + 1 > capacity) break;
            wmemcpy(list + used, part, length);
            used += length;
        }
    }
    list[used] = L'\0';
}

// The folder of the chosen file, with its trailing separator.
void RememberFolder(const wchar_t* file, wchar_t* folder) {
    wchar_t full[FOLDER_CAPACITY];
    DWORD length = GetFullPathNameW(file, FOLDER_CAPACITY, full, nullptr);
    if (length == 0 || length >= FOLDER_CAPACITY) return;
    wchar_t* separator = wcsrchr(full, L'\\');
    if (separator == nullptr) return;
    separator[1] = L'\0';
    wcscpy(folder, full);
}

struct DialogSetup {
    const wchar_t* title;
    int filterCount;
    int* filterIndex;
    wchar_t* folder;
    const wchar_t* initialName; // null: the pattern of the selected filter
    DWORD flags;
    bool save;
};

int RunFileDialog(const DialogSetup& setup, char path[FOLDER_CAPACITY]) {
    wchar_t filters[512];
    BuildFilterList(filters, 512, setup.filterCount);
    int index = *setup.filterIndex;
    if (index < 1 || index > setup.filterCount) index = 1;
    wchar_t file[FOLDER_CAPACITY];
    wcsncpy(file, setup.initialName ? setup.initialName : fileFilters[index - 1].pattern, FOLDER_CAPACITY - 1);
    file[FOLDER_CAPACITY - 1] = L'\0';

    OPENFILENAMEW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.lpstrFilter = filters;
    dialog.nFilterIndex = static_cast<DWORD>(index);
    dialog.lpstrFile = file;
    dialog.nMaxFile = FOLDER_CAPACITY;
    dialog.lpstrInitialDir = StartFolder(setup.folder);
    dialog.lpstrTitle = setup.title;
    dialog.Flags = setup.flags;
    BOOL chosen = setup.save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
    // A path the 8-bit buffer cannot hold whole counts as not chosen: it would name another file.
    char narrow[FOLDER_CAPACITY];
    if (!chosen || PathToNarrow(file, narrow, FOLDER_CAPACITY) != 0) return 1;
    memcpy(path, narrow, sizeof narrow);
    *setup.filterIndex = static_cast<int>(dialog.nFilterIndex);
    RememberFolder(file, setup.folder);
    return 0;
}

} // namespace

int PLR_OpenFileDialog(const char* title, char path[FOLDER_CAPACITY]) {
    if (path == nullptr) return 1;
    wchar_t wideTitle[256];
    NarrowToWide(title != nullptr ? title : "", wideTitle, 256);
    DialogSetup setup = {wideTitle,  OPEN_FILTERS, &openFilterIndex,
                         openFolder, nullptr,      OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST,
                         false};
    return RunFileDialog(setup, path);
}

int SaveFileDialog(char path[FOLDER_CAPACITY]) {
    DialogSetup setup = {L"Save as", SAVE_FILTERS, &saveFilterIndex,
                         saveFolder, L"noname",    OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT,
                         true};
    return RunFileDialog(setup, path);
}

int SaveFilterIndex() { return saveFilterIndex; }

const wchar_t* OpenDialogFolder() { return StartFolder(openFolder); }
