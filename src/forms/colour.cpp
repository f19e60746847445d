// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/colour.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace forms {
namespace {

// Relative luminance and contrast ratio, as the web's accessibility
// guidelines define them.
double luminance(const QColor& c) {
    const auto channel = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double contrast(const QColor& a, const QColor& b) {
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

} // namespace

void readableHighlight(QWidget* widget, const QWidget* desktop) {
    QColor back = desktop->palette().color(QPalette::Highlight);
    const QColor text = desktop->palette().color(QPalette::HighlightedText);
    const bool darken = luminance(text) > luminance(back);
    for (int step = 0; step < 24 && contrast(back, text) < 4.5; ++step)
        back = darken ? back.darker(110) : back.lighter(110);
    if (contrast(back, text) < 4.5) back = darken ? Qt::black : Qt::white;
    QPalette own;
    own.setColor(QPalette::Highlight, back);
    widget->setPalette(own);
}

} // namespace forms
