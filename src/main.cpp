#include "ui/kaannokset.h"
#include "ui/lautari.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lautari -98"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    QGuiApplication::setDesktopFileName(QStringLiteral(LAUTARI_APP_ID));
    asennaKaannokset(app);

    Lautari window;
    window.move(1500 / 15, 1110 / 15);
    window.show();
    return app.exec();
}
