// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "forms/beep.h"
#include "forms/linecontrol.h"
#include "forms/menuitem.h"
#include "forms/news.h"
#include "forms/picturebox.h"
#include "forms/pointer.h"
#include "forms/random.h"
#include "game/board.h"
#include "ui/frmabout.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>
#include <optional>
#include <span>

class QLabel;
struct Rule;

// The main window. Like the form it descends from, it holds the whole game:
// the settings and the state of the game in progress live in its variables
// and in its controls (a square's mark, picture and enabled state, the
// captions of the status line and of the result table), and its procedures
// are the game. The procedures live beside their subsystem: the game flow in
// src/game, the computer's moves in src/opponent, the window and its menus in
// src/ui.
class Lautari : public QMainWindow {
    Q_OBJECT
public:
    explicit Lautari(QWidget* parent = nullptr);
    ~Lautari() override;

    // --- Form-level state ---------------------------------------------------
    int Vaikeus = 0;            // 1 Helppo, 2 Keskitaso, 3 Vaikea
    QString PelinTila;          // "käynnissä" or "loppu"
    QString Aloittaja;          // "pelaaja" or "tietokone"
    int Pelaajia = 0;           // 1 or 2
    int Vuoro = 0;              // whose mark the next click places: 1 Risti, 2 Nolla
    bool RuutuTaysi = false;    // answer of OnkoTaysi
    bool Siirretty = false;     // the computer has moved in this turn
    bool RuudukkoTaysi = false; // all nine squares show a picture

    // --- Controls -----------------------------------------------------------
    forms::PictureBox& ruutu(Sq s) const { return *ruudut_[s]; }
    forms::PictureBox* Risti = nullptr; // hidden holders of the two images
    forms::PictureBox* Nolla = nullptr;
    // Segment n (1..3) of line L (1..8): Viiva11 ... Viiva83.
    forms::LineControl& Viiva(int L, int n) { return viivat_[(L - 1) * 3 + (n - 1)]; }
    QLabel* RnTeksti = nullptr;
    std::array<QLabel*, 3> Voitot{}; // index: level - 1
    std::array<QLabel*, 3> Tp{};
    std::array<QLabel*, 3> Haviot{};

    std::optional<forms::MenuItem> MnuUusi, MnuTietoja, MnuLopeta;
    std::optional<forms::MenuItem> MnuHelppo, MnuKeskitaso, MnuVaikea;
    std::optional<forms::MenuItem> Mnu1Pelaaja, Mnu2Pelaajaa;
    std::optional<forms::MenuItem> MnuPelaaja, MnuTietokone;
    frmAbout* about() const { return about_; }

    forms::Beep beep;
    forms::MousePointer pointer{this};
    // Tests put a scripted sequence here.
    void setRandomSource(std::unique_ptr<forms::RandomSource> source) {
        random_ = std::move(source);
    }

    // --- Game flow (src/game) -----------------------------------------------
    void Form_Load(); // the defaults at start
    void a1_Click();  // a click on a square: the nine handlers
    void a2_Click();
    void a3_Click();
    void b1_Click();
    void b2_Click();
    void b3_Click();
    void c1_Click();
    void c2_Click();
    void c3_Click();
    void OnkoTaysi(QStringView Ruutu);    // "is it full": is the square taken?
    void RistiRuutuun(QStringView Ruutu); // "cross into square": show the mark, go on
    void Tarkista();                      // "check": find and draw complete lines
    void Voitto(QStringView merkki);      // "win": name the winner, count, lock
    void OnkoRuudukkoTaysi();             // "is the grid full"
    void PeliRuudukkoTaysi();             // "game grid full": declare the draw
    void SammutaNapit();                  // "switch the buttons off": lock the board
    void KaynnistaNapit();                // "switch the buttons on": unlock it
    void TyhjennaNapit();                 // "clear the buttons": wipe the marks
    void PyyhiViivat();                   // "wipe the lines"
    void UusiPeli();                      // "new game"

    // --- Computer opponent (src/opponent) -----------------------------------
    void TietokoneenVuoro(); // "the computer's turn": the steps in order
    void Tietokone1();       // "computer" step 1: complete a line of noughts
    void Tietokone2();       // step 2: block a line of crosses
    void Tietokone25();      // step 2.5: spoil the person's double threat
    void tietokone26();      // step 2.6: centre against a corner cross
    void Tietokone27();      // step 2.7: make a double threat
    void Tietokone28();      // step 2.8: centre after its own corner
    void Tietokone285();     // step 2.85: corner beside its own, with the centre
    void Tietokone3();       // step 3: a random free square

    // --- Window and menus (src/ui) ------------------------------------------
    void Form_Resize();        // keep the one size
    void MnuUusi_Click();      // Tiedosto > Uusi: a new game
    void MnuTietoja_Click();   // Tiedosto > Tietoja: the About box
    void MnuLopeta_Click();    // Tiedosto > Lopeta: quit
    void MnuHelppo_Click();    // the levels: easy,
    void MnuKeskitaso_Click(); // medium
    void MnuVaikea_Click();    // and hard
    void Mnu1Pelaaja_Click();  // one player
    void Mnu2Pelaajaa_Click(); // two players
    void MnuPelaaja_Click();   // Aloittaja > Pelaaja: the person starts
    void MnuTietokone_Click(); // Aloittaja > Tietokone: the computer starts

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void luoRuudukko(QWidget* client);   // "make the grid": squares, lines, holders
    void luoTulostaulu(QWidget* client); // "make the result table" and the status line
    void luoValikot();                   // "make the menus"
    void varitaValikot();                // "colour the menus": a readable highlight

    void klikkaus(Sq s);                    // "click": what each square's handler does
    void siirraFokus(Sq s, int dx, int dy); // "move the focus" by an arrow key
    bool toiminto(const QKeyEvent& key);    // "action": F1, F2 and F10
    void avaaValikko();                     // "open the menu" bar from the keyboard
    void palaaValikosta();                  // "come back from the menu"
    void palautaFokus();                    // "give the focus back" to its square
    forms::PictureBox* ruutuNimella(QStringView Ruutu) const; // "square by name"
    void asetaNolla(Sq s); // "place a nought": the computer's move
    void saannot(std::span<const Rule> taulu, QStringView merkki); // "rules": one table
    // One more in the table's counter of the level in force, where it has one.
    void nosta(const std::array<QLabel*, 3>& taulu);
    void valitseVaikeus(int taso);   // "choose the level"
    void valitsePelaajat(int maara); // "choose the players"

    std::array<forms::PictureBox*, 9> ruudut_{};  // the squares, a1..c3
    std::array<forms::LineControl, 24> viivat_;   // the lines' segments
    std::unique_ptr<forms::RandomSource> random_; // the computer's random moves
    QPointer<frmAbout> about_;                    // the About box, while open
    bool altYksin_ = false;                       // Alt is down with no other key since
    forms::News* news_ = nullptr;                 // what each event changed, for screen readers
    QPointer<QWidget> valikostaFokus_;            // where the focus goes back to from the menu bar
    bool laatikolle_ = false;                     // a box opened from the menu is taking the keys
};

// The nine squares' click handlers, in the order a1..c3.
inline constexpr std::array<void (Lautari::*)(), 9> kKlikkaukset = {
    &Lautari::a1_Click, &Lautari::a2_Click, &Lautari::a3_Click,
    &Lautari::b1_Click, &Lautari::b2_Click, &Lautari::b3_Click,
    &Lautari::c1_Click, &Lautari::c2_Click, &Lautari::c3_Click,
};
