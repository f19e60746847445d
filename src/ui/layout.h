#pragma once

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

// The result table and the status line.
enum class Tyyli { Otsikko, Taso, Laskuri, Tila };

struct Kentta {
    const char* nimi;
    const char* teksti;
    int left, top, width, height;
    Tyyli tyyli;
};

constexpr Kentta kKentat[] = {
    {"Otsikko1", "Voitot", 7080, 0, 2535, 375, Tyyli::Otsikko},
    {"Otsikko4", "Helppo", 7920, 600, 855, 255, Tyyli::Taso},
    {"Voitot1", "0", 8880, 600, 615, 255, Tyyli::Laskuri},
    {"Otsikko5", "Keskitaso", 7920, 1080, 855, 255, Tyyli::Taso},
    {"Voitot2", "0", 8880, 1080, 615, 255, Tyyli::Laskuri},
    {"Otsikko6", "Vaikea", 7920, 1560, 855, 255, Tyyli::Taso},
    {"Voitot3", "0", 8880, 1560, 615, 255, Tyyli::Laskuri},
    {"Otsikko2", "Tasapelit", 7080, 2280, 2535, 495, Tyyli::Otsikko},
    {"Otsikko7", "Helppo", 7920, 3000, 855, 255, Tyyli::Taso},
    {"Tp1", "0", 8880, 3000, 615, 255, Tyyli::Laskuri},
    {"Otsikko8", "Keskitaso", 7920, 3480, 855, 255, Tyyli::Taso},
    {"Tp2", "0", 8880, 3480, 615, 255, Tyyli::Laskuri},
    {"Otsikko9", "Vaikea", 7920, 3960, 855, 255, Tyyli::Taso},
    {"Tp3", "0", 8880, 3960, 615, 255, Tyyli::Laskuri},
    {"Otsikko3", "Häviöt", 7080, 4680, 2535, 375, Tyyli::Otsikko},
    {"Otsikko10", "Helppo", 7920, 5280, 855, 255, Tyyli::Taso},
    {"Haviot1", "0", 8880, 5280, 615, 255, Tyyli::Laskuri},
    {"Otsikko11", "Keskitaso", 7920, 5760, 855, 255, Tyyli::Taso},
    {"Haviot2", "0", 8880, 5760, 615, 255, Tyyli::Laskuri},
    {"Otsikko12", "Vaikea", 7920, 6240, 855, 255, Tyyli::Taso},
    {"Haviot3", "0", 8880, 6240, 615, 255, Tyyli::Laskuri},
    {"RnTeksti", "", 120, 7080, 6855, 255, Tyyli::Tila},
};

// The hidden holders of the two images lie partly below the client area.
constexpr int kNollaLeft = 7080, kRistiLeft = 8280, kPidikeTop = 7080;

} // namespace layout
