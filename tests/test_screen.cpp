// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a real X server (Xvfb): what reaches the screen is the
// window's own picture (whose every pixel test_pictures compares), at once
// after each move and a screen reader's focus. (How the About box and the
// rules window come to the front under a window manager is for the Orca
// tests, which ask for them as a player does.)
#include "support/window.h"

#include <QAccessible>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

class OnScreen : public QObject {
    Q_OBJECT
private slots:
    void movesAndFocusReachTheScreen();
};

// Whether the screen comes to show what `w` draws, without another event.
static bool onScreen(QWidget* w) {
    const QImage drawn = w->grab().toImage().convertToFormat(QImage::Format_RGB32);
    return QTest::qWaitFor([&] {
        const QPoint at = w->mapToGlobal(QPoint(0, 0));
        const QPixmap screen = w->screen()->grabWindow(0, at.x(), at.y(), w->width(), w->height());
        return screen.toImage().convertToFormat(QImage::Format_RGB32) == drawn;
    });
}

void OnScreen::movesAndFocusReachTheScreen() {
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(w.w.get()));
    w.random->pushSquares({c3});
    w.click({a1});
    QVERIFY2(onScreen(w.w.get()), "the computer's nought");
    auto* focus = QAccessible::queryAccessibleInterface(&w->ruutu(b2))->actionInterface();
    focus->doAction(QAccessibleActionInterface::setFocusAction());
    QVERIFY(QTest::qWaitForWindowActive(w.w.get())); // the window comes forward with it
    QVERIFY2(w->ruutu(b2).showsFocusMark() && onScreen(w.w.get()), "a screen reader's focus");
}

QTEST_MAIN(OnScreen)
#include "test_screen.moc"
