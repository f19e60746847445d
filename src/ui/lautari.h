#pragma once

#include "forms/beep.h"
#include "forms/linecontrol.h"
#include "forms/menuitem.h"
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

class QLabel;

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
    const forms::LineControl& Viiva(int L, int n) const { return viivat_[(L - 1) * 3 + (n - 1)]; }
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
    void Form_Load();
    void a1_Click();
    void a2_Click();
    void a3_Click();
    void b1_Click();
    void b2_Click();
    void b3_Click();
    void c1_Click();
    void c2_Click();
    void c3_Click();
    void OnkoTaysi(QStringView Ruutu);
    void RistiRuutuun(QStringView Ruutu);
    void Tarkista();
    void Voitto(QStringView merkki);
    void OnkoRuudukkoTaysi();
    void PeliRuudukkoTaysi();
    void SammutaNapit();
    void KaynnistaNapit();
    void TyhjennaNapit();
    void PyyhiViivat();
    void UusiPeli();

    // --- Computer opponent (src/opponent) -----------------------------------
    void TietokoneenVuoro();
    void Tietokone1();
    void Tietokone2();
    void Tietokone25();
    void tietokone26();
    void Tietokone27();
    void Tietokone28();
    void Tietokone285();
    void Tietokone3();

    // --- Window and menus (src/ui) ------------------------------------------
    void Form_Resize();
    void MnuUusi_Click();
    void MnuTietoja_Click();
    void MnuLopeta_Click();
    void MnuHelppo_Click();
    void MnuKeskitaso_Click();
    void MnuVaikea_Click();
    void Mnu1Pelaaja_Click();
    void Mnu2Pelaajaa_Click();
    void MnuPelaaja_Click();
    void MnuTietokone_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void luoRuudukko(QWidget* client);
    void luoTulostaulu(QWidget* client);
    void luoValikot();

    void klikkaus(Sq s);
    void siirraFokus(Sq s, int dx, int dy);
    void avaaValikko();
    forms::PictureBox* ruutuNimella(QStringView Ruutu) const;
    void asetaNolla(Sq s);
    void saannot(const Rule* first, const Rule* last, QStringView merkki);
    static void nosta(QLabel* laskuri);
    void valitseVaikeus(int taso);
    void valitsePelaajat(int maara);

    std::array<forms::PictureBox*, 9> ruudut_{};
    std::array<forms::LineControl, 24> viivat_;
    std::unique_ptr<forms::RandomSource> random_;
    QPointer<frmAbout> about_;
    bool altYksin_ = false; // Alt is down with no other key since
};

// The nine squares' click handlers, in the order a1..c3.
inline constexpr std::array<void (Lautari::*)(), 9> kKlikkaukset = {
    &Lautari::a1_Click, &Lautari::a2_Click, &Lautari::a3_Click,
    &Lautari::b1_Click, &Lautari::b2_Click, &Lautari::b3_Click,
    &Lautari::c1_Click, &Lautari::c2_Click, &Lautari::c3_Click,
};
