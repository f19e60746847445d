// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exact strength of each level: every game a person can play against the
// computer, played out through the real window's click and menu handlers,
// with each random move of the computer taken as equally likely branches
// over the free squares.

#include <QHash>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class Lautari;
namespace position {
class ScriptedRandom;
}

namespace strength {

// An exact probability.
struct Fraction {
    std::int64_t num = 0, den = 1;

    static Fraction of(std::int64_t n, std::int64_t d);
    Fraction operator+(Fraction o) const;
    Fraction operator*(Fraction o) const;
    bool operator==(const Fraction& o) const = default;
    auto operator<=>(const Fraction& o) const {
        return __int128(num) * o.den <=> __int128(o.num) * den;
    }
    double value() const { return double(num) / double(den); }
    QString text() const;
};

struct Odds {
    Fraction win, draw, loss;
    Odds operator+(const Odds& o) const { return {win + o.win, draw + o.draw, loss + o.loss}; }
    Odds operator*(Fraction f) const { return {win * f, draw * f, loss * f}; }
};

// A board as nine characters a1..c3: 'X', 'O' or '.'.
using Board = QString;

// One way the computer may answer: the board it leaves, how the game then
// stands ('-' running, 'W' the person won, 'D' a draw, 'L' the computer won)
// and how likely it is.
struct Branch {
    Board board;
    char result;
    Fraction chance;
};

// Drives a headless game window. Positions are laid on its squares; moves
// are made by its click handlers, the opening by its menu commands.
class Driver {
public:
    explicit Driver(int level);
    ~Driver();

    // The person, to move on `board` in a running game, clicks `square` (0..8).
    std::vector<Branch> play(const Board& board, int square);
    // The computer opens a new game.
    std::vector<Branch> opening();

    std::int64_t clicks() const { return clicks_; }

private:
    struct Run {
        Board board;
        char result;
    };
    Run run(const Board& board, int square, int randomSquare);
    char result() const;

    std::unique_ptr<Lautari> window_;
    position::ScriptedRandom* random_;
    std::int64_t clicks_ = 0;
};

// The value of a position for the person to move.
struct Node {
    Odds best;    // the person maximises the chance of winning, then of not losing
    Odds uniform; // the person picks a free square at random
    int bestMove = -1;
    std::int64_t games = 0; // complete games below this position
};

class Analysis {
public:
    explicit Analysis(int level) : driver_(level) {}

    const Node& evaluate(const Board& board);
    // Both starters: the person first, or the computer's random opening first.
    Node personStarts() { return evaluate(Board(9, u'.')); }
    Node computerStarts();

    // One line of best play from `board`: the person's moves and, in
    // brackets, the computer's answers (the first branch where it plays at random).
    QString bestLine(const Board& board);

    std::size_t positions() const { return memo_.size(); }
    Driver& driver() { return driver_; }

private:
    Driver driver_;
    QHash<Board, Node> memo_;
};

QString squareName(int square);

} // namespace strength
