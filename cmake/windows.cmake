# The Windows layer, the program and its tests under Wine.

add_library(plr_framework OBJECT
    shell/file_drop_win.cpp
    shell/main_popup_win.cpp
    shell/main_window_win.cpp
    shell/owned_window_win.cpp
    shell/program_thread_win.cpp
    shell/pump_win.cpp
    shell/requests_win.cpp
    shell/window_text_win.cpp
    shell/winmain_win.cpp
    textwin/line_input_win.cpp
    textwin/text_window_win.cpp
    textwin/text_windows_win.cpp
    boxes/button_box_win.cpp
    boxes/input_box_win.cpp
    imageops/pixel_readout_win.cpp
    imageops/tt_text_win.cpp
    imagewin/file_dialogs_win.cpp
    imagewin/image_files_win.cpp
    imagewin/image_window_win.cpp
    imagewin/image_windows_win.cpp
)
target_link_libraries(plr_framework PUBLIC plr_portable gdiplus comdlg32 shell32 gdi32 user32 kernel32)

# A GUI image for Windows 2000 and later that needs no MinGW runtime DLL beside it.
set(PLR_LINK_OPTIONS
    -static -static-libgcc -static-libstdc++
    -Wl,--major-subsystem-version,5 -Wl,--minor-subsystem-version,0
    -Wl,--major-os-version,5 -Wl,--minor-os-version,0
    $<$<CONFIG:Release>:-s>
)
if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    list(APPEND PLR_LINK_OPTIONS -Wl,--large-address-aware)
endif()

# A program on the framework: its own AppSetup and AppMain plus the framework's process entry.
function(plr_add_program name)
    add_executable(${name} WIN32 ${ARGN})
    target_link_libraries(${name} PRIVATE plr_framework)
    target_link_options(${name} PRIVATE ${PLR_LINK_OPTIONS})
endfunction()

plr_add_program(pelori ${PLR_APP_WIN_SOURCES})
target_link_libraries(pelori PRIVATE plr_stereo)

add_executable(plr_screenshot tools/screenshot_win.cpp)
target_link_libraries(plr_screenshot PRIVATE gdiplus gdi32 user32)
target_link_options(plr_screenshot PRIVATE ${PLR_LINK_OPTIONS} -municode)

add_executable(plr_postkey tools/post_key_win.cpp)
target_link_libraries(plr_postkey PRIVATE user32)
target_link_options(plr_postkey PRIVATE ${PLR_LINK_OPTIONS} -municode)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # The release image is checked by reading its headers: these hosts cannot run 32-bit code.
    add_test(NAME win32.pe_headers
             COMMAND ${CMAKE_SOURCE_DIR}/tests/check_pe_headers.sh ${PLR_OBJDUMP} $<TARGET_FILE:pelori>)
else()
    add_subdirectory(tests/win)
endif()
