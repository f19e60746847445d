// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every text the program shows, in one place. (The marks "Risti" and "Nolla",
// which screen readers also hear, are the squares' tags: see game/board.h.)

#include <QStringView>
#include <array>

namespace teksti {

constexpr QStringView kOhjelma = u"Lautari -98";
constexpr QStringView kIkkuna = u"Lautari -98 "; // the main window's caption

// The menus.
constexpr QStringView kTiedosto = u"Tiedosto", kUusi = u"Uusi", kTietoja = u"Tietoja",
                      kLopeta = u"Lopeta";
constexpr QStringView kVaikeusTaso = u"VaikeusTaso";
constexpr std::array<QStringView, 3> kTasot = {u"Helppo", u"Keskitaso", u"Vaikea"};
constexpr QStringView kPelaajia = u"Pelaajia", k1Pelaaja = u"1 Pelaaja", k2Pelaajaa = u"2 Pelaajaa";
// The starter items, whose captions also name the two sides when one wins.
constexpr QStringView kAloittaja = u"Aloittaja";
constexpr QStringView kAloittajaPelaaja = u"Pelaaja", kAloittajaTietokone = u"Tietokone";
constexpr QStringView kAloittajaPelaaja1 = u"Pelaaja 1", kAloittajaPelaaja2 = u"Pelaaja 2";

// The status line.
constexpr QStringView kVuoroPelaaja1 = u"Vuoro : Pelaaja 1";
constexpr QStringView kVuoroPelaaja2 = u"Vuoro : Pelaaja 2";
constexpr QStringView kVoittaja = u"Voittaja : "; // followed by the side's name
constexpr QStringView kTasapeli = u"Tasapeli (Ruudukko Täysi)";

// The result table: its three headings and a counter's first caption.
constexpr QStringView kVoitot = u"Voitot", kTasapelit = u"Tasapelit", kHaviot = u"Häviöt";
constexpr QStringView kAlussa = u"0";

// What a screen reader hears for a free square, and when a new game starts.
constexpr QStringView kTyhja = u"tyhjä";
constexpr QStringView kUusiPeli = u"Uusi peli";

// The About box: the title, then the description, each part on a line of
// its own; the version follows "Versio ".
constexpr QStringView kVersio = u"Versio ";
constexpr std::array<QStringView, 2> kAboutOtsikko = {u"Lautari -98", u"Tekijä : Lautari-tiimi"};
constexpr std::array<QStringView, 3> kAboutKuvaus = {
    u"Ristinollaa tietokonetta vastaan kolmella vaikeustasolla tai kaksin. Kolme merkkiä riviin "
    u"voittaa.",
    u"Ilmoitathan jos löydät pelistä bugeja",
    u"Lisätietoja ja ohjeet:   Katso readme.txt",
};
constexpr QStringView kOhjeTiedosto = u"readme.txt"; // the last words above, a link
constexpr QStringView kSulje = u"Sulje"; // closes the rules where the game shows them itself
constexpr QStringView kVastuu = u" ";
constexpr QStringView kOK = u"OK";

// The command line: the help (the description is the About box's first
// line) and the one-line errors, "lautari: tuntematon valinta '--x'. ...".
constexpr QStringView kKaytto = u"Käyttö: lautari [valinnat]";
constexpr QStringView kValinnat = u"Valinnat:";
constexpr QStringView kOhjeValinta = u"näyttää tämän ohjeen ja lopettaa";
constexpr QStringView kVersioValinta = u"näyttää ohjelman version ja lopettaa";
constexpr QStringView kPlatformValinta = u"näyttöjärjestelmä: xcb (X11) tai wayland";
constexpr QStringView kStyleValinta = u"Qt:n ulkoasutyyli, esimerkiksi Fusion";
constexpr QStringView kGeometriaValinta = u"ikkunan paikka näytöllä, esimerkiksi +100+50";
constexpr QStringView kQtValinnat = u"Myös Qt-ohjelmien muut yhteiset valinnat käyvät.";
constexpr QStringView kVirhe = u"lautari: %1 '%2'. Katso 'lautari --help'.";
constexpr QStringView kTuntematon = u"tuntematon valinta", kVirheellinen = u"virheellinen valinta",
                      kYlimaarainen = u"ylimääräinen argumentti";
constexpr QStringView kEiNayttoa =
    u"lautari: tarvitaan graafinen työpöytä, mutta X11- tai Wayland-näyttöä ei löytynyt";

} // namespace teksti
