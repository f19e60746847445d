// SPDX-License-Identifier: GPL-3.0-or-later
#include "strength.h"

#include "position.h"
#include "ui/lautari.h"

#include <numeric>

namespace strength {

Fraction Fraction::of(std::int64_t n, std::int64_t d) {
    const std::int64_t g = std::gcd(n, d);
    return {n / g, d / g};
}

Fraction Fraction::operator+(Fraction o) const {
    const std::int64_t l = std::lcm(den, o.den);
    return of(num * (l / den) + o.num * (l / o.den), l);
}

Fraction Fraction::operator*(Fraction o) const {
    const Fraction a = of(num, o.den), b = of(o.num, den);
    return {a.num * b.num, a.den * b.den};
}

QString Fraction::text() const {
    return den == 1 ? QString::number(num) : QStringLiteral("%1/%2").arg(num).arg(den);
}

QString squareName(int square) { return kRuutujenNimet[square].toString(); }

Driver::Driver(int level) : window_(std::make_unique<Lautari>()) {
    auto random = std::make_unique<position::ScriptedRandom>();
    random_ = random.get();
    window_->setRandomSource(std::move(random));
    std::optional<forms::MenuItem>* levels[] = {&window_->MnuHelppo, &window_->MnuKeskitaso,
                                                &window_->MnuVaikea};
    (*levels[level - 1])->click();
}

Driver::~Driver() = default;

// How the game stands, read from the board alone.
char Driver::result() const {
    if (window_->PelinTila == kKaynnissa) return '-';
    const QChar line = position::winner(position::read(*window_));
    return line == u'X' ? 'W' : line == u'O' ? 'L' : 'D';
}

// Starts a new game with the person to move and lays the position on it.
Driver::Run Driver::run(const Board& board, int square, int randomSquare) {
    window_->MnuUusi->click();
    position::lay(*window_, board);
    random_->script.clear();
    random_->pushSquares({randomSquare});
    ((*window_).*kKlikkaukset[square])();
    ++clicks_;
    return {position::read(*window_), result()};
}

// The computer's answer is random when steering its draw moves its nought;
// otherwise a rule decided it and one branch is all there is.
std::vector<Branch> Driver::play(const Board& board, int square) {
    std::vector<int> free;
    for (int s = 0; s < 9; ++s)
        if (board[s] == u'.' && s != square) free.push_back(s);
    const int first = free.empty() ? 0 : free[0];
    const Run a = run(board, square, first);
    const auto placedAt = [&](const Run& r, int s) {
        return r.board[s] == u'O' && board[s] == u'.';
    };
    bool random = false;
    if (free.size() > 1 && placedAt(a, first))
        random = placedAt(run(board, square, free[1]), free[1]);
    if (!random) return {{a.board, a.result, Fraction::of(1, 1)}};

    std::vector<Branch> branches;
    for (int s : free) {
        const Run r = s == first ? a : run(board, square, s);
        branches.push_back({r.board, r.result, Fraction::of(1, std::int64_t(free.size()))});
    }
    return branches;
}

std::vector<Branch> Driver::opening() {
    std::vector<Branch> branches;
    window_->MnuTietokone->click();
    for (int s = 0; s < 9; ++s) {
        random_->script.clear();
        random_->pushSquares({s});
        window_->MnuUusi->click();
        branches.push_back({position::read(*window_), '-', Fraction::of(1, 9)});
    }
    window_->MnuPelaaja->click();
    return branches;
}

namespace {

Odds leaf(char result) {
    const Fraction one = Fraction::of(1, 1);
    return {result == 'W' ? one : Fraction(), result == 'D' ? one : Fraction(),
            result == 'L' ? one : Fraction()};
}

// Better for the person: a higher chance of winning, then of not losing.
bool better(const Odds& a, const Odds& b) {
    if (a.win != b.win) return a.win > b.win;
    return a.win + a.draw > b.win + b.draw;
}

} // namespace

const Node& Analysis::evaluate(const Board& board) {
    if (auto it = memo_.constFind(board); it != memo_.constEnd()) return *it;

    Node node;
    Odds uniform;
    int moves = 0;
    for (int m = 0; m < 9; ++m) {
        if (board[m] != u'.') continue;
        ++moves;
        Odds best, random;
        for (const Branch& b : driver_.play(board, m)) {
            if (b.result != '-') {
                best = best + leaf(b.result) * b.chance;
                random = random + leaf(b.result) * b.chance;
                node.games += 1;
            } else {
                const Node& child = evaluate(b.board);
                best = best + child.best * b.chance;
                random = random + child.uniform * b.chance;
                node.games += child.games;
            }
        }
        uniform = uniform + random;
        if (node.bestMove < 0 || better(best, node.best)) {
            node.best = best;
            node.bestMove = m;
        }
    }
    // The random person picks each free square alike.
    node.uniform = uniform * Fraction::of(1, moves);
    return *memo_.insert(board, node);
}

Node Analysis::computerStarts() {
    Node node;
    for (const Branch& b : driver_.opening()) {
        const Node& child = evaluate(b.board);
        node.best = node.best + child.best * b.chance;
        node.uniform = node.uniform + child.uniform * b.chance;
        node.games += child.games;
    }
    return node;
}

QString Analysis::bestLine(const Board& start) {
    QStringList line;
    Board board = start;
    for (;;) {
        const Node& node = evaluate(board);
        const std::vector<Branch> branches = driver_.play(board, node.bestMove);
        const Branch& b = branches.front();
        line << squareName(node.bestMove);
        for (int s = 0; s < 9; ++s)
            if (b.board[s] == u'O' && board[s] == u'.')
                line << QStringLiteral("(%1)").arg(squareName(s));
        if (b.result != '-') return line.join(u' ');
        board = b.board;
    }
}

} // namespace strength
