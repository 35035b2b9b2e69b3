# Text windows: portable sources, and the Windows layer.
set(PLR_TEXTWIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/key_queue.cpp
    ${CMAKE_CURRENT_LIST_DIR}/line_editor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_slots.cpp
)
set(PLR_TEXTWIN_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/line_input_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_window_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text_windows_win.cpp
)
