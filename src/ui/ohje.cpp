// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ohje.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

QString ohjeenPolku() {
    for (const QString& polku :
         {QCoreApplication::applicationDirPath() + QStringLiteral("/" LAUTARI_DOC_FROM_BIN),
          QStringLiteral(LAUTARI_SOURCE_ASSETS)}) {
        const QFileInfo ohje(polku + QStringLiteral("/readme.txt"));
        if (ohje.isFile()) return ohje.absoluteFilePath();
    }
    return QString();
}

void avaaOhje() {
    const QString polku = ohjeenPolku();
    if (!polku.isEmpty()) QDesktopServices::openUrl(QUrl::fromLocalFile(polku));
}
