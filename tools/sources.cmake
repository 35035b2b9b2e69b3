# Tools that scripts and tests use to drive and picture the program under Wine.
add_executable(plr_screenshot ${CMAKE_CURRENT_LIST_DIR}/screenshot_win.cpp)
target_link_libraries(plr_screenshot PRIVATE gdiplus gdi32 user32)
target_link_options(plr_screenshot PRIVATE ${PLR_LINK_OPTIONS} -municode)

add_executable(plr_postkey ${CMAKE_CURRENT_LIST_DIR}/post_key_win.cpp)
target_link_libraries(plr_postkey PRIVATE user32)
target_link_options(plr_postkey PRIVATE ${PLR_LINK_OPTIONS} -municode)

add_executable(plr_waitwindow ${CMAKE_CURRENT_LIST_DIR}/wait_window_win.cpp)
target_link_libraries(plr_waitwindow PRIVATE gdi32 user32)
target_link_options(plr_waitwindow PRIVATE ${PLR_LINK_OPTIONS} -municode)
