// On a dense screen every size scales, and the marks, the winning line and
// the icon are drawn at the screen's own resolution.
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
    QCOMPARE(w->centralWidget()->size(), QSize(641, 494));

    w->Mnu2Pelaajaa->click();
    w.clickAll({a1, b1, a2, b2, a3});
    const QImage square = w->ruutu(a1).grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(square.size(), QSize(154, 154) * dpr);

    // The cross is the rendering made for this density, pixel for pixel,
    // with no blended edge that an upscaled image would have.
    const QString name = dpr == 2 ? QStringLiteral(":/assets/risti@2x.png")
                                  : QStringLiteral(":/assets/risti-225.png");
    const QImage sharp = QImage(name).convertToFormat(QImage::Format_RGB32);
    QCOMPARE(sharp.width(), qRound(150 * dpr));
    const int off = qRound(2 * dpr);
    for (int y = 0; y < sharp.height(); y += 7)
        for (int x = 0; x < 40 * dpr; ++x) {
            const QRgb px = square.pixel(off + x, off + y);
            if (y > 45 * dpr && y < 100 * dpr) break; // the yellow line crosses here
            QVERIFY2(px == sharp.pixel(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }

    // The winning line is ten pixels wide in device pixels too.
    int yellow = 0;
    for (int y = 0; y < square.height(); ++y)
        yellow += square.pixel(qRound(120 * dpr), y) == qRgb(255, 255, 0);
    QVERIFY2(qAbs(yellow - 10 * dpr) <= 1, qPrintable(QString::number(yellow)));

    // The icon is the rendering drawn for the size, not the 32-pixel one enlarged.
    const QPixmap icon = w->windowIcon().pixmap(QSize(32, 32), dpr);
    QCOMPARE(icon.size(), QSize(32, 32) * dpr);
    QImage drawn(QStringLiteral(":/assets/lautari-%1.png").arg(qRound(32 * dpr)));
    drawn.setDevicePixelRatio(dpr);
    QCOMPARE(icon.toImage().convertToFormat(QImage::Format_ARGB32),
             drawn.convertToFormat(QImage::Format_ARGB32));
}

QTEST_MAIN(HiDpi)
#include "test_hidpi.moc"
