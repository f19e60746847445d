// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/label.h"

#include "forms/border.h"

#include <QPainter>

namespace forms {

Label::Label(QWidget* parent, const QString& caption, Qt::Alignment alignment, bool sunken)
    : QLabel(caption, parent), sunken_(sunken) {
    setAlignment(alignment);
    setTextFormat(Qt::PlainText);
    if (sunken_) {
        setContentsMargins(kBorderWidth + 1, kBorderWidth, kBorderWidth + 1, kBorderWidth);
        setAutoFillBackground(true);
        // Black ink on the white field whatever the desktop's colours, so
        // that the two read on each other in a dark theme too.
        QPalette pal = palette();
        pal.setColor(QPalette::Window, Qt::white);
        pal.setColor(QPalette::WindowText, Qt::black);
        setPalette(pal);
    }
}

void Label::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (sunken_) {
        QPainter p(this);
        drawSunkenBorder(p, rect());
    }
}

} // namespace forms
