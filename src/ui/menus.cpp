// SPDX-License-Identifier: GPL-3.0-or-later
// The menu commands: a new game, the settings, the About box and quitting.
#include "forms/front.h"
#include "ui/frmabout.h"
#include "ui/lautari.h"
#include "ui/tekstit.h"

#include <QCoreApplication>

void Lautari::MnuUusi_Click() { UusiPeli(); }

// One About box at a time, shown beside the window without blocking it.
void Lautari::MnuTietoja_Click() {
    if (!about_) about_ = new frmAbout(this);
    laatikolle_ = valikostaFokus_ != nullptr;
    forms::showInFront(about_);
}

void Lautari::MnuLopeta_Click() {
    if (about_) about_->close();
    close();
    QCoreApplication::quit();
}

void Lautari::MnuHelppo_Click() { valitseVaikeus(1); }
void Lautari::MnuKeskitaso_Click() { valitseVaikeus(2); }
void Lautari::MnuVaikea_Click() { valitseVaikeus(3); }

void Lautari::valitseVaikeus(int taso) {
    if (Vaikeus == taso) return;
    Vaikeus = taso;
    MnuHelppo->setChecked(taso == 1);
    MnuKeskitaso->setChecked(taso == 2);
    MnuVaikea->setChecked(taso == 3);
    UusiPeli();
}

void Lautari::Mnu1Pelaaja_Click() { valitsePelaajat(1); }
void Lautari::Mnu2Pelaajaa_Click() { valitsePelaajat(2); }

// The check marks, not Pelaajia, tell which count is in force. The starter
// items double as the players' names.
void Lautari::valitsePelaajat(int maara) {
    forms::MenuItem& valittu = maara == 1 ? *Mnu1Pelaaja : *Mnu2Pelaajaa;
    forms::MenuItem& toinen = maara == 1 ? *Mnu2Pelaajaa : *Mnu1Pelaaja;
    if (!toinen.checked()) return;
    toinen.setChecked(false);
    valittu.setChecked(true);
    Pelaajia = maara;
    using namespace teksti;
    MnuPelaaja->setCaption((maara == 1 ? kAloittajaPelaaja : kAloittajaPelaaja1).toString());
    MnuTietokone->setCaption((maara == 1 ? kAloittajaTietokone : kAloittajaPelaaja2).toString());
    UusiPeli();
}

// The starter takes effect at the next new game...
void Lautari::MnuPelaaja_Click() {
    MnuPelaaja->setChecked(true);
    MnuTietokone->setChecked(false);
    Aloittaja = kPelaaja.toString();
}

// ...except that on an empty grid of a one-player game the computer opens at once.
void Lautari::MnuTietokone_Click() {
    MnuTietokone->setChecked(true);
    MnuPelaaja->setChecked(false);
    Aloittaja = kTietokone.toString();
    if (Pelaajia == 1) {
        int kuvia = 0;
        for (Sq s : kRuudut)
            if (ruutu(s).hasPicture()) ++kuvia;
        if (kuvia == 0) Tietokone3();
    }
}
