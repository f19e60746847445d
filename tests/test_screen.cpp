// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a real X server (Xvfb): what reaches the screen at start,
// after a win and in the About box, read back from the root window.
#include "support/window.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

namespace {

const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kYellow = qRgb(255, 255, 0);

// The widget `w` as it stands on the screen.
struct Screen {
    explicit Screen(QWidget* w) : origin(w->mapToGlobal(QPoint(0, 0))) {
        QTest::qWait(150); // let the X server take the paint
        shot = w->screen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
    }
    QRgb at(int x, int y) const { return shot.pixel(origin + QPoint(x, y)); }
    QRgb inSquare(Sq s, int x, int y) const {
        return at(8 + 152 * (s % 3) + 2 + x, 8 + 152 * (s / 3) + 2 + y);
    }
    int count(QRect r, bool (*test)(QRgb)) const {
        int n = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += test(at(x, y));
        return n;
    }
    int ink(QRect r) const {
        return count(r, [](QRgb c) { return qGray(c) < 128; });
    }
    int ink(const QWidget* label) const { return ink(label->geometry().adjusted(3, 3, -3, -3)); }
    int yellow(QRect r) const {
        return count(r, [](QRgb c) { return c == kYellow; });
    }

    QPoint origin;
    QImage shot;
};

} // namespace

class OnScreen : public QObject {
    Q_OBJECT
private slots:
    void startWinAndAboutBox();
};

void OnScreen::startWinAndAboutBox() {
    if (QGuiApplication::platformName() != u"xcb") QSKIP("needs an X server");
    Window w;
    w->move(40, 40);
    QVERIFY(QTest::qWaitForWindowExposed(w.w.get()));

    // A screen reader moves the focus to c3: the window comes forward, with the mark.
    QAccessible::queryAccessibleInterface(&w->ruutu(c3))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::setFocusAction());
    QVERIFY(QTest::qWaitForWindowActive(w.w.get()));
    const Screen start(w->centralWidget());
    // The dotted focus mark on its four sides, one pixel thin.
    QVERIFY(start.ink(QRect(322, 317, 130, 1)) > 40 && start.ink(QRect(317, 322, 1, 130)) > 40 &&
            start.ink(QRect(322, 460, 130, 1)) > 40 && start.ink(QRect(460, 322, 1, 130)) > 40);
    QCOMPARE(start.ink(QRect(322, 316, 130, 1)) + start.ink(QRect(322, 318, 130, 1)), 0);
    QCOMPARE(start.inSquare(a1, 75, 75), kWhite);
    // The shared grid line between a1 and a2: grey then black.
    QCOMPARE(start.at(160, 80), qRgb(128, 128, 128));
    QCOMPARE(start.at(161, 80), qRgb(0, 0, 0));
    QCOMPARE(start.yellow(QRect(8, 8, 458, 458)), 0);
    QVERIFY(start.ink(w->Voitot[0]) > 0); // the "0"
    QCOMPARE(start.ink(w->RnTeksti), 0);
    // A counter's sunken border, in grey levels: grey and black above and to
    // the left, light grey and white below and to the right and in the corners.
    const QRect c = w->Voitot[0]->geometry();
    const int l = c.left(), t = c.top(), r = c.right(), b = c.bottom();
    auto g = [&](int x, int y) { return qGray(start.at(x, y)); };
    QCOMPARE(
        QList<int>({g(l, t + 4), g(l + 1, t + 4), g(r - 2, t + 4), g(r - 1, t + 4), g(l + 4, t),
                    g(l + 4, t + 1), g(l + 4, b - 2), g(l + 4, b - 1), g(r - 1, t + 1),
                    g(l + 1, b - 1), g(r, t + 4), g(l + 1, b - 2), g(l + 4, t + 2)}),
        QList<int>({128, 0, 255, 192, 128, 0, 255, 192, 192, 192, 255, 0, 255}));

    // The computer's nought shows at once; a new game wipes it from the screen.
    w.random->pushSquares({c3});
    w.click({a1});
    QCOMPARE(Screen(w->centralWidget()).inSquare(c3, 74, 7), qRgb(255, 0, 0));
    w->Mnu2Pelaajaa->click();
    QCOMPARE(Screen(w->centralWidget()).inSquare(c3, 74, 7), kWhite);
    w.click({a1, b1, a2, b2, a3});
    const Screen won(w->centralWidget());
    // One continuous stroke along the top row at height 72, over blue
    // crosses; the nought's red ring below, on the locked board too.
    for (auto [s, x] : {std::pair{a1, 70}, {a2, 0}, {a2, 75}, {a3, 85}})
        QCOMPARE(won.inSquare(s, x, 72), kYellow);
    QCOMPARE(won.inSquare(a1, 30, 72), kWhite);
    QCOMPARE(won.inSquare(a3, 120, 72), kWhite);
    QCOMPARE(won.yellow(QRect(8, 162, 458, 304)), 0);
    QCOMPARE(won.yellow(QRect(8 + 152 + 2 + 40, 8, 1, 150)), 10); // ten pixels wide
    QCOMPARE(won.inSquare(a1, 5, 5), qRgb(0, 0, 255));
    QCOMPARE(won.inSquare(b1, 74, 7), qRgb(255, 0, 0));
    QVERIFY(won.ink(w->RnTeksti) > 20);

    w->MnuTietoja->click();
    frmAbout* box = w->about();
    QVERIFY(QTest::qWaitForWindowExposed(box));
    const Screen about(box);
    for (int x : {20, 190, 360, 376}) // the etched rule, grey over white, to its ends
        QVERIFY(about.at(x, 184) == qRgb(128, 128, 128) && about.at(x + 1, 185) == kWhite);
    QVERIFY(about.at(377, 184) != qRgb(128, 128, 128) && about.at(378, 185) != kWhite);
    QCOMPARE(about.at(34, 12), qRgb(255, 0, 0)); // the icon's ring
    for (QLabel* part : {box->lblTitle, box->lblVersion, box->lblDescription})
        QVERIFY(about.ink(part) > 20);
    QVERIFY(about.ink(box->cmdOK) > 10);
}

QTEST_MAIN(OnScreen)
#include "test_screen.moc"
