// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/random.h"

#include <chrono>

namespace forms {

void ClockRandom::reseedFromClock() {
    const auto now = std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count());
    engine_.seed(std::uint32_t(now ^ (now >> 32)) + 0x9E3779B9u * ++calls_);
}

float ClockRandom::next() {
    // 24 random bits fill a float's mantissa exactly, so the value stays below 1.
    return float(engine_() >> 8) * (1.0f / 16777216.0f);
}

} // namespace forms
