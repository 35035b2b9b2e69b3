# The Windows layer, the program and its tests under Wine.

add_library(plr_framework OBJECT
    ${PLR_SHELL_WIN_SOURCES}
    ${PLR_TEXTWIN_WIN_SOURCES}
    ${PLR_BOXES_WIN_SOURCES}
    ${PLR_IMAGEWIN_WIN_SOURCES}
    ${PLR_IMAGEOPS_WIN_SOURCES}
)
target_include_directories(plr_framework PRIVATE ${CMAKE_SOURCE_DIR})
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

include(tools/sources.cmake)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
    # The release image is checked by reading its headers: these hosts cannot run 32-bit code.
    add_test(NAME win32.pe_headers
             COMMAND ${CMAKE_SOURCE_DIR}/tests/check_pe_headers.sh ${PLR_OBJDUMP} $<TARGET_FILE:pelori>)
else()
    add_subdirectory(tests/win)
endif()
