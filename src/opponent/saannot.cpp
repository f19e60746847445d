// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's rule-based moves. Each table is tried in its order, and the
// first rule that applies places the nought.
#include "opponent/saanto.h"
#include "ui/lautari.h"

namespace {

// Two squares of a line hold the mark and the third is free. Every line
// appears three times, once with each of its squares as the target; the
// order is the tie-break when several lines qualify.
// clang-format off
constexpr Rule kLinjataulu[] = {
    /*  1 */ {{a1, a2}, a3}, /*  2 */ {{a1, b2}, c3}, /*  3 */ {{a1, b1}, c1}, /*  4 */ {{a2, a3}, a1},
    /*  5 */ {{a2, b2}, c2}, /*  6 */ {{a3, b3}, c3}, /*  7 */ {{a3, b2}, c1}, /*  8 */ {{b1, c1}, a1},
    /*  9 */ {{b1, b2}, b3}, /* 10 */ {{b2, c2}, a2}, /* 11 */ {{b2, b3}, b1}, /* 12 */ {{b3, c3}, a3},
    /* 13 */ {{c1, c2}, c3}, /* 14 */ {{c1, b2}, a3}, /* 15 */ {{c2, c3}, c1}, /* 16 */ {{c3, b2}, a1},
    /* 17 */ {{a1, a3}, a2}, /* 18 */ {{b1, b3}, b2}, /* 19 */ {{c1, c3}, c2}, /* 20 */ {{a1, c1}, b1},
    /* 21 */ {{a2, c2}, b2}, /* 22 */ {{a3, c3}, b3}, /* 23 */ {{a1, c3}, b2}, /* 24 */ {{c1, a3}, b2},
};
// clang-format on

// Double threats. Rules 1 to 8: a corner and an edge square that shares no
// line with it; the target is the corner where their border lines meet, and
// the third squares of both lines must be free. Rules 9 to 12: two opposite
// corners; one edge square of a remaining corner's two border lines is taken.
// Fork blocking reads all twelve with crosses, fork making the first eight
// with noughts.
// clang-format off
constexpr Rule kHaarukat[] = {
    /*  1 */ {{a1, c2}, {c1, b1, c3}, c1}, /*  2 */ {{a1, b3}, {a3, a2, c3}, a3},
    /*  3 */ {{c1, a2}, {a1, b1, a3}, a1}, /*  4 */ {{c1, b3}, {c3, c2, a3}, c3},
    /*  5 */ {{c3, a2}, {a3, a1, b3}, a3}, /*  6 */ {{c3, b1}, {c1, a1, c2}, c1},
    /*  7 */ {{a3, b1}, {a1, a2, c1}, a1}, /*  8 */ {{a3, c2}, {c3, b3, c1}, c3},
    /*  9 */ {{a1, c3}, {c2, b1}, c2},     /* 10 */ {{a1, c3}, {a2, b3}, a2},
    /* 11 */ {{c1, a3}, {a2, b1}, a2},     /* 12 */ {{c1, a3}, {c2, b3}, c2},
};
// clang-format on
constexpr int kHaarukanTeko = 8;

// A corner holds the mark and the centre is free.
constexpr Rule kKeskusta[] = {{{a1}, b2}, {{a3}, b2}, {{c1}, b2}, {{c3}, b2}};

// The centre and a corner hold noughts: the corner beside it on a border line.
// clang-format off
constexpr Rule kViereiset[] = {
    /* 1 */ {{b2, c1}, c3}, /* 2 */ {{b2, c1}, a1}, /* 3 */ {{b2, a1}, a3}, /* 4 */ {{b2, a1}, c1},
    /* 5 */ {{b2, a3}, c3}, /* 6 */ {{b2, a3}, a1}, /* 7 */ {{b2, c3}, a3}, /* 8 */ {{b2, c3}, c1},
};
// clang-format on

} // namespace

void Lautari::asetaNolla(Sq s) {
    ruutu(s).setPictureFrom(*Nolla);
    ruutu(s).setTag(kNolla.toString());
    Siirretty = true;
}

// Squares are free by picture and marked by exact text.
void Lautari::saannot(std::span<const Rule> taulu, QStringView merkki) {
    for (const Rule& r : taulu) {
        if (Siirretty) return;
        if (r.marked.all([&](Sq s) { return ruutu(s).tag() == merkki; }) &&
            r.free.all([&](Sq s) { return !ruutu(s).hasPicture(); }))
            asetaNolla(r.target);
    }
}

void Lautari::Tietokone1() {
    saannot(kLinjataulu, kNolla);
    Tarkista();
}

void Lautari::Tietokone2() {
    saannot(kLinjataulu, kRisti);
    Tarkista();
}

void Lautari::Tietokone25() { saannot(kHaarukat, kRisti); }

void Lautari::tietokone26() { saannot(kKeskusta, kRisti); }

void Lautari::Tietokone27() { saannot(std::span(kHaarukat).first(kHaarukanTeko), kNolla); }

void Lautari::Tietokone28() { saannot(kKeskusta, kNolla); }

void Lautari::Tietokone285() { saannot(kViereiset, kNolla); }
