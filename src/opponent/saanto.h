// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/board.h"

#include <initializer_list>

// A set of squares, written as a list in the rule tables.
class Squares {
public:
    constexpr Squares(std::initializer_list<Sq> squares) {
        for (Sq s : squares)
            bits_ |= std::uint16_t(1u << s);
    }
    constexpr bool contains(Sq s) const { return bits_ & (1u << s); }

    template <typename F> constexpr bool all(F&& test) const {
        for (Sq s : kRuudut)
            if (contains(s) && !test(s)) return false;
        return true;
    }

private:
    std::uint16_t bits_ = 0;
};

// A move rule: when every square of `marked` holds the mark looked for and
// every square of `free` shows no picture, the nought goes on `target`.
struct Rule {
    constexpr Rule(Squares marked, Squares free, Sq target)
        : marked(marked), free(free), target(target) {}
    // Most rules need only their target free.
    constexpr Rule(Squares marked, Sq target) : marked(marked), free({target}), target(target) {}

    Squares marked;
    Squares free;
    Sq target;
};
