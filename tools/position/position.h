// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Positions written as nine characters in the order a1..c3: 'X' a cross, 'O'
// a nought, '.' a free square. Tests, benchmarks and the strength analysis
// lay and read the window's squares in this notation, and script the
// computer's random moves.

#include "forms/random.h"

#include <QString>
#include <deque>
#include <initializer_list>
#include <random>

class Lautari;

namespace position {

// Gives each square the mark and picture the notation says.
void lay(Lautari& w, QStringView board);
// The squares in the notation; '?' where a square's mark and picture disagree.
QString read(const Lautari& w);

// The eight lines of the grid, numbered 1..8 as the window draws them, as
// square indexes 0..8.
extern const int kLines[8][3];
// 'X' or 'O' when that mark has three in a line, else '.'.
QChar winner(QStringView board);

// Hands out scripted values first, then values from a fixed-seed generator;
// the clock is never read, so that a session plays the same every time.
class ScriptedRandom final : public forms::RandomSource {
public:
    explicit ScriptedRandom(std::uint32_t seed = 1) : engine_(seed) {}

    void reseedFromClock() override {}
    float next() override;

    // The next draws name these squares (0..8).
    void pushSquares(std::initializer_list<int> squares);

    std::deque<float> script;

private:
    std::mt19937 engine_;
};

} // namespace position
