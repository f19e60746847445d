// SPDX-License-Identifier: GPL-3.0-or-later
// The person's move: the nine click handlers, the occupancy test and the
// placing of the mark, with the start-up defaults.
#include "ui/lautari.h"
#include "ui/tekstit.h"

#include <QLabel>

void Lautari::Form_Load() {
    Aloittaja = kPelaaja.toString();
    Vaikeus = 2;
    PelinTila = kKaynnissa.toString();
    Pelaajia = 1;
    Vuoro = 1;
}

void Lautari::a1_Click() { klikkaus(a1); }
void Lautari::a2_Click() { klikkaus(a2); }
void Lautari::a3_Click() { klikkaus(a3); }
void Lautari::b1_Click() { klikkaus(b1); }
void Lautari::b2_Click() { klikkaus(b2); }
void Lautari::b3_Click() { klikkaus(b3); }
void Lautari::c1_Click() { klikkaus(c1); }
void Lautari::c2_Click() { klikkaus(c2); }
void Lautari::c3_Click() { klikkaus(c3); }

// What each of the nine handlers does for its own square.
void Lautari::klikkaus(Sq s) {
    const QStringView Ruutu = kRuutujenNimet[s];
    OnkoTaysi(Ruutu);
    if (RuutuTaysi) return;
    if (Vuoro == 1) ruutu(s).setTag(kRisti.toString());
    if (Vuoro == 2) ruutu(s).setTag(kNolla.toString());
    RistiRuutuun(Ruutu);
}

forms::PictureBox* Lautari::ruutuNimella(QStringView Ruutu) const {
    for (Sq s : kRuudut)
        if (Ruutu == kRuutujenNimet[s]) return ruudut_[s];
    return nullptr;
}

void Lautari::OnkoTaysi(QStringView Ruutu) {
    RuutuTaysi = false;
    const forms::PictureBox* box = ruutuNimella(Ruutu);
    if (!box) return;
    if (box->tag() == kRisti || box->tag() == kNolla) RuutuTaysi = true;
}

void Lautari::RistiRuutuun(QStringView Ruutu) {
    if (forms::PictureBox* box = ruutuNimella(Ruutu)) {
        if (Vuoro == 1)
            box->setPictureFrom(*Risti);
        else if (Vuoro == 2)
            box->setPictureFrom(*Nolla);
    }

    Tarkista();

    if (Pelaajia == 1) {
        TietokoneenVuoro();
    } else if (Pelaajia == 2) {
        if (Vuoro == 1)
            Vuoro = 2;
        else if (Vuoro == 2)
            Vuoro = 1;
        if (Vuoro == 1) RnTeksti->setText(teksti::kVuoroPelaaja1.toString());
        if (Vuoro == 2) RnTeksti->setText(teksti::kVuoroPelaaja2.toString());
        Tarkista();
    }
}
