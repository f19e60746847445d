// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ikoni.h"

QIcon ohjelmanIkoni() {
    QIcon icon(QStringLiteral(":/assets/lautari.png"));
    for (int size : {48, 64})
        icon.addFile(QStringLiteral(":/assets/lautari-%1.png").arg(size));
    return icon;
}
