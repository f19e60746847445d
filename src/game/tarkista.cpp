// SPDX-License-Identifier: GPL-3.0-or-later
// The end of a game: three in a line, or a full grid.
#include "game/lines.h"
#include "ui/lautari.h"
#include "ui/tekstit.h"

#include <QLabel>

void Lautari::Tarkista() {
    std::array<QString, 9> merkit;
    for (Sq s : kRuudut)
        merkit[s] = ruutu(s).tag();

    // Every complete line is shown and reported on every call; Voitto counts
    // the game only once.
    for (QStringView merkki : {kRisti, kNolla}) {
        for (int L : kTarkistusjarjestys) {
            const auto& linja = kLinjat[L - 1];
            const bool tasan = merkit[linja[0]] == merkki && merkit[linja[1]] == merkki &&
                               merkit[linja[2]] == merkki;
            if (!tasan) continue;
            for (int n = 1; n <= 3; ++n)
                Viiva(L, n).show();
            Voitto(merkki);
        }
    }
}

void Lautari::nosta(const std::array<QLabel*, 3>& taulu) {
    if (Vaikeus < 1 || Vaikeus > 3) return;
    QLabel* laskuri = taulu[Vaikeus - 1];
    laskuri->setText(QString::number(laskuri->text().toLongLong() + 1));
}

void Lautari::Voitto(QStringView merkki) {
    const bool kaynnissa = PelinTila == kKaynnissa;
    QString voittaja;
    if (merkki == kRisti) {
        voittaja = MnuPelaaja->caption();
        if (kaynnissa) nosta(Voitot);
    } else if (merkki == kNolla) {
        voittaja = MnuTietokone->caption();
        if (kaynnissa) nosta(Haviot);
    }
    RnTeksti->setText(teksti::kVoittaja.toString() + voittaja);
    beep.sound();
    SammutaNapit();
    PelinTila = kLoppu.toString();
}

void Lautari::OnkoRuudukkoTaysi() {
    int maara = 0;
    for (Sq s : kRuudut)
        if (ruutu(s).hasPicture()) ++maara;
    if (maara == 9) RuudukkoTaysi = true;
}

void Lautari::PeliRuudukkoTaysi() {
    beep.sound();
    RnTeksti->setText(teksti::kTasapeli.toString());
    SammutaNapit();
    PelinTila = kLoppu.toString();
    nosta(Tp);
}
