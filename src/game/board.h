#pragma once

#include <QStringView>
#include <array>
#include <cstdint>
#include <initializer_list>

// The nine squares, named by row letter (a top, c bottom) and column digit.
// Wherever all nine are handled in turn, it is in this order.
enum Sq : std::uint8_t { a1, a2, a3, b1, b2, b3, c1, c2, c3 };

constexpr std::array<Sq, 9> kRuudut = {a1, a2, a3, b1, b2, b3, c1, c2, c3};
constexpr std::array<QStringView, 9> kRuutujenNimet = {u"a1", u"a2", u"a3", u"b1", u"b2",
                                                       u"b3", u"c1", u"c2", u"c3"};

// Marks are tag texts, always compared exactly.
constexpr QStringView kRisti = u"Risti";
constexpr QStringView kNolla = u"Nolla";

// Game states and starters: internal values, never shown.
constexpr QStringView kKaynnissa = u"käynnissä";
constexpr QStringView kLoppu = u"loppu";
constexpr QStringView kPelaaja = u"pelaaja";
constexpr QStringView kTietokone = u"tietokone";

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
