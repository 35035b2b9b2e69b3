# Support shared by the host tests and the benchmark: image slots on heap blocks of exactly the
# image's size, and stand-ins for the Windows layer that record what was asked.
set(PLR_TEST_SUPPORT_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_images.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_doubles.cpp
)
