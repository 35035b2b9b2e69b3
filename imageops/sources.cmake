# Image operations: portable sources, and the Windows layer.
set(PLR_IMAGEOPS_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/color_models.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drawing.cpp
    ${CMAKE_CURRENT_LIST_DIR}/flood_fill.cpp
    ${CMAKE_CURRENT_LIST_DIR}/image_font.cpp
    ${CMAKE_CURRENT_LIST_DIR}/image_text.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pixel_readout.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picks.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pixels.cpp
    ${CMAKE_CURRENT_LIST_DIR}/transforms.cpp
)
set(PLR_IMAGEOPS_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/picks_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/pixel_readout_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/transforms_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/tt_text_win.cpp
)
