// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace forms {

// The random generator of the old runtime: reseeded from the clock, it yields
// values x with 0 <= x < 1. Tests put a scripted sequence in its place.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseedFromClock() = 0;
    virtual float next() = 0;
};

class ClockRandom final : public RandomSource {
public:
    void reseedFromClock() override;
    float next() override;

private:
    std::mt19937 engine_;
    // Calls that come within one clock tick still get different seeds.
    std::uint32_t calls_ = 0;
};

} // namespace forms
