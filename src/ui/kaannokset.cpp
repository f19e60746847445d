// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/kaannokset.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool asennaKaannokset(QCoreApplication& app) {
    auto* qtbase = new QTranslator(&app);
    if (!qtbase->load(QStringLiteral("qtbase_fi"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qtbase;
        return false;
    }
    QCoreApplication::installTranslator(qtbase);
    return true;
}
