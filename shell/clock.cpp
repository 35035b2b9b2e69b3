#include "shell/clock.h"
#include "pelori.h"

#include <chrono>
#include <cmath>

static int64_t SteadyNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

CounterSource counterSource = SteadyNanoseconds;
double msPerCount = 1e-6;

uint32_t ClockMsFromCount(int64_t count, double msPerTick) {
    // Floor to whole milliseconds in 64 bits, then keep the low 32 bits: the clock wraps, never saturates.
    int64_t ms = static_cast<int64_t>(std::floor(static_cast<double>(count) * msPerTick));
    return static_cast<uint32_t>(static_cast<uint64_t>(ms));
}

uint32_t ClockMs() { return ClockMsFromCount(counterSource(), msPerCount); }

int64_t PLR_ReadCounter() { return counterSource(); }

double PLR_MsPerCount() { return msPerCount; }
