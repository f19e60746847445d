// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/colour.h"

#include <QHash>
#include <QImage>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>
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

// The colour that `widget`'s style fills a highlighted item with, given
// `palette`: the one most of a sample item's pixels take. Most styles fill it
// with the palette's highlight; some (KDE's Breeze) with a colour of their own.
QColor drawnHighlight(const QWidget* widget, const QPalette& palette) {
    QImage sample(48, 24, QImage::Format_RGB32);
    sample.fill(palette.color(QPalette::Window));
    QStyleOptionMenuItem item;
    item.initFrom(widget);
    item.palette = palette;
    item.rect = sample.rect();
    item.state |= QStyle::State_Selected | QStyle::State_Sunken | QStyle::State_Enabled;
    item.menuItemType = QStyleOptionMenuItem::Normal;
    QPainter painter(&sample);
    widget->style()->drawControl(qobject_cast<const QMenuBar*>(widget) ? QStyle::CE_MenuBarItem
                                                                       : QStyle::CE_MenuItem,
                                 &item, &painter, widget);
    painter.end();
    QHash<QRgb, int> seen;
    for (int y = 0; y < sample.height(); ++y)
        for (int x = 0; x < sample.width(); ++x)
            ++seen[sample.pixel(x, y)];
    return QColor(std::ranges::max(seen.keys(), {}, [&](QRgb c) { return seen[c]; }));
}

void readableHighlight(QWidget* widget, const QWidget* desktop) {
    const QPalette& theirs = desktop->palette();
    QColor back = theirs.color(QPalette::Active, QPalette::Highlight);
    QColor text = theirs.color(QPalette::Active, QPalette::HighlightedText);
    const bool darken = luminance(text) > luminance(back);
    for (int step = 0; step < 24 && contrast(back, text) < 4.5; ++step)
        back = darken ? back.darker(110) : back.lighter(110);
    if (contrast(back, text) < 4.5) back = darken ? Qt::black : Qt::white;
    QPalette own = widget->palette();
    own.setColor(QPalette::Highlight, back);
    own.setColor(QPalette::HighlightedText, text);
    // Where the style fills the item with a colour of its own, the text is
    // black or white, whichever reads on that colour.
    const QColor drawn = drawnHighlight(widget, own);
    if (contrast(drawn, text) < 4.5) {
        text = contrast(drawn, Qt::black) > contrast(drawn, Qt::white) ? Qt::black : Qt::white;
        own.setColor(QPalette::HighlightedText, text);
    }
    widget->setPalette(own);
}

} // namespace forms
