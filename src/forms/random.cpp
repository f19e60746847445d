#include "forms/random.h"

#include <chrono>

namespace forms {

void ClockRandom::reseedFromClock() {
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    std::seed_seq seq{std::uint32_t(now), std::uint32_t(std::uint64_t(now) >> 32), ++calls_};
    engine_.seed(seq);
}

float ClockRandom::next() {
    // 24 random bits fill a float's mantissa exactly, so the value stays below 1.
    return float(engine_() >> 8) * (1.0f / 16777216.0f);
}

} // namespace forms
