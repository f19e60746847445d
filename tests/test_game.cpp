// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a person plays it: the window's size, focus order and texts;
// the About box; the keyboard and the mouse; the computer's random move.
// (Scripted sessions end in test_pictures, every game against each level is
// played out by the strength test.)
#include "support/window.h"

#include <QAccessible>
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QProcess>
#include <QProxyStyle>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class Game : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fixedSizeFocusOrderAndTexts();
    void aboutBoxAndQuit();
    void keyboard();
    void whatCountsAsAClick();
    void randomMove();
    void twoPlayersStatusLine();

private:
    // What the desktop's opener was asked to open, one path a line.
    QStringList opened() const;
    QTemporaryDir desktop;
};

// A stand-in for the desktop's xdg-open, first on the path; it ends as the
// shell command in OPENER says (xdg-open exits 3 where it finds no viewer).
void Game::initTestCase() {
    QFile script(desktop.filePath(u"bin/xdg-open"_s));
    QVERIFY(QDir(desktop.path()).mkdir(u"bin"_s) && script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\necho \"$1\" >> \"$0.log\"\neval \"$OPENER\"\n");
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    qputenv("PATH", desktop.filePath(u"bin:"_s).toLocal8Bit() + qgetenv("PATH"));
}

QStringList Game::opened() const {
    QFile log(desktop.filePath(u"bin/xdg-open.log"_s));
    log.open(QIODevice::ReadOnly);
    return QString::fromLocal8Bit(log.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

// The desktop entry the window belongs to, the captions and the menus' texts,
// in the order they were made (the pictures show every other text); "+" marks
// an item that holds a check mark.
void Game::fixedSizeFocusOrderAndTexts() {
    Window w;
    QStringList texts{QGuiApplication::desktopFileName(), w->windowTitle()};
    for (const QAction* action : w->findChildren<QAction*>())
        if (!action->text().isEmpty())
            texts << action->text() + (action->isCheckable() ? u"+"_s : QString());
    QCOMPARE(texts.join(u'|'),
             QString::fromUtf8(LAUTARI_APP_ID) +
                 words(u"|{title} |{File}|{New}|{About}|{Quit}|{Level}|{Easy}+|{Medium}+|{Hard}+|"
                       u"{Players}|{1 player}+|{2 players}+|{Starter}|{Player}+|{Computer}+"_s));
    // No resize handle to offer; an icon for the desktop to show.
    QVERIFY(w->minimumSize() == w->maximumSize() && !w->windowIcon().isNull());

    for (Sq s : {a1, a2, a3, b1, b2, b3, c1, c2})
        QCOMPARE(w->ruutu(s).nextInFocusChain(), &w->ruutu(Sq(s + 1)));
}

// OK closes the box; one modeless box at a time; "readme.txt" in it opens the
// rules that the build keeps beside the program; quitting closes and destroys
// everything.
void Game::aboutBoxAndQuit() {
    Window w;
    w->MnuTietoja->click();
    QPointer<frmAbout> closed = w->about();
    QTest::mouseClick(closed->cmdOK, Qt::LeftButton);
    QTRY_VERIFY(!closed);
    w->MnuTietoja->click();
    w->MnuTietoja->click();
    QCOMPARE(w->findChildren<frmAbout*>().size(), 1);
    QPointer<frmAbout> box = w->about();
    QVERIFY(box->isVisible() && !box->isModal() && box->focusWidget() == box->cmdOK);
    QSignalSpy hovered(box->lblDescription, &QLabel::linkHovered);
    QPoint link;
    for (int y = 110; y > 0 && hovered.isEmpty(); y -= 3)
        for (int x = 0; x < 259 && hovered.isEmpty(); x += 4)
            QTest::mouseMove(box->windowHandle(), box->lblDescription->mapTo(box, link = {x, y}));
    QTest::mouseClick(box->lblDescription, Qt::LeftButton, {}, link);
    QTRY_COMPARE(opened().size(), 1);
    QCOMPARE(box->cmdOK->text() + w.ownRules()->findChild<QPushButton*>()->text(),
             words(u"{OK}{close}"_s));
    QVERIFY(opened()[0].endsWith(u"/share/games/lautari/readme.txt") &&
            QFileInfo(opened()[0]).isFile());
    w->MnuLopeta->click();
    QVERIFY(!w->isVisible());
    QTRY_VERIFY(!box);
}

// A style whose menu bar does not open on Alt by itself, so that only the
// window's own key filter can.
struct NoAltStyle : QProxyStyle {
    int styleHint(StyleHint h, const QStyleOption* o, const QWidget* w,
                  QStyleHintReturn* r) const override {
        return h == SH_MenuBar_AltKeyNavigation ? 0 : QProxyStyle::styleHint(h, o, w, r);
    }
};

// Tab, Backtab and the arrows move between the squares, Space and Enter place
// the mark, F2 starts a new game, F10 and Alt alone open the menu bar whatever
// the style; the focus mark shows only where the keyboard
// or a screen reader brought the focus, and stays as it was where the focus
// only comes back.
void Game::keyboard() {
    NoAltStyle noAlt;
    Window w;
    w->menuBar()->setStyle(&noAlt);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.w.get()));
    auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
    // Tab and Backtab bring the mark to squares that never had it (the window
    // gave a1 the focus without it).
    key(Qt::Key_Tab);
    QVERIFY(w->ruutu(a2).showsFocusMark());
    key(Qt::Key_Backtab);
    QVERIFY(w->ruutu(a1).showsFocusMark());
    // Where each arrow takes the focus from a1, a2 ... c3.
    const char* const arrows[] = {"001334667", "012012345", "122455788", "345678678"};
    for (int k = 0; k < 4; ++k) // Left, Up, Right, Down
        for (Sq s : kRuudut) {
            w->ruutu(s).setFocus(Qt::TabFocusReason);
            key(Qt::Key(Qt::Key_Left + k));
            const forms::PictureBox& next = w->ruutu(Sq(arrows[k][s] - '0'));
            QVERIFY2(next.hasFocus() && next.showsFocusMark(), arrows[k]);
        }
    w->ruutu(b2).setFocus(Qt::TabFocusReason);
    w.random->pushSquares({a1});
    key(Qt::Key_Space);
    QCOMPARE(w.board(), u"O...X....");
    QCOMPARE(w->cursor().shape(), Qt::ArrowCursor); // not left busy once it answered
    key(Qt::Key_Backtab);
    key(Qt::Key_Enter);
    QCOMPARE(w->ruutu(b1).tag(), words(u"{X}"_s));
    key(Qt::Key_F2);
    QCOMPARE(w.board(), u".........");

    QTest::mouseClick(&w->ruutu(c3), Qt::LeftButton);
    QVERIFY(w->ruutu(c3).hasFocus() && !w->ruutu(c3).showsFocusMark());
    QTest::keyClick(w.w.get(), Qt::Key_F10);
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(w.w.get(), Qt::Key_Escape);
    // The focus comes back from the menu bar, still without the mark.
    QTRY_VERIFY(!w->menuBar()->activeAction() && w->focusWidget() == &w->ruutu(c3));
    QVERIFY(!w->ruutu(c3).showsFocusMark());
    // Alt alone opens the menu bar; Alt held with another key does not.
    for (Qt::Key other : {Qt::Key_unknown, Qt::Key_F4, Qt::Key_Tab}) {
        QTest::keyPress(w.w.get(), Qt::Key_Alt);
        if (other != Qt::Key_unknown) QTest::keyClick(w.w.get(), other, Qt::AltModifier);
        QTest::keyRelease(w.w.get(), Qt::Key_Alt);
        QCOMPARE(w->menuBar()->activeAction() != nullptr, other == Qt::Key_unknown);
        if (QWidget* menu = QApplication::activePopupWidget())
            QTest::keyClick(menu, Qt::Key_Escape);
        QTest::keyClick(w.w.get(), Qt::Key_Escape);
    }
    w->activateWindow(); // the offscreen platform leaves a closed menu the active window
    QVERIFY(QTest::qWaitForWindowActive(w.w.get()));

    // A finished game keeps the focus on its board, whose squares the keys
    // still walk, read-only, and which take no mark, count or sound; F2 opens
    // the next game where the focus is.
    w.lay(u"XX.OO....");
    QTest::mouseClick(&w->ruutu(a3), Qt::LeftButton);
    const int beeps = w->beep.count();
    for (Qt::Key k : {Qt::Key_Down, Qt::Key_Space, Qt::Key_Left, Qt::Key_Return, Qt::Key_Tab})
        key(k);
    QVERIFY(w->ruutu(b3).showsFocusMark());
    QCOMPARE(w.board() + w->Voitot[1]->text(), u"XXXOO....1");
    QCOMPARE(w->beep.count(), beeps);
    const auto state = [&](Sq s) {
        return QAccessible::queryAccessibleInterface(&w->ruutu(s))->state();
    };
    QVERIFY(state(b3).readOnly && !state(b3).disabled && state(b3).focused);
    key(Qt::Key_F2);
    QVERIFY(w->ruutu(b3).hasFocus() && !state(b3).readOnly);

    // A slow viewer of the rules outlives the window, which must not be missed
    // when it fails.
    qputenv("OPENER", "sleep 0.2; exit 3");
    key(Qt::Key_F1);
    w.w.reset();
    QTRY_VERIFY(qApp->findChildren<QProcess*>().isEmpty());
}

// A press and a release of the left button over the same square.
void Game::whatCountsAsAClick() {
    Window w;
    w->Mnu2Pelaajaa->click();
    forms::PictureBox* box = &w->ruutu(a1);
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(300, 10)); // dragged off
    QTest::mouseRelease(box, Qt::LeftButton, {}, QPoint(10, 10));  // no press before
    QTest::mousePress(box, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(box, Qt::RightButton, {}, QPoint(10, 10));
    QCOMPARE(w.board(), u".........");
    QTest::mouseClick(box, Qt::LeftButton);
    QCOMPARE(w.board(), u"X........");
    w.click({b1, a2, b2, a3});
    // The board the win locked refuses a screen reader's press too.
    auto* press = QAccessible::queryAccessibleInterface(&w->ruutu(c3))->actionInterface();
    press->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(w.board(), u"XXXOO....");
}

// The computer's random move, its fallback at every level. (Every other rule of its moves is
// reached by the strength test, which plays out every game against each level.)
void Game::randomMove() {
    Window w(false);
    w.lay(u"XOXOXOX.X");
    w->Siirretty = false;
    w.random->pushSquares({a1, a2, c3, b2, c2}); // taken squares are drawn again
    w->Tietokone3();
    QCOMPARE(w.board(), u"XOXOXOXOX");
    w.lay(u"OOOOOOOOO");
    w->Siirretty = false;
    w->Tietokone3(); // no free square: no move, no hang
    QVERIFY(!w->Siirretty);
    // A window's own generator, set by the clock: two sessions' replies at
    // Helppo differ, where a fixed sequence would repeat them.
    const auto replies = [] {
        Lautari game;
        game.MnuHelppo->click();
        QString seen;
        for (int i = 0; i < 12; ++i, game.MnuUusi->click()) {
            game.a1_Click();
            seen += position::read(game);
        }
        return seen;
    };
    QVERIFY(replies() != replies());
}

// Two players name whose turn it is from the start: the second where the
// computer's side, now the second player's, opens.
void Game::twoPlayersStatusLine() {
    Window w;
    w.apply(u"T 2P");
    QCOMPARE(w->RnTeksti->text(), words(u"{turn 2}"_s));
}

QTEST_MAIN(Game)
#include "test_game.moc"
