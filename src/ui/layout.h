#pragma once

#include "ui/tekstit.h"

// Where everything stands in the main window, in twips from the top left
// corner of its client area (below the menu bar).

namespace layout {

constexpr int kClientWidth = 9615;  // 641 px
constexpr int kClientHeight = 7410; // 494 px

constexpr int kRuutu = 2310;                          // a square with its border
constexpr int kRuudukonPaikat[3] = {120, 2400, 4680}; // left of the columns, top of the rows

// Segment n of line L, in twips from the top left corner of its square's
// inner area. Which square holds it follows from the line.
struct Segmentti {
    int L, n;
    int x1, y1, x2, y2;
};

constexpr Segmentti kSegmentit[24] = {
    {1, 1, 960, 1080, 2280, 1080}, {1, 2, 0, 1080, 2280, 1080}, {1, 3, 0, 1080, 1320, 1080},
    {2, 1, 1200, 2280, 1200, 960}, {2, 2, 1200, 2280, 1200, 0}, {2, 3, 1200, 1320, 1200, 0},
    {3, 1, 0, 1320, 1320, 1320},   {3, 2, 0, 1320, 2280, 1320}, {3, 3, 960, 1320, 2280, 1320},
    {4, 1, 1080, 1320, 1080, 0},   {4, 2, 1080, 0, 1080, 2280}, {4, 3, 1080, 2280, 1080, 840},
    {5, 1, 960, 960, 2280, 2280},  {5, 2, 0, 0, 2280, 2280},    {5, 3, 0, 0, 1320, 1320},
    {6, 1, 0, 2250, 1320, 960},    {6, 2, 0, 2250, 2250, 0},    {6, 3, 2250, 0, 960, 1320},
    {7, 1, 1200, 960, 1200, 2280}, {7, 2, 1200, 0, 1200, 2280}, {7, 3, 1200, 0, 1200, 1320},
    {8, 1, 2280, 1080, 840, 1080}, {8, 2, 0, 1080, 2280, 1080}, {8, 3, 0, 1080, 1320, 1080},
};

// The result table and the status line. A counter row also names its table
// and its level (1 Helppo, 2 Keskitaso, 3 Vaikea).
enum class Tyyli { Otsikko, Taso, Laskuri, Tila };
enum class Taulu { Ei, Voitot, Tasapelit, Haviot };

struct Kentta {
    const char* nimi;
    QStringView teksti;
    int left, top, width, height;
    Tyyli tyyli;
    Taulu taulu = Taulu::Ei;
    int taso = 0;
};

constexpr Kentta kKentat[] = {
    {"Otsikko1", teksti::kVoitot, 7080, 0, 2535, 375, Tyyli::Otsikko},
    {"Otsikko4", teksti::kTasot[0], 7920, 600, 855, 255, Tyyli::Taso},
    {"Voitot1", teksti::kAlussa, 8880, 600, 615, 255, Tyyli::Laskuri, Taulu::Voitot, 1},
    {"Otsikko5", teksti::kTasot[1], 7920, 1080, 855, 255, Tyyli::Taso},
    {"Voitot2", teksti::kAlussa, 8880, 1080, 615, 255, Tyyli::Laskuri, Taulu::Voitot, 2},
    {"Otsikko6", teksti::kTasot[2], 7920, 1560, 855, 255, Tyyli::Taso},
    {"Voitot3", teksti::kAlussa, 8880, 1560, 615, 255, Tyyli::Laskuri, Taulu::Voitot, 3},
    {"Otsikko2", teksti::kTasapelit, 7080, 2280, 2535, 495, Tyyli::Otsikko},
    {"Otsikko7", teksti::kTasot[0], 7920, 3000, 855, 255, Tyyli::Taso},
    {"Tp1", teksti::kAlussa, 8880, 3000, 615, 255, Tyyli::Laskuri, Taulu::Tasapelit, 1},
    {"Otsikko8", teksti::kTasot[1], 7920, 3480, 855, 255, Tyyli::Taso},
    {"Tp2", teksti::kAlussa, 8880, 3480, 615, 255, Tyyli::Laskuri, Taulu::Tasapelit, 2},
    {"Otsikko9", teksti::kTasot[2], 7920, 3960, 855, 255, Tyyli::Taso},
    {"Tp3", teksti::kAlussa, 8880, 3960, 615, 255, Tyyli::Laskuri, Taulu::Tasapelit, 3},
    {"Otsikko3", teksti::kHaviot, 7080, 4680, 2535, 375, Tyyli::Otsikko},
    {"Otsikko10", teksti::kTasot[0], 7920, 5280, 855, 255, Tyyli::Taso},
    {"Haviot1", teksti::kAlussa, 8880, 5280, 615, 255, Tyyli::Laskuri, Taulu::Haviot, 1},
    {"Otsikko11", teksti::kTasot[1], 7920, 5760, 855, 255, Tyyli::Taso},
    {"Haviot2", teksti::kAlussa, 8880, 5760, 615, 255, Tyyli::Laskuri, Taulu::Haviot, 2},
    {"Otsikko12", teksti::kTasot[2], 7920, 6240, 855, 255, Tyyli::Taso},
    {"Haviot3", teksti::kAlussa, 8880, 6240, 615, 255, Tyyli::Laskuri, Taulu::Haviot, 3},
    {"RnTeksti", {}, 120, 7080, 6855, 255, Tyyli::Tila},
};

// The hidden holders of the two images lie partly below the client area.
constexpr int kNollaLeft = 7080, kRistiLeft = 8280, kPidikeTop = 7080;

// Where the main window first opens, on the screen.
constexpr int kIkkunaLeft = 1500, kIkkunaTop = 1110;

// The About box, in twips from the top left corner of its client area.
namespace about {

struct Paikka {
    int left, top, width, height;
};

constexpr int kLeveys = 5730, kKorkeus = 3825;
constexpr Paikka kOK = {4320, 3240, 1260, 345};
constexpr Paikka kKuvake = {240, 120, 540, 540};
constexpr Paikka kOtsikko = {1050, 120, 3885, 480};
constexpr Paikka kVersio = {1050, 600, 3885, 225};
constexpr Paikka kKuvaus = {1050, 960, 3885, 1770};
constexpr Paikka kVastuu = {240, 3000, 3870, 720};
// The etched rule above the disclaimer: a grey line, a white one below it.
constexpr int kViivaY = 2760;
constexpr int kHarmaaX1 = 90, kHarmaaX2 = 5654, kValkoinenX1 = 120, kValkoinenX2 = 5669;

} // namespace about

} // namespace layout
