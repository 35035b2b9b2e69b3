// The framework's millisecond clock: a 32-bit count that wraps modulo 2^32.
// Users take differences of two readings as unsigned 32-bit numbers.
#pragma once

#include <cstdint>

typedef int64_t (*CounterSource)();

extern CounterSource counterSource; // high-resolution counter; the platform installs its own at start-up
extern double msPerCount;           // milliseconds per counter tick

uint32_t ClockMsFromCount(int64_t count, double msPerTick);
uint32_t ClockMs();
