// SPDX-License-Identifier: GPL-3.0-or-later
// The news of a move for screen readers: the marks placed, in their order,
// then the status line as it stands when the move is done, as one line after
// whatever else the key made the screen reader say.
#include "ui/lautari.h"
#include "ui/tekstit.h"

#include <QAccessible>
#include <QLabel>
#include <QTimer>

void Lautari::uutinen(const QString& pala) {
    if (!QAccessible::isActive()) return;
    if (uutiset_.isEmpty()) QTimer::singleShot(0, this, &Lautari::kerroUutiset);
    uutiset_ << pala;
}

void Lautari::kerroUutiset() {
    const QString tila = RnTeksti->text();
    if (!tila.isEmpty() && (tila != kerrottuTila_ || uutiset_.first() == teksti::kUusiPeli))
        uutiset_ << tila;
    kerrottuTila_ = tila;
    ilmoitus_.say(uutiset_.join(QStringLiteral(", ")));
    uutiset_.clear();
}
