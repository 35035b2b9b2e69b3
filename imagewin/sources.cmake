# Image windows: portable sources, and the Windows layer.
set(PLR_IMAGEWIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/clipboard_dib.cpp
    ${CMAKE_CURRENT_LIST_DIR}/image_block.cpp
    ${CMAKE_CURRENT_LIST_DIR}/image_slots.cpp
)
set(PLR_IMAGEWIN_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/clipboard_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/file_dialogs_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/image_files_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/image_window_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/image_windows_win.cpp
)
