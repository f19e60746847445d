// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/notice.h"

#include <QAccessible>

namespace forms {

Notice::~Notice() {
    for (NoticeLine* line : lines_)
        delete line;
}

void Notice::say(const QString& words) {
    if (words.isEmpty() || !QAccessible::isActive()) return;
    NoticeLine*& line = lines_[next_];
    next_ = (next_ + 1) % int(lines_.size());
    delete line;
    line = new NoticeLine(words, window_);
    QAccessibleEvent shown(line, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace forms
