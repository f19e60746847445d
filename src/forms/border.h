// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QPainter;

namespace forms {

// The classic two-pixel sunken edge: grey and black above and left, white and
// light grey below and right.
void drawSunkenBorder(QPainter& p, const QRect& r);

constexpr int kBorderWidth = 2;

} // namespace forms
