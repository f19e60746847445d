// SPDX-License-Identifier: GPL-3.0-or-later
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

// The result table: wins, draws and losses, each a heading and a row per
// level (Helppo, Keskitaso, Vaikea) with the level's name and its counter.
// The names are the controls' object names: the heading's and the three
// level names', then the three counters'.
struct Taulukko {
    QStringView otsikko;
    int top, korkeus; // of the heading
    int ekaRivi;      // the top of the first level's row
    const char* nimet[4];
    const char* laskurit[3];
};

// clang-format off
constexpr Taulukko kTaulukot[3] = {
    {teksti::kVoitot,       0, 375,  600, {"Otsikko1", "Otsikko4", "Otsikko5", "Otsikko6"},
                                          {"Voitot1", "Voitot2", "Voitot3"}},
    {teksti::kTasapelit, 2280, 495, 3000, {"Otsikko2", "Otsikko7", "Otsikko8", "Otsikko9"},
                                          {"Tp1", "Tp2", "Tp3"}},
    {teksti::kHaviot,    4680, 375, 5280, {"Otsikko3", "Otsikko10", "Otsikko11", "Otsikko12"},
                                          {"Haviot1", "Haviot2", "Haviot3"}},
};
// clang-format on

constexpr int kOtsikkoLeft = 7080, kOtsikkoWidth = 2535;
constexpr int kTasoLeft = 7920, kTasoWidth = 855;
constexpr int kLaskuriLeft = 8880, kLaskuriWidth = 615;
constexpr int kRiviVali = 480, kRiviKorkeus = 255;

// The status line.
constexpr int kTilaLeft = 120, kTilaTop = 7080, kTilaWidth = 6855, kTilaHeight = 255;

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
