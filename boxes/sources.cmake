# The input box and the button box: portable sources, and the Windows layer.
set(PLR_BOXES_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/button_box.cpp
    ${CMAKE_CURRENT_LIST_DIR}/button_layout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/input_box.cpp
)
set(PLR_BOXES_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/button_box_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/input_box_win.cpp
)
