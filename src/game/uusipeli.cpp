// SPDX-License-Identifier: GPL-3.0-or-later
// The board as a whole: lock, unlock, clear, wipe the line, and a new game.
#include "ui/lautari.h"
#include "ui/tekstit.h"

#include <QLabel>

void Lautari::SammutaNapit() {
    for (Sq s : kRuudut)
        ruutu(s).setEnabled(false);
}

void Lautari::KaynnistaNapit() {
    for (Sq s : kRuudut)
        ruutu(s).setEnabled(true);
}

void Lautari::TyhjennaNapit() {
    for (Sq s : kRuudut)
        ruutu(s).clearPicture();
    for (Sq s : kRuudut)
        ruutu(s).setTag(QString());
}

void Lautari::PyyhiViivat() {
    for (forms::LineControl& viiva : viivat_)
        viiva.hide();
}

void Lautari::UusiPeli() {
    news_->newGame();
    PyyhiViivat();
    TyhjennaNapit();
    KaynnistaNapit();
    RuutuTaysi = false;
    Siirretty = false;
    RuudukkoTaysi = false;
    PelinTila = kKaynnissa.toString();
    RnTeksti->clear();
    if (Aloittaja == kTietokone && Pelaajia == 1) Tietokone3();
    Vuoro = (Pelaajia == 2 && Aloittaja == kTietokone) ? 2 : 1;
    if (Pelaajia == 2) {
        if (Aloittaja == kPelaaja) RnTeksti->setText(teksti::kVuoroPelaaja1.toString());
        if (Aloittaja == kTietokone) RnTeksti->setText(teksti::kVuoroPelaaja2.toString());
    }
}
