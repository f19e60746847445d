// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/twips.h"
#include "ui/kaannokset.h"
#include "ui/komentorivi.h"
#include "ui/lautari.h"
#include "ui/layout.h"
#include "ui/tekstit.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(teksti::kOhjelma.toString());
    QCoreApplication::setApplicationVersion(QStringLiteral(LAUTARI_VERSION));
    if (const std::optional<int> loppu = lueKomentorivi(argc, argv)) return *loppu;

    odotaNayttoa();
    QApplication app(argc, argv);
    nayttoLoytyi();
    asennaKaannokset(app);

    Lautari window;
    window.move(forms::px(layout::kIkkunaLeft), forms::px(layout::kIkkunaTop));
    window.show();
    return app.exec();
}
