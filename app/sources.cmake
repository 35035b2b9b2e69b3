# The stereo application's steps: portable sources, the Windows layer, and their native tests.
set(PLR_APP_STEP_SOURCES
    app/depth_maps.cpp
    app/depth_tables.cpp
    app/params.cpp
    app/stereo_compose.cpp
    app/stereo_views.cpp
)
# The steps and the buttons that call them (the buttons also print and open files).
set(PLR_APP_SOURCES ${PLR_APP_STEP_SOURCES} app/buttons.cpp)
set(PLR_APP_WIN_SOURCES
    app/stereo_app_win.cpp
    app/display_position_win.cpp
)
set(PLR_APP_HOST_TESTS
    tests/host/app_buttons_test.cpp
    tests/host/depth_test.cpp
    tests/host/stereo_test.cpp
)
# Stand-ins for the Windows-only calls the steps make (PLR_DrawImage, the display window).
set(PLR_APP_TEST_SUPPORT
    tests/host/app_button_doubles.cpp
    tests/host/app_doubles.cpp
)
