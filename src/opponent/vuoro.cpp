// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's turn in a one-player game.
#include "ui/lautari.h"

namespace {

// The move steps in the order they are tried, and the levels that admit each.
// The first step that finds a move places the nought and sets Siirretty,
// which silences the rest. Each step is named by its place in the sequence
// (Tietokone25 comes between 2 and 3); tietokone26 has always been written
// with a lower-case t, and keeps it:
//   1 Tietokone1    complete a line of noughts              Keskitaso, Vaikea
//   2 Tietokone2    block a line of crosses                 Keskitaso, Vaikea
//   3 Tietokone25   spoil the person's double threat        Vaikea
//   4 tietokone26   centre against a cross in a corner      Vaikea
//   5 Tietokone27   make a double threat                    Vaikea
//   6 Tietokone28   centre after a nought in a corner       Vaikea
//   7 Tietokone285  corner beside its own, with the centre  Vaikea
//   8 Tietokone3    a random free square                    every level
struct Askel {
    void (Lautari::*siirto)();
    bool (*sallittu)(int vaikeus);
};

constexpr bool keskitasoJaVaikea(int v) { return v > 1; }
constexpr bool vainVaikea(int v) { return v == 3; }
constexpr bool kaikki(int) { return true; }

constexpr Askel kAskeleet[] = {
    {&Lautari::Tietokone1, keskitasoJaVaikea}, {&Lautari::Tietokone2, keskitasoJaVaikea},
    {&Lautari::Tietokone25, vainVaikea},       {&Lautari::tietokone26, vainVaikea},
    {&Lautari::Tietokone27, vainVaikea},       {&Lautari::Tietokone28, vainVaikea},
    {&Lautari::Tietokone285, vainVaikea},      {&Lautari::Tietokone3, kaikki},
};

} // namespace

void Lautari::TietokoneenVuoro() {
    pointer.setBusy();
    Siirretty = false;
    for (const Askel& askel : kAskeleet) {
        if (PelinTila == kKaynnissa) OnkoRuudukkoTaysi();
        if (PelinTila == kKaynnissa && !RuudukkoTaysi && askel.sallittu(Vaikeus))
            (this->*askel.siirto)();
    }
    pointer.setDefault();

    Tarkista();
    if (PelinTila == kKaynnissa) {
        OnkoRuudukkoTaysi();
        if (RuudukkoTaysi) PeliRuudukkoTaysi();
    }
}
