// SPDX-License-Identifier: GPL-3.0-or-later
// On a dense screen the marks and the icon are drawn from the renderings made
// for its density, and the winning line is as wide in device pixels.
#include "support/window.h"

#include <QTest>

class HiDpi : public QObject {
    Q_OBJECT
private slots:
    void drawnAtTheScreensResolution();
};

void HiDpi::drawnAtTheScreensResolution() {
    Window w;
    const qreal dpr = w->devicePixelRatioF();
    QVERIFY2(dpr > 1, "run with QT_SCALE_FACTOR set");
    w->Mnu2Pelaajaa->click();
    w.click({a1, b1, a2, b2, a3});
    const QImage square = w->ruutu(a1).grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(square.size(), QSize(154, 154) * dpr);

    // Pixel for pixel the rendering for this density, above the yellow line.
    const QImage sharp = QImage(dpr == 2 ? QStringLiteral(":/assets/risti@2x.png")
                                         : QStringLiteral(":/assets/risti-225.png"))
                             .convertToFormat(QImage::Format_RGB32);
    const int off = qRound(2 * dpr);
    for (int y = 0; y < 45 * dpr; y += 7)
        for (int x = 0; x < 40 * dpr; ++x)
            QVERIFY2(square.pixel(off + x, off + y) == sharp.pixel(x, y),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    int yellow = 0;
    for (int y = 0; y < square.height(); ++y)
        yellow += square.pixel(qRound(120 * dpr), y) == qRgb(255, 255, 0);
    QVERIFY2(qAbs(yellow - 10 * dpr) <= 1, qPrintable(QString::number(yellow)));

    QImage drawn(QStringLiteral(":/assets/lautari-%1.png").arg(qRound(32 * dpr)));
    drawn.setDevicePixelRatio(dpr);
    QCOMPARE(
        w->windowIcon().pixmap(QSize(32, 32), dpr).toImage().convertToFormat(QImage::Format_ARGB32),
        drawn.convertToFormat(QImage::Format_ARGB32));
}

QTEST_MAIN(HiDpi)
#include "test_hidpi.moc"
