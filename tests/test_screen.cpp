// SPDX-License-Identifier: GPL-3.0-or-later
// The window on a real X server (Xvfb): what reaches the screen is the
// window's own picture (whose every pixel test_pictures compares), at once
// after each move and a screen reader's focus. Then, under a
// window manager (mutter), the About box comes back to the front when it is
// asked for again behind the rules window, as the window manager decides it
// (the rules window comes forward the same way).
#include "support/window.h"

#include <QAccessible>
#include <QDialog>
#include <QProcess>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

class OnScreen : public QObject {
    Q_OBJECT
private slots:
    void screenAndWindows();
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

void OnScreen::screenAndWindows() {
    if (QGuiApplication::platformName() != u"xcb") QSKIP("needs an X server");
    Window w;
    QVERIFY(QTest::qWaitForWindowExposed(w.w.get()));
    w.random->pushSquares({c3});
    w.click({a1});
    QVERIFY2(onScreen(w.w.get()), "the computer's nought");
    QAccessible::queryAccessibleInterface(&w->ruutu(b2))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::setFocusAction());
    QVERIFY(QTest::qWaitForWindowActive(w.w.get())); // the window comes forward with it
    QVERIFY2(w->ruutu(b2).showsFocusMark() && onScreen(w.w.get()), "a screen reader's focus");

    // Now with a window manager: the rules over the About box, which asked
    // for again comes back to the front and takes the focus.
    QProcess mutter;
    mutter.start(u"mutter"_s, {u"--x11"_s, u"--replace"_s, u"--sm-disable"_s});
    const QStringList managed{u"-c"_s, u"xprop -root _NET_SUPPORTING_WM_CHECK | grep -q window"_s};
    QTRY_VERIFY_WITH_TIMEOUT(QProcess::execute(u"sh"_s, managed) == 0, 10000);
    w->MnuTietoja->click();
    QDialog* rules = w.ownRules();
    QTRY_COMPARE(QGuiApplication::focusWindow(), rules->windowHandle());
    w->MnuTietoja->click();
    QTRY_COMPARE(QGuiApplication::focusWindow(), w->about()->windowHandle());
    mutter.terminate();
    mutter.waitForFinished();
}

QTEST_MAIN(OnScreen)
#include "test_screen.moc"
