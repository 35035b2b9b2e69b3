#include "shell/clock.h"

#include <gtest/gtest.h>

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

TEST(ClockMs, DefaultSourceAdvances) {
    uint32_t t0 = ClockMs();
    uint32_t t1 = ClockMs();
    EXPECT_LT(t1 - t0, 1000u);
}

} // namespace
