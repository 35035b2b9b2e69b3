# Native unit tests of the portable code.
find_package(GTest REQUIRED)
include(GoogleTest)

add_executable(host_tests
    ${PLR_IMAGEOPS_HOST_TESTS}
    ${PLR_APP_HOST_TESTS}
    ${PLR_APP_TEST_SUPPORT}
    tests/host/button_layout_test.cpp
    tests/host/clock_test.cpp
    tests/host/drop_name_test.cpp
    tests/host/folders_test.cpp
    tests/host/image_block_test.cpp
    tests/host/image_slots_test.cpp
    tests/host/line_editor_test.cpp
    tests/host/main_geometry_test.cpp
    tests/host/request_test.cpp
    tests/host/status_text_test.cpp
    tests/host/text_layout_test.cpp
    tests/host/text_slots_test.cpp
)
target_link_libraries(host_tests PRIVATE plr_stereo plr_portable GTest::gtest_main)
gtest_discover_tests(host_tests TEST_PREFIX host. DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 60)
