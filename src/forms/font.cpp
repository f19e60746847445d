// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/font.h"

#include <QStringList>

namespace forms {

QFont classicFont(int pointSize) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setPointSize(pointSize);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace forms
