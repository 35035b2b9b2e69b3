// Image windows and picture files under Wine, from the program thread.
#include "imagewin/image_block.h"
#include "imagewin/image_windows_win.h"
#include "imageops/color_order.h"
#include "tests/win/in_process.h"
#include "tests/win/win_waits.h"
#include "tests/win/wintest.h"
#include "shell/pump_win.h"
#include "shell/window_text_win.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string DataPath(const char* name) { return std::string(PLR_TEST_DATA_DIR) + name; }

std::string TempPath(const char* name) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    char narrow[MAX_PATH];
    WideToNarrow(folder, narrow, MAX_PATH);
    return std::string(narrow) + name;
}

bool FileExists(const std::string& path) {
    wchar_t wide[MAX_PATH];
    NarrowToWide(path.c_str(), wide, MAX_PATH);
    return GetFileAttributesW(wide) != INVALID_FILE_ATTRIBUTES;
}

long FileSize(const std::string& path) {
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr) return -1;
    fseek(file, 0, SEEK_END);
    long size = ftell(file);
    fclose(file);
    return size;
}

void RemoveFile(const std::string& path) {
    wchar_t wide[MAX_PATH];
    NarrowToWide(path.c_str(), wide, MAX_PATH);
    DeleteFileW(wide);
}

std::string WindowTitle(HWND window) {
    wchar_t wide[256];
    GetWindowTextW(window, wide, 256);
    char narrow[256];
    WideToNarrow(wide, narrow, 256);
    return narrow;
}

SIZE ClientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// A binary PPM (P6, maxval 255) as colour values.
std::vector<ColorValue> ReadPpm(const std::string& path, int* width, int* height) {
    std::vector<ColorValue> pixels;
    FILE* file = fopen(path.c_str(), "rb");
    if (file == nullptr) return pixels;
    int maxval = 0;
    if (fscanf(file, "P6 %d %d %d", width, height, &maxval) == 3 && maxval == 255 && fgetc(file) != EOF) {
        pixels.resize(static_cast<size_t>(*width) * *height);
        for (ColorValue& p : pixels) {
            int r = fgetc(file), g = fgetc(file), b = fgetc(file);
            p = static_cast<ColorValue>((r << 16) | (g << 8) | b);
        }
    }
    fclose(file);
    return pixels;
}

int ChannelDifference(ColorValue a, ColorValue b) {
    int worst = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        int d = std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF));
        if (d > worst) worst = d;
    }
    return worst;
}

ColorValue Pixel(int slot, int x, int y) { return pixels32[slot][y * imageSlots[slot].width + x] & 0xFFFFFF; }

void FillPattern(int slot) {
    const ImageSlot& s = imageSlots[slot];
    for (int y = 0; y < s.height; ++y)
        for (int x = 0; x < s.width; ++x)
            pixels32[slot][y * s.width + x] = static_cast<ColorValue>((x * 5) << 16 | (y * 7) << 8 | (x + y) * 2);
}

WT_CASE(CreationGivesTitleSizePlaceAndBlackPixels) {
    CloseAllImages();
    WT_CHECK_EQ(PLR_CreateImage(3, "photo", 10, 20, 400, 300, 100), 0);
    const ImageSlot& s = imageSlots[3];
    WT_REQUIRE(s.inUse == 1);
    WT_CHECK_EQ(currentImage, 3);
    WT_CHECK_EQ(WindowTitle(s.window), std::string("photo(100%)"));
    wchar_t className[32];
    GetClassNameW(s.window, className, 32);
    WT_CHECK(wcscmp(className, L"plr_iw") == 0);
    WT_CHECK(GetWindow(s.window, GW_OWNER) == shell.mainWindow);
    RECT outer;
    GetWindowRect(s.window, &outer);
    WT_CHECK_EQ(outer.left, 10);
    WT_CHECK_EQ(outer.top, 20);
    WT_CHECK_EQ(ClientSize(s.window).cx, 400);
    WT_CHECK_EQ(ClientSize(s.window).cy, 300);
    WT_CHECK((GetWindowLongPtrW(s.window, GWL_EXSTYLE) & WS_EX_ACCEPTFILES) != 0);
    WT_CHECK_EQ(GetStretchBltMode(s.windowDC), COLORONCOLOR);
    WT_CHECK_EQ(GetStretchBltMode(s.memoryDC), COLORONCOLOR);
    int nonZero = 0;
    for (int i = 0; i < 400 * 300; ++i)
        nonZero += pixels32[3][i] != 0;
    WT_CHECK_EQ(nonZero, 0);

    WT_CHECK_EQ(PLR_CreateImage8(4, "grey", -1, -1, 101, 60, 200), 0);
    const ImageSlot& g = imageSlots[4];
    WT_CHECK_EQ(WindowTitle(g.window), std::string("grey(200%)[8bit]"));
    WT_CHECK_EQ(ClientSize(g.window).cx, 202);
    WT_CHECK_EQ(ClientSize(g.window).cy, 120);
    uint32_t palette[256];
    WT_CHECK_EQ(PLR_GetPalette(palette), 0);
    WT_CHECK_EQ(palette[0], 0u);
    WT_CHECK_EQ(palette[128], 0x808080u);
    WT_CHECK_EQ(palette[255], 0xFFFFFFu);
    WT_CHECK(pixels8[4] != nullptr);
    WT_CHECK_EQ(imageHistory[0], 3);
    CloseAllImages();
}

// The zoom rule's own cases are host tests; this checks that creation applies it with this
// screen's metrics and gives the window the client size and title it computes.
WT_CASE(CreationUsesTheZoomRuleWithTheScreensMetrics) {
    CloseAllImages();
    SizeLimits limits = ImageSizeLimits(1, ReadScreenMetrics());
    struct Case {
        int width, height, zoom;
    } cases[] = {{3000, 2000, 100}, {10, 10, 100}, {640, 480, 0}, {640, 480, -20}, {0, -5, 100}, {200, 150, 300}};
    for (const Case& c : cases) {
        ZoomFit fit;
        int w = c.width < 1 ? 1 : c.width, h = c.height < 1 ? 1 : c.height;
        int expected = ApplyZoomRule(w, h, c.zoom, limits, &fit);
        int result = PLR_CreateImage(1, "z", 0, 0, c.width, c.height, c.zoom);
        WT_CHECK_EQ(result, expected);
        if (result != 0) continue;
        const ImageSlot& s = imageSlots[1];
        WT_CHECK_EQ(s.width, w);
        WT_CHECK_EQ(s.height, h);
        WT_CHECK_EQ(s.zoom, fit.zoom);
        WT_CHECK_EQ(ClientSize(s.window).cx, fit.displayWidth);
        WT_CHECK_EQ(ClientSize(s.window).cy, fit.displayHeight);
        char title[64];
        snprintf(title, sizeof title, "z(%d%%)", fit.zoom);
        WT_CHECK_EQ(WindowTitle(s.window), std::string(title));
        PLR_DestroyImage(1);
    }
    // A picture 1 wide and far taller than the screen allows at the minimum width.
    WT_CHECK_EQ(PLR_CreateImage(1, "thin", 0, 0, 1, 4000, 100), 2);
    WT_CHECK_EQ(imageSlots[1].inUse, 0);
    WT_CHECK_EQ(PLR_CreateImage(256, "x", 0, 0, 10, 10, 100), 4);
    WT_CHECK_EQ(PLR_CreateImage(-1, "x", 0, 0, 10, 10, 100), 4);
    WT_CHECK_EQ(CreateImageSlot(1, "x", 0, 0, 10, 10, 100, 16), 3);
    WT_CHECK_EQ(imageSlots[1].inUse, 0);
    CloseAllImages();
}

WT_CASE(SlotInUseIsRefusedAndUntouched) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(5, "first", 0, 0, 64, 32, 100) == 0);
    WT_REQUIRE(PLR_CreateImage(6, "other", 100, 0, 64, 32, 100) == 0);
    HWND window = imageSlots[5].window;
    pixels32[5][7] = 0x123456;
    WT_CHECK_EQ(PLR_CreateImage(5, "second", 0, 0, 10, 10, 100), 1);
    WT_CHECK_EQ(currentImage, 6);
    WT_CHECK(imageSlots[5].window == window);
    WT_CHECK_EQ(std::string(imageSlots[5].name), std::string("first"));
    WT_CHECK_EQ(imageSlots[5].width, 64);
    WT_CHECK_EQ(pixels32[5][7], 0x123456u);
    CloseAllImages();
}

WT_CASE(ResizeKeepsPaletteNameZoomPlaceAndStretchMode) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage8(2, "eight", 30, 40, 400, 300, 50) == 0);
    uint32_t palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = 0x010203u * static_cast<uint32_t>(i % 80);
    WT_CHECK_EQ(PLR_SetPalette(palette, 256), 0);
    WT_CHECK_EQ(PLR_SetStretchMode(2, STRETCH_MODE_HALFTONE), 0);
    WT_CHECK_EQ(WindowTitle(imageSlots[2].window), std::string("eight(50%)[8bit]*"));
    pixels8[2][0] = 99;
    RECT before;
    GetWindowRect(imageSlots[2].window, &before);

    WT_CHECK_EQ(PLR_ResizeImage(2, 240, 160), 0);
    const ImageSlot& s = imageSlots[2];
    WT_CHECK_EQ(s.width, 240);
    WT_CHECK_EQ(s.height, 160);
    WT_CHECK_EQ(s.zoom, 50);
    WT_CHECK_EQ(std::string(s.name), std::string("eight"));
    WT_CHECK_EQ(WindowTitle(s.window), std::string("eight(50%)[8bit]*"));
    WT_CHECK_EQ(PLR_GetStretchMode(2), STRETCH_MODE_HALFTONE);
    RECT after;
    GetWindowRect(s.window, &after);
    WT_CHECK_EQ(after.left, before.left);
    WT_CHECK_EQ(after.top, before.top);
    uint32_t kept[256];
    PLR_GetPalette(kept);
    int same = 0;
    for (int i = 0; i < 256; ++i)
        same += kept[i] == palette[i];
    WT_CHECK_EQ(same, 256);
    WT_CHECK_EQ(pixels8[2][0], 0);
    WT_CHECK_EQ(currentImage, 2);

    WT_CHECK_EQ(PLR_SetStretchMode(2, STRETCH_MODE_COLORONCOLOR), 0);
    WT_CHECK_EQ(WindowTitle(s.window), std::string("eight(50%)[8bit]"));
    WT_CHECK_EQ(PLR_SetStretchMode(2, 7), 0); // no such mode: nothing changes
    WT_CHECK_EQ(PLR_GetStretchMode(2), STRETCH_MODE_COLORONCOLOR);
    WT_CHECK_EQ(PLR_ResizeImage(9, 10, 10), 1);
    CloseAllImages();
}

// A size that no zoom can show, or that no memory can hold, leaves the slot as it was.
WT_CASE(ResizeThatCannotBeDoneKeepsTheSlot) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(2, "strip", 10, 10, 200, 100, 100) == 0);
    HWND window = imageSlots[2].window;
    pixels32[2][5] = 0x123456;
    struct Case {
        int width, height, result;
    } cases[] = {{1, 4000, 2}, {100000, 100000, 3}}; // no zoom fits; 40 GB
    // Creation refuses such storage as well, and leaves the slot free.
    WT_CHECK_EQ(PLR_CreateImage(3, "huge", 0, 0, 100000, 100000, 1), 3);
    WT_CHECK_EQ(imageSlots[3].inUse, 0);
    for (const Case& c : cases) {
        WT_CHECK_EQ(PLR_ResizeImage(2, c.width, c.height), c.result);
        WT_REQUIRE(imageSlots[2].inUse == 1);
        WT_CHECK(imageSlots[2].window == window);
        WT_CHECK(IsWindow(window));
        WT_CHECK_EQ(imageSlots[2].width, 200);
        WT_CHECK_EQ(pixels32[2][5], 0x123456u);
    }
    CloseAllImages();
}

WT_CASE(SetZoomResizesTheFrameAndTitle) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(1, "zoom", 50, 60, 200, 100, 100) == 0);
    HWND window = imageSlots[1].window;
    RECT before;
    GetWindowRect(window, &before);
    WT_CHECK_EQ(PLR_SetZoom(1, 150), 0);
    WT_CHECK_EQ(ClientSize(window).cx, 300);
    WT_CHECK_EQ(ClientSize(window).cy, 150);
    RECT after;
    GetWindowRect(window, &after);
    WT_CHECK_EQ(after.left, before.left);
    WT_CHECK_EQ(after.top, before.top);
    WT_CHECK_EQ(WindowTitle(window), std::string("zoom(150%)"));
    WT_CHECK_EQ(PLR_SetZoom(7, 100), 1);
    CloseAllImages();
}

WT_CASE(DrawImageShowsThePixels) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(1, "show", 100, 100, 160, 120, 100) == 0);
    PumpDialogMessages();
    for (int i = 0; i < 160 * 120; ++i)
        pixels32[1][i] = 0x00C08040;
    WT_CHECK_EQ(PLR_DrawImage(1), 0);
    WT_CHECK_EQ(SwapRedBlue(GetPixel(imageSlots[1].windowDC, 5, 5)), 0xC08040u);
    // The screen shows it once the window system has flushed the window's surface.
    POINT corner = {0, 0};
    ClientToScreen(imageSlots[1].window, &corner);
    ColorValue shown = 0;
    WaitUntil(
        [&] {
            HDC screen = GetDC(nullptr);
            shown = SwapRedBlue(GetPixel(screen, corner.x + 5, corner.y + 5));
            ReleaseDC(nullptr, screen);
            return shown == 0xC08040u;
        },
        WAIT_TIMEOUT_MS, PumpBriefly);
    WT_CHECK_EQ(shown, 0xC08040u);
    WT_CHECK_EQ(PLR_DrawImage(2), 1);
    CloseAllImages();
}

WT_CASE(DestroyFreesTheSlotAndForgetsItsStorage) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(8, "gone", 0, 0, 16, 16, 100) == 0);
    HWND window = imageSlots[8].window;
    WT_CHECK_EQ(PLR_DestroyImage(8), 0);
    WT_CHECK(!IsWindow(window));
    WT_CHECK_EQ(imageSlots[8].inUse, 0);
    WT_CHECK_EQ(imageSlots[8].width, 0);
    WT_CHECK(pixels32[8] == nullptr);
    WT_CHECK_EQ(currentImage, 8); // the current image is left alone
    WT_CHECK_EQ(PLR_DestroyImage(8), 1);

    WT_REQUIRE(PLR_CreateImage(8, "closed", 0, 0, 16, 16, 100) == 0);
    window = imageSlots[8].window;
    PostMessageW(window, WM_CLOSE, 0, 0);
    PumpDialogMessages();
    WT_CHECK_EQ(imageSlots[8].inUse, 0);
    WT_CHECK(!IsWindow(window));
}

WT_CASE(LoadsAPngExactly) {
    CloseAllImages();
    int width = 0, height = 0;
    std::vector<ColorValue> reference = ReadPpm(DataPath("chelsea_crop.ppm"), &width, &height);
    WT_REQUIRE(!reference.empty());
    WT_REQUIRE(PLR_CreateImage(0, "png", 0, 0, width, height, 100) == 0);
    WT_CHECK_EQ(PLR_LoadImageFile(DataPath("chelsea_crop.png").c_str(), 0, 0), 0);
    int differing = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            differing += Pixel(0, x, y) != reference[y * width + x];
    WT_CHECK_EQ(differing, 0);
    CloseAllImages();
}

WT_CASE(LoadsAJpegWithinDecoderTolerance) {
    CloseAllImages();
    int width = 0, height = 0;
    std::vector<ColorValue> reference = ReadPpm(DataPath("rocket_crop.ppm"), &width, &height);
    WT_REQUIRE(!reference.empty());
    WT_REQUIRE(PLR_CreateImage(0, "jpeg", 0, 0, width, height, 100) == 0);
    WT_CHECK_EQ(PLR_LoadImageFile(DataPath("rocket_crop.jpg").c_str(), 0, 0), 0);
    int worst = 0;
    long total = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            int d = ChannelDifference(Pixel(0, x, y), reference[y * width + x]);
            worst = d > worst ? d : worst;
            total += d;
        }
    WT_CHECK(worst <= 8);
    WT_CHECK(total <= width * height); // on average at most one level apart
    CloseAllImages();
}

WT_CASE(LoadDrawsAtTheCornerAtItsOwnSize) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(0, "half", 0, 0, 100, 100, 100) == 0);
    WT_CHECK_EQ(PLR_LoadImageFile(DataPath("wide_200x100.bmp").c_str(), 0, 0), 0);
    WT_CHECK_EQ(Pixel(0, 0, 0), 0xFF0000u);
    WT_CHECK_EQ(Pixel(0, 99, 99), 0xFF0000u); // only the left, red half fits
    WT_CHECK_EQ(Pixel(0, 45, 45), 0x00FF00u);

    for (int i = 0; i < 100 * 100; ++i)
        pixels32[0][i] = 0x123456;
    WT_CHECK_EQ(PLR_LoadImageFile(DataPath("wide_200x100.bmp").c_str(), 50, 0), 0);
    WT_CHECK_EQ(Pixel(0, 49, 10), 0x123456u); // left of the corner: kept
    WT_CHECK_EQ(Pixel(0, 50, 10), 0xFF0000u);
    WT_CHECK_EQ(Pixel(0, 95, 45), 0x00FF00u);
    CloseAllImages();
}

WT_CASE(SixteenColourPictureSetsOnlyItsEntries) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage8(0, "pal", 0, 0, 64, 16, 100) == 0);
    uint32_t marker[256];
    for (int i = 0; i < 256; ++i)
        marker[i] = 0xABCDEF;
    PLR_SetPalette(marker, 256);
    WT_CHECK_EQ(PLR_LoadImageFile(DataPath("pal16.bmp").c_str(), 0, 0), 0);
    uint32_t palette[256];
    PLR_GetPalette(palette);
    int replaced = 0, kept = 0;
    for (int i = 0; i < 16; ++i)
        replaced += palette[i] != 0xABCDEF;
    for (int i = 16; i < 256; ++i)
        kept += palette[i] == 0xABCDEF;
    WT_CHECK_EQ(replaced, 16);
    WT_CHECK_EQ(kept, 240);
    WT_CHECK_EQ(palette[0] >> 24, 0u);
    // The leftmost pixel is the ramp's red end, drawn through the table just set.
    WT_CHECK_EQ(ChannelDifference(palette[pixels8[0][0]], 0xFF0000) <= 16, true);
    CloseAllImages();
}

WT_CASE(LoadRefusesWhatIsNotAPictureOrNotOpen) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(0, "target", 0, 0, 10, 10, 100) == 0);
    WT_CHECK_EQ(PLR_LoadImageFile(DataPath("SOURCES.txt").c_str(), 0, 0), 1);
    WT_CHECK_EQ(PLR_LoadImageFile(DataPath("missing.png").c_str(), 0, 0), 1);
    PLR_DestroyImage(0); // current, but no longer open
    WT_CHECK_EQ(PLR_LoadImageFile(DataPath("chelsea_crop.png").c_str(), 0, 0), 2);
}

WT_CASE(SavedPicturesLoadBack) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(0, "source", 0, 0, 48, 32, 100) == 0);
    FillPattern(0);
    struct Format {
        int index;
        const char* extension;
        int tolerance; // -1: only the size is compared
    } formats[] = {{0, ".bmp", 0}, {1, ".jpg", 24}, {2, ".gif", -1}, {3, ".png", 0}, {4, ".tif", 0}};
    for (const Format& f : formats) {
        std::string base = TempPath("plr_saved"), path = base + f.extension;
        RemoveFile(path);
        PLR_SelectImage(0);
        int saved = PLR_SaveImageFile(base.c_str(), f.index, 48, 32);
        CLSID encoder;
        if (saved != 0 && FindEncoder(f.index == 4 ? L"image/tiff" : L"image/gif", &encoder) != 0) {
            printf("SKIP: this GDI+ has no encoder for %s\n", f.extension);
            continue;
        }
        WT_CHECK_EQ(saved, 0);
        WT_CHECK(FileExists(path));
        WT_REQUIRE(PLR_CreateImage(1, "back", 0, 0, 48, 32, 100) == 0);
        int loaded = PLR_LoadImageFile(path.c_str(), 0, 0);
        if (loaded != 0 && f.index == 2 && FileSize(path) < 64) {
            // Wine's GIF encoder writes only the headers for a 24-bit picture (8-bit ones are
            // tested in NarrowEightBitImageSavesWithoutShiftedRows).
            printf("SKIP: this GDI+ writes no image data for a 24-bit GIF (%ld bytes)\n", FileSize(path));
            PLR_DestroyImage(1);
            RemoveFile(path);
            continue;
        }
        WT_CHECK_EQ(loaded, 0);
        if (f.tolerance >= 0) {
            int worst = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 48; ++x) {
                    int d = ChannelDifference(Pixel(1, x, y), Pixel(0, x, y));
                    worst = d > worst ? d : worst;
                }
            if (worst > f.tolerance) printf("%s differs by up to %d levels\n", f.extension, worst);
            WT_CHECK(worst <= f.tolerance);
        }
        PLR_DestroyImage(1);
        RemoveFile(path);
    }
    PLR_SelectImage(0);
    WT_CHECK_EQ(PLR_SaveImageFile(TempPath("empty").c_str(), 3, 0, 10), 2);
    PLR_DestroyImage(0);
    WT_CHECK_EQ(PLR_SaveImageFile(TempPath("none").c_str(), 3, 10, 10), 3);
}

// Refusals that change nothing: no such format, no size, no path, and a path too long for the
// 8-bit buffer (it would be cut and name another file).
WT_CASE(SaveAndLoadRefuseWhatTheyCannotDo) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(0, "source", 0, 0, 8, 8, 100) == 0);
    std::string base = TempPath("plr_refused");
    std::string tooLong = TempPath(std::string(300, 'x').c_str());
    // Fits alone, but not with the extension that saving appends.
    std::string noRoomForExtension = base + std::string(257 - base.size(), 'y');
    struct Case {
        const char* name;
        const char* path;
        int format, width, height, result;
    } cases[] = {
        {"format 5", base.c_str(), 5, 8, 8, 1},
        {"format -1", base.c_str(), -1, 8, 8, 1},
        {"negative width", base.c_str(), 3, -1, 8, 2},
        {"negative height", base.c_str(), 3, 8, -5, 2},
        {"no path", nullptr, 3, 8, 8, 1},
        {"path too long", tooLong.c_str(), 3, 8, 8, 1},
        {"no room for the extension", noRoomForExtension.c_str(), 3, 8, 8, 1},
        {"a block no process here could hold", base.c_str(), 3, 40000, 40000, 2},
    };
    for (const Case& c : cases) {
        int result = PLR_SaveImageFile(c.path, c.format, c.width, c.height);
        if (result != c.result) printf("case: %s\n", c.name);
        WT_CHECK_EQ(result, c.result);
    }
    WT_CHECK(!FileExists(base + ".png"));
    WT_CHECK(!FileExists(base + ".bmp"));
    WT_CHECK_EQ(PLR_LoadImageFile(nullptr, 0, 0), 1);
    WT_CHECK_EQ(PLR_LoadImageFile(tooLong.c_str(), 0, 0), 1);
    char path[260] = "unchanged";
    WT_CHECK_EQ(PLR_OpenFileDialog("Load image file", nullptr), 1);
    WT_CHECK_EQ(std::string(path), std::string("unchanged"));
    PLR_GetBlock(nullptr, 0, 0, 4, 4); // nowhere to copy to: nothing happens
    CloseAllImages();
}

// The pause box shows an empty text for no text.
WT_CASE(PauseWithoutTextShowsAnEmptyBox) {
    HANDLE closer = CreateThread(
        nullptr, 0,
        [](void*) -> DWORD {
            HWND box = WaitForWindow(L"#32770", L"Pause", GetCurrentProcessId());
            if (box == nullptr) return 1;
            PostMessageW(box, WM_COMMAND, IDOK, 0);
            return 0;
        },
        nullptr, 0, nullptr);
    PLR_Pause(nullptr);
    WaitForSingleObject(closer, 2 * WAIT_TIMEOUT_MS);
    DWORD answered = 1;
    GetExitCodeThread(closer, &answered);
    CloseHandle(closer);
    WT_CHECK_EQ(static_cast<long long>(answered), 0ll);
}

WT_CASE(ThirtyTwoBitPngHasNoAlpha) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage(0, "rgb", 0, 0, 8, 8, 100) == 0);
    std::string path = TempPath("plr_rgb.png");
    WT_CHECK_EQ(PLR_SaveImageFile(path.c_str(), 3, 8, 8), 0);
    FILE* file = fopen(path.c_str(), "rb");
    WT_REQUIRE(file != nullptr);
    unsigned char header[26] = {};
    size_t read = fread(header, 1, sizeof header, file);
    fclose(file);
    WT_CHECK_EQ(read, sizeof header);
    WT_CHECK_EQ(static_cast<int>(header[25]), 2); // IHDR colour type 2: RGB, no alpha
    RemoveFile(path);
    CloseAllImages();
}

WT_CASE(NarrowEightBitImageSavesWithoutShiftedRows) {
    CloseAllImages();
    WT_REQUIRE(PLR_CreateImage8(0, "narrow", 0, 0, 5, 4, 100) == 0);
    int rowBytes = ImageRowBytes(imageSlots[0]);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            pixels8[0][y * rowBytes + x] = static_cast<uint8_t>(40 * y + 8 * x);
    for (int format : {0, 2, 3}) {
        const char* extensions[] = {".bmp", ".jpg", ".gif", ".png"};
        std::string base = TempPath("plr_narrow"), path = base + extensions[format];
        PLR_SelectImage(0);
        WT_CHECK_EQ(PLR_SaveImageFile(base.c_str(), format, 5, 4), 0);
        WT_REQUIRE(PLR_CreateImage(1, "back", 0, 0, 5, 4, 100) == 0);
        WT_CHECK_EQ(PLR_LoadImageFile(path.c_str(), 0, 0), 0);
        int wrong = 0;
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x) {
                uint32_t grey = 40u * y + 8u * x;
                wrong += Pixel(1, x, y) != (grey << 16 | grey << 8 | grey);
            }
        WT_CHECK_EQ(wrong, 0);
        PLR_DestroyImage(1);
        RemoveFile(path);
    }
    CloseAllImages();
}

} // namespace

namespace {

// The open dialog, answered from another thread as a user would (an empty name cancels).
int RunOpenDialog(FileDialogAnswer* answer, char path[260]) {
    answer->title = L"Load image file";
    StartAnsweringFileDialog(answer);
    int result = PLR_OpenFileDialog("Load image file", path);
    FinishAnsweringFileDialog(answer);
    return result;
}

WT_CASE(OpenDialogReturnsThePathAndRemembersTheFolder) {
    FileDialogAnswer cancel;
    char path[260] = "unchanged";
    WT_CHECK_EQ(RunOpenDialog(&cancel, path), 1);
    WT_CHECK(cancel.answered);
    WT_CHECK(cancel.nameSeen == L"*.BMP;*.RLE;*.DIB"); // the BMP filter is preselected
    WT_CHECK_EQ(std::string(path), std::string("unchanged"));

    wchar_t chosen[260];
    NarrowToWide(DataPath("pal16.bmp").c_str(), chosen, 260);
    FileDialogAnswer open;
    open.fileName = chosen;
    WT_CHECK_EQ(RunOpenDialog(&open, path), 0);
    WT_CHECK_EQ(std::string(path), DataPath("pal16.bmp"));
    char folder[MAX_PATH];
    WideToNarrow(OpenDialogFolder(), folder, MAX_PATH);
    WT_CHECK_EQ(std::string(folder), std::string(PLR_TEST_DATA_DIR));
}

} // namespace
