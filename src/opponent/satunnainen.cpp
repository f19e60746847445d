// SPDX-License-Identifier: GPL-3.0-or-later
// The random move: the computer's fallback at every level and its opening move.
#include "ui/lautari.h"

#include <algorithm>
#include <cmath>

void Lautari::Tietokone3() {
    random_->reseedFromClock();

    // With no free square no draw could ever succeed: end without a move.
    if (std::all_of(kRuudut.begin(), kRuudut.end(), [&](Sq s) { return ruutu(s).hasPicture(); }))
        return;

    // A draw that names a taken square is simply drawn again, so every free
    // square is equally likely.
    for (;;) {
        const int n = std::clamp(int(std::floor(9.0 * double(random_->next()))) + 1, 1, 9);
        const Sq s = kRuudut[n - 1];
        if (!ruutu(s).hasPicture() && !Siirretty) {
            asetaNolla(s);
            return;
        }
        if (Siirretty) return;
    }
}
