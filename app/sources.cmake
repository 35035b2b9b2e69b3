# The stereo application: its portable steps, the buttons that call them (they also print and
# open files), and its Windows layer.
set(PLR_APP_STEP_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/depth_maps.cpp
    ${CMAKE_CURRENT_LIST_DIR}/depth_tables.cpp
    ${CMAKE_CURRENT_LIST_DIR}/params.cpp
    ${CMAKE_CURRENT_LIST_DIR}/stereo_compose.cpp
    ${CMAKE_CURRENT_LIST_DIR}/stereo_views.cpp
)
set(PLR_APP_SOURCES ${PLR_APP_STEP_SOURCES} ${CMAKE_CURRENT_LIST_DIR}/buttons.cpp)
set(PLR_APP_WIN_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/stereo_app_win.cpp
    ${CMAKE_CURRENT_LIST_DIR}/display_position_win.cpp
)
