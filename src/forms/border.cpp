// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/border.h"

#include <QPainter>

namespace forms {

void drawSunkenBorder(QPainter& p, const QRect& r) {
    const QColor shadow(128, 128, 128), darkShadow(0, 0, 0);
    const QColor highlight(255, 255, 255), light(192, 192, 192);
    const int l = r.left(), t = r.top(), rr = r.right(), b = r.bottom();

    // Outer edge, then inner edge one pixel in.
    p.fillRect(QRect(l, t, r.width() - 1, 1), shadow);
    p.fillRect(QRect(l, t, 1, r.height() - 1), shadow);
    p.fillRect(QRect(l, b, r.width(), 1), highlight);
    p.fillRect(QRect(rr, t, 1, r.height()), highlight);

    p.fillRect(QRect(l + 1, t + 1, r.width() - 3, 1), darkShadow);
    p.fillRect(QRect(l + 1, t + 1, 1, r.height() - 3), darkShadow);
    p.fillRect(QRect(l + 1, b - 1, r.width() - 2, 1), light);
    p.fillRect(QRect(rr - 1, t + 1, 1, r.height() - 2), light);
}

} // namespace forms
