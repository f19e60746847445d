// The window on a real X server (Xvfb): what reaches the screen at start and
// after a win, read back from the root window.
#include "support/window.h"
#include "ui/frmabout.h"

#include <QPushButton>

#include <QLabel>
#include <QScreen>
#include <QTest>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kYellow = qRgb(255, 255, 0);

struct Screen {
    QImage shot;
    QPoint origin; // the client area's top left corner on the screen

    // The client area of `w` as it stands on the screen.
    explicit Screen(QWidget* w) {
        QTest::qWait(150); // let the X server take the paint
        shot = w->screen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
        origin = w->mapToGlobal(QPoint(0, 0));
    }
    QRgb at(int x, int y) const { return shot.pixel(origin + QPoint(x, y)); }
    QRgb inSquare(Sq s, int x, int y) const {
        return at(8 + 152 * (s % 3) + 2 + x, 8 + 152 * (s / 3) + 2 + y);
    }
    int darkPixelsIn(const QWidget* label) const {
        int n = 0;
        const QRect r = label->geometry().adjusted(3, 3, -3, -3);
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += qGray(at(x, y)) < 128;
        return n;
    }
    int yellowIn(QRect r) const {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += at(x, y) == kYellow;
        return n;
    }
};

} // namespace

class OnScreen : public QObject {
    Q_OBJECT
private slots:
    void startAndWin();
    void drawAndAboutBox();
};

void OnScreen::startAndWin() {
    if (QGuiApplication::platformName() != u"xcb") QSKIP("needs an X server");
    Window w;
    w->move(40, 40);
    QVERIFY(QTest::qWaitForWindowExposed(w.w.get()));

    const Screen start(w->centralWidget());
    QCOMPARE(start.inSquare(a1, 75, 75), kWhite);
    QCOMPARE(start.inSquare(c3, 149, 149), kWhite);
    // The shared grid line between a1 and a2: grey then black.
    QCOMPARE(start.at(160, 80), qRgb(128, 128, 128));
    QCOMPARE(start.at(161, 80), qRgb(0, 0, 0));
    QCOMPARE(start.yellowIn(QRect(8, 8, 458, 458)), 0);
    QCOMPARE(start.at(w->Voitot[0]->x() + 5, w->Voitot[0]->y() + 3), kWhite);
    QVERIFY(start.darkPixelsIn(w->Voitot[0]) > 0); // the "0"
    QCOMPARE(start.darkPixelsIn(w->RnTeksti), 0);

    w->Mnu2Pelaajaa->click();
    w.clickAll({a1, b1, a2, b2, a3});
    const Screen won(w->centralWidget());
    // One continuous stroke along the top row at height 72.
    QCOMPARE(won.inSquare(a1, 70, 72), kYellow);
    QCOMPARE(won.inSquare(a2, 0, 72), kYellow);
    QCOMPARE(won.inSquare(a2, 75, 72), kYellow);
    QCOMPARE(won.inSquare(a3, 85, 72), kYellow);
    QCOMPARE(won.inSquare(a1, 30, 72), kWhite);
    QCOMPARE(won.inSquare(a3, 120, 72), kWhite);
    QCOMPARE(won.yellowIn(QRect(8, 162, 458, 304)), 0);
    // Crosses in blue under it, a nought's ring in red, even on the locked board.
    QCOMPARE(won.inSquare(a1, 5, 5), qRgb(0, 0, 255));
    QCOMPARE(won.inSquare(b1, 74, 7), qRgb(255, 0, 0));
    QVERIFY(won.darkPixelsIn(w->Voitot[1]) > 0);
    QVERIFY(won.darkPixelsIn(w->RnTeksti) > 20);
}

void OnScreen::drawAndAboutBox() {
    if (QGuiApplication::platformName() != u"xcb") QSKIP("needs an X server");
    Window w;
    w->move(40, 40);
    QVERIFY(QTest::qWaitForWindowExposed(w.w.get()));
    w.lay("XOXXOOOX.");
    w.click(c3);
    const Screen drawn(w->centralWidget());
    for (Sq s : kRuudut) {
        int ink = 0;
        for (int i = 0; i < 150; ++i)
            ink += drawn.inSquare(s, i, i) != kWhite;
        QVERIFY(ink > 0);
    }
    QCOMPARE(drawn.yellowIn(QRect(8, 8, 458, 458)), 0);
    QVERIFY(drawn.darkPixelsIn(w->RnTeksti) > 40); // "Tasapeli (Ruudukko Täysi)"
    QVERIFY(drawn.darkPixelsIn(w->Tp[1]) > 0);

    w->MnuTietoja->click();
    frmAbout* box = w->about();
    QVERIFY(QTest::qWaitForWindowExposed(box));
    const Screen about(box);
    // The etched rule: grey over white across the box.
    for (int x : {20, 190, 360}) {
        QCOMPARE(about.at(x, 184), qRgb(128, 128, 128));
        QCOMPARE(about.at(x, 185), kWhite);
    }
    // The icon's red ring and black disc, and text in each label.
    QCOMPARE(about.at(2 + 16 + 16, 2 + 8 + 2), qRgb(255, 0, 0));
    QCOMPARE(about.at(2 + 16 + 16, 2 + 8 + 6), qRgb(0, 0, 0));
    for (QWidget* label : {box->lblTitle, box->lblVersion, box->lblDescription})
        QVERIFY(about.darkPixelsIn(label) > 20);
    QVERIFY(about.darkPixelsIn(box->cmdOK) > 10);
}

QTEST_MAIN(OnScreen)
#include "test_screen.moc"
