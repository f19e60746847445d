// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board.h"

// The eight lines, numbered 1 to 8. Each lists its squares in the order of
// its segments, which is not always left to right or top to bottom.
constexpr std::array<std::array<Sq, 3>, 8> kLinjat = {{
    {a1, a2, a3}, // 1 top row
    {a3, b3, c3}, // 2 right column
    {c3, c2, c1}, // 3 bottom row
    {c1, b1, a1}, // 4 left column
    {a1, b2, c3}, // 5 diagonal from top left
    {a3, b2, c1}, // 6 diagonal from top right
    {a2, b2, c2}, // 7 middle column
    {b1, b2, b3}, // 8 middle row
}};

// The win check examines the lines row by row, then column by column, then
// the diagonals.
constexpr std::array<int, 8> kTarkistusjarjestys = {1, 8, 3, 4, 7, 2, 5, 6};
