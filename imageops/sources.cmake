# Image operations: portable sources, and their native tests.
set(PLR_IMAGEOPS_SOURCES
    imageops/color_models.cpp
    imageops/drawing.cpp
    imageops/flood_fill.cpp
    imageops/image_font.cpp
    imageops/image_text.cpp
    imageops/pixel_readout.cpp
    imageops/pixels.cpp
)
set(PLR_IMAGEOPS_HOST_TESTS
    tests/host/color_models_test.cpp
    tests/host/drawing_test.cpp
    tests/host/pixels_test.cpp
)
