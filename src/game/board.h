// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>
#include <array>
#include <cstdint>

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
