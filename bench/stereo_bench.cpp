// The Start pipeline and each stereo step on a photo scaled up to 4000 x 3000, in the image slots
// as Start creates them. Time is milliseconds per run; the counter is pixels per second.
#include "app/stereo.h"
#include "imagewin/image_slots.h"
#include "tests/support/test_images.h"

#include <benchmark/benchmark.h>

#include <cctype>
#include <cstdio>
#include <vector>

namespace {

enum { BENCH_WIDTH = 4000, BENCH_HEIGHT = 3000, PLOT_SIZE = 256 };

struct Photo {
    int width, height;
    std::vector<uint8_t> rgb; // 3 bytes per pixel, rows top first
};

// The next header number of a binary PPM, past white space and # comments; -1 if there is none.
int ReadHeaderNumber(FILE* file) {
    int c = fgetc(file);
    while (c != EOF && (isspace(c) || c == '#')) {
        if (c == '#')
            while (c != EOF && c != '\n')
                c = fgetc(file);
        c = fgetc(file);
    }
    int value = -1;
    while (c != EOF && isdigit(c) && value < 100000) {
        value = (value < 0 ? 0 : value * 10) + (c - '0');
        c = fgetc(file);
    }
    return value; // the one white space byte after the number has been read
}

// 0 read; 1 no file; 2 not an 8-bit binary PPM; 3 cut short.
int ReadPpm(const char* path, Photo* photo) {
    FILE* file = fopen(path, "rb");
    if (!file) return 1;
    int result = 0;
    if (fgetc(file) != 'P' || fgetc(file) != '6') result = 2;
    int width = result == 0 ? ReadHeaderNumber(file) : -1;
    int height = result == 0 ? ReadHeaderNumber(file) : -1;
    int maximum = result == 0 ? ReadHeaderNumber(file) : -1;
    if (width <= 0 || height <= 0 || maximum != 255) result = 2;
    if (result == 0) {
        photo->width = width;
        photo->height = height;
        photo->rgb.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
        if (fread(photo->rgb.data(), 1, photo->rgb.size(), file) != photo->rgb.size()) result = 3;
    }
    fclose(file);
    return result;
}

// Slots 0 to 4 as Start makes them, the photo in slot 0 scaled by nearest neighbour, and every
// step's input in place: tables, depth map and view pair.
void SetUpSlots(const Photo& photo) {
    OpenTestImage(0, 32, BENCH_WIDTH, BENCH_HEIGHT);
    OpenTestImage(1, 32, BENCH_WIDTH, BENCH_HEIGHT);
    OpenTestImage(2, 32, 2 * BENCH_WIDTH, BENCH_HEIGHT);
    OpenTestImage(3, 32, BENCH_WIDTH, BENCH_HEIGHT);
    OpenTestImage(4, 32, PLOT_SIZE, PLOT_SIZE);
    for (size_t y = 0; y < BENCH_HEIGHT; ++y) {
        size_t sourceY = y * static_cast<size_t>(photo.height) / BENCH_HEIGHT;
        for (size_t x = 0; x < BENCH_WIDTH; ++x) {
            size_t sourceX = x * static_cast<size_t>(photo.width) / BENCH_WIDTH;
            const uint8_t* rgb = &photo.rgb[(sourceY * static_cast<size_t>(photo.width) + sourceX) * 3];
            pixels32[0][y * BENCH_WIDTH + x] = static_cast<uint32_t>(rgb[0] << 16 | rgb[1] << 8 | rgb[2]);
        }
    }
    MakeGammaTable();
    MakeCorrectionCurve();
    MakeSMapModV();
    MakeViewPair();
}

void StartPipeline() {
    MakeCorrectionCurve();
    MakeSMapModV();
    MakeViewPair();
    PLR_DrawImage(2);
    ShowAnaglyph();
}

void RunStep(benchmark::State& state, void (*step)(), double pixels) {
    for (auto _ : state)
        step();
    // Shown with an SI prefix: "pixels=13.9M/s" is 13.9 megapixels per second.
    state.counters["pixels"] = benchmark::Counter(pixels, benchmark::Counter::kIsIterationInvariantRate);
}

void Register(const char* name, void (*step)(), double pixels) {
    benchmark::RegisterBenchmark(name, RunStep, step, pixels)->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

int main(int argc, char** argv) {
    Photo photo;
    int result = ReadPpm(PLR_BENCH_PHOTO, &photo);
    if (result != 0) {
        fprintf(stderr, "cannot read %s (code %d)\n", PLR_BENCH_PHOTO, result);
        return 1;
    }
    SetUpSlots(photo);

    // Registration order is run order: the other maps replace the depth map and shift that the
    // view pair works from, so they come after it.
    const double picture = static_cast<double>(BENCH_WIDTH) * BENCH_HEIGHT;
    Register("StartPipeline", StartPipeline, picture);
    Register("MakeCorrectionCurve", MakeCorrectionCurve, PLOT_SIZE * PLOT_SIZE); // the 256 x 256 plot
    Register("MakeSMapModV", MakeSMapModV, picture);
    Register("MakeViewPair", MakeViewPair, picture);
    Register("ShowAnaglyph", ShowAnaglyph, picture);
    Register("MakeVMap", MakeVMap, picture);
    Register("MakeSMap", MakeSMap, picture);
    Register("MakeSMapMod", MakeSMapMod, picture);
    Register("ShowInterlace1", ShowInterlace1, picture);

    // Two seconds a step unless the command line says otherwise: a later flag overrides an earlier
    // one, whereas a MinTime set on each benchmark would override the command line.
    std::vector<char*> args(argv, argv + argc);
    char defaultMinTime[] = "--benchmark_min_time=2";
    args.insert(args.begin() + 1, defaultMinTime);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());
    if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
