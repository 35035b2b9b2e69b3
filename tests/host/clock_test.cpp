#include "shell/clock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

int64_t fakeCount;
int64_t FakeCounter() { return fakeCount; }

struct ClockFixture : testing::Test {
    CounterSource savedSource = counterSource;
    double savedPerCount = msPerCount;
    void SetUp() override {
        counterSource = FakeCounter;
        msPerCount = 0.1; // a 10 kHz counter
    }
    void TearDown() override {
        counterSource = savedSource;
        msPerCount = savedPerCount;
    }
};

TEST_F(ClockFixture, FloorsToWholeMilliseconds) {
    fakeCount = 19;
    EXPECT_EQ(ClockMs(), 1u);
    fakeCount = 20;
    EXPECT_EQ(ClockMs(), 2u);
}

TEST_F(ClockFixture, DifferencesStayCorrectAcrossTheWrap) {
    const int64_t wrapCount = (int64_t{1} << 32) * 10; // the count at which the milliseconds reach 2^32
    struct Case {
        int64_t before, after;
        uint32_t elapsed;
    } cases[] = {
        {wrapCount - 50, wrapCount + 150, 20},       // 5 ms before the wrap to 15 ms after
        {wrapCount - 10, wrapCount, 1},              // exactly onto the wrap
        {wrapCount - 5000, wrapCount + 15000, 2000}, // the exit wait's limit across the wrap
        {3 * wrapCount - 7, 3 * wrapCount + 3, 1},   // a later wrap
    };
    for (const Case& c : cases) {
        fakeCount = c.before;
        uint32_t t0 = ClockMs();
        fakeCount = c.after;
        uint32_t t1 = ClockMs();
        EXPECT_EQ(t1 - t0, c.elapsed) << "from count " << c.before;
        EXPECT_LT(t1, t0) << "the reading itself wraps";
    }
}

TEST(ClockMsFromCount, KeepsTheLow32BitsOfTheMilliseconds) {
    EXPECT_EQ(ClockMsFromCount(int64_t{0x100000005} * 1000, 0.001), 5u);
    EXPECT_EQ(ClockMsFromCount(0, 1000.0 / 3579545.0), 0u);
    EXPECT_EQ(ClockMsFromCount(35795450, 1000.0 / 3579545.0), 10000u);
}

typedef std::chrono::steady_clock Steady;

double MsBetween(Steady::time_point from, Steady::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// Reads ClockMs until it has moved at least minimum on from start, or the deadline passes;
// the last reading.
uint32_t ReadUntilAdvanced(uint32_t start, uint32_t minimum, Steady::time_point deadline) {
    uint32_t reading = ClockMs();
    while (reading - start < minimum && Steady::now() < deadline) {
        std::this_thread::yield();
        reading = ClockMs();
    }
    return reading;
}

// The deadline is only there to end the wait for a stuck clock; a working one moves within 1 ms.
TEST(ClockMs, DefaultSourceAdvances) {
    uint32_t start = ClockMs();
    uint32_t reading = ReadUntilAdvanced(start, 1, Steady::now() + std::chrono::seconds(5));
    EXPECT_NE(reading, start) << "the clock did not move in 5 s";
}

// Each ClockMs reading is bracketed by two steady-clock readings, so its own elapsed time lies
// between the inner and the outer span, give or take the 1 ms that flooring each reading costs.
TEST(ClockMs, DefaultSourceKeepsPaceWithTheSteadyClock) {
    Steady::time_point before0 = Steady::now();
    uint32_t t0 = ClockMs();
    Steady::time_point after0 = Steady::now();
    uint32_t advanced = ReadUntilAdvanced(t0, 100, after0 + std::chrono::seconds(5));
    ASSERT_GE(advanced - t0, 100u) << "the clock did not move 100 ms in 5 s";
    Steady::time_point before1 = Steady::now();
    uint32_t t1 = ClockMs();
    Steady::time_point after1 = Steady::now();
    double elapsed = t1 - t0;
    EXPECT_GE(elapsed, MsBetween(after0, before1) - 1.0);
    EXPECT_LE(elapsed, MsBetween(before0, after1) + 1.0);
}

} // namespace
