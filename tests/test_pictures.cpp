// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window in each of its main states, the About box and the rules
// window of the game's own, rendered and compared pixel for pixel with the
// reference pictures in tests/pictures. A difference names the state and
// leaves the picture made in pictures/ of the test's folder. With
// LAUTARI_PICTURES=write the pictures made become the references ("cmake
// --build build --target pictures"); the test itself never writes them.
#include "forms/style.h"
#include "support/contrast.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QTest>
#include <cmath>

using namespace Qt::StringLiterals;

class Pictures : public QObject {
    Q_OBJECT
private slots:
    void window_data();
    void window();
    void contrast_data();
    void contrast();
};

// A script: squares click, "2P" and "1P" choose the players, "H" "K" "V"
// the level, "T" and "P" the starter, "N" a new game, "A" the About box;
// "@c3" makes the computer's next random move land on c3. Then the beeps
// the game has made, and the menus' check marks: the level, the players and
// the starter.
void Pictures::window_data() {
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("beeps");
    QTest::addColumn<QString>("menus");
    // clang-format off
    const std::tuple<const char*, const char*, int, const char*> rows[] = {
        {"start", "", 0, "K1P"},
        {"in-progress-focus", "@c3 a1 @a3 b2", 0, "K1P"},
        {"taken-squares-and-a-locked-board-refuse", "2P a1 a1 b1 a2 b2 a3 c3", 2, "K2P"},
        {"player-2-wins-middle-column", "2P a1 a2 a3 b2 b1 c2", 2, "K2P"},
        {"two-lines-at-once-count-once", "2P a2 b2 a3 b3 b1 c2 c1 c3 a1", 4, "K2P"},
        {"both-diagonals", "2P a1 a2 c3 b1 a3 b3 c1 c2 b2", 4, "K2P"},
        {"two-players-full-grid-runs-on", "2P a1 a2 a3 b2 b1 b3 c2 c1 c3 b2", 0, "K2P"},
        {"new-game-keeps-counts-player-1-starts", "2P a1 b1 a2 b2 a3 N c3", 2, "K2P"},
        {"person-wins-at-helppo", "H @b1 @b2 a1 a2 a3", 2, "H1P"},
        {"computer-wins-at-keskitaso", "@b2 @a3 a1 c2 b3", 2, "K1P"},
        {"draw-at-helppo", "H @a2 @b2 @b3 @c1 a1 a3 b1 c2 c3", 1, "H1P"},
        {"computer-opens-once-chosen-and-at-new-game", "@a3 T T @b2 N", 0, "K1T"},
        {"person-as-starter-waits-for-next-game", "@a3 T P", 0, "K1P"},
        {"starter-carries-over-to-two-players", "T 2P c3", 0, "K2T"},
        {"level-in-force-changes-nothing", "@c3 a1 K", 0, "K1P"},
        {"another-level-starts-new-game", "@c3 a1 V", 0, "V1P"},
        {"player-count-in-force-changes-nothing", "@c3 a1 1P", 0, "K1P"},
        {"two-players-start-new-game", "@c3 a1 2P", 0, "K2P"},
        {"back-to-one-player", "2P a1 1P", 0, "K1P"},
        {"about", "A", 0, "K1P"},
        {"rules", "", 0, "K1P"},
        {"screenshot:light", "V a1 c3", 0, "V1P"},
        {"screenshot:dark", "V a1 c3", 0, "V1P"},
    };
    // clang-format on
    for (auto [name, script, beeps, menus] : rows)
        QTest::newRow(name) << QString::fromLatin1(script) << beeps << QString::fromLatin1(menus);
}

void Pictures::window() {
    QFETCH(QString, script);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    // The screenshots' window, its part of the picture found where the
    // screenshot says; the dark one where the desktop's theme is qt6ct's dark
    // one, as when it was taken (themes@qt6ct).
    const bool screenshot = name.startsWith(u"screenshot:");
    if (name == u"screenshot:dark" &&
        QApplication::palette().color(QPalette::Window).lightness() >= 128) {
        QVERIFY2(qEnvironmentVariable("QT_QPA_PLATFORMTHEME") != u"qt6ct",
                 "qt6ct's dark theme, in which the screenshot was taken, did not load");
        QSKIP("not in a dark theme (themes@qt6ct compares it)");
    }
    Window w;
    for (const QString& step : script.split(u' ', Qt::SkipEmptyParts))
        step.startsWith(u'@') ? w.random->pushSquares({int(kEvents.indexOf(step.mid(1)))})
                              : w.apply(step);
    QTEST(w->beep.count(), "beeps");
    // The menus, which the picture does not show: the items checked, and the
    // starters' captions, which name the two players in a two-player game.
    QFETCH(QString, menus);
    QString checked;
    for (auto [item, letter] : {std::pair{&w->MnuHelppo, u'H'},
                                {&w->MnuKeskitaso, u'K'},
                                {&w->MnuVaikea, u'V'},
                                {&w->Mnu1Pelaaja, u'1'},
                                {&w->Mnu2Pelaajaa, u'2'},
                                {&w->MnuPelaaja, u'P'},
                                {&w->MnuTietokone, u'T'}})
        checked += (*item)->checked() ? QString(letter) : QString();
    QCOMPARE(checked + w->MnuTietokone->caption(),
             menus + words(menus[1] == u'1' ? u"{Computer}"_s : u"{Player 2}"_s));
    QWidget* shown = w.w.get();
    if (name == u"in-progress-focus" || screenshot) {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.w.get()));
        w->ruutu(screenshot ? c3 : c2).takeFocus(); // as the keys bring it
    }
    if (name.endsWith(u"about")) shown = w->about();
    if (name == u"rules") { // one window of the game's own, read-only, however often asked for
        w.ownRules();
        QVERIFY((shown = w.ownRules()) && w->findChildren<QDialog*>(u"Ohje"_s).size() == 1 &&
                shown->findChild<QPlainTextEdit*>()->isReadOnly());
    }
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    QImage made = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);

    // At another scale than 1, the picture of that scale: "about@1.5".
    const qreal scale = shown->devicePixelRatio();
    const QString file =
        name + (scale == 1 ? QString() : u'@' + QString::number(scale)) + u".png"_s;
    const QString reference = screenshot
                                  ? QStringLiteral(LAUTARI_SCREENSHOTS "/%1.png").arg(name.mid(11))
                                  : QStringLiteral(LAUTARI_PICTURES "/") + file;
    if (qEnvironmentVariable("LAUTARI_PICTURES") == u"write" && !screenshot) {
        QVERIFY(made.save(reference));
        return;
    }
    QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    if (screenshot) {
        const QStringList at = QImage(reference).text(u"comment"_s).section(u' ', 1).split(u',');
        QVERIFY2(at.size() == 2,
                 qPrintable(reference + u": no window's place; tools/screenshots"_s));
        expected = expected.copy(QRect(QPoint(at[0].toInt(), at[1].toInt()), made.size()));
    }
    // Left out: a scroll area's frame and scroll bars, which the style of the
    // Qt release in hand draws; at a fractional scale, a push button, whose
    // frame and shading each release rounds to the pixels its own way (its
    // text is test_game's); on Wayland, every text, whose letters each Qt
    // release draws there in its own way (all else must match the offscreen
    // references of the same scale).
    QRegion left;
    const bool fractional = scale != std::floor(scale);
    for (const QWidget* c : shown->findChildren<QWidget*>()) {
        const QRect r(c->mapTo(shown, QPoint()), c->size());
        if (auto* area = qobject_cast<const QAbstractScrollArea*>(c))
            left += QRegion(r).subtracted(
                QRect(area->viewport()->mapTo(shown, QPoint()), area->viewport()->size()));
        if ((fractional && c->inherits("QPushButton")) ||
            (QGuiApplication::platformName() == u"wayland" &&
             (c->inherits("QLabel") || c->inherits("QMenuBar") || c->inherits("QPushButton"))))
            left += r;
    }
    expected.setDevicePixelRatio(scale); // both painted on in the window's coordinates
    for (QImage* picture : {&made, &expected})
        for (const QRect& r : left)
            QPainter(picture).fillRect(r, Qt::gray);
    QCOMPARE(made.size(), expected.size());
    // Two releases' rasterisers may move a letter's edge by a pixel or two:
    // ink and paper trade places, each still found around the pixel in the
    // other picture. Such a speck of one or two pixels is not counted; a change
    // in what the window shows differs in longer runs, or takes away what was
    // there.
    const auto differs = [&](int x, int y) {
        return made.valid(x, y) && made.pixel(x, y) != expected.pixel(x, y);
    };
    const auto speck = [&](int x, int y) {
        int neighbours = 0;
        bool madeFound = false, expectedFound = false;
        for (int v = y - 1; v <= y + 1; ++v)
            for (int u = x - 1; u <= x + 1; ++u)
                if ((u != x || v != y) && made.valid(u, v)) {
                    neighbours += differs(u, v);
                    madeFound = madeFound || expected.pixel(u, v) == made.pixel(x, y);
                    expectedFound = expectedFound || made.pixel(u, v) == expected.pixel(x, y);
                }
        return neighbours <= 1 && madeFound && expectedFound;
    };
    int differing = 0;
    for (int y = 0; y < made.height(); ++y)
        for (int x = 0; x < made.width(); ++x)
            differing += differs(x, y) && !speck(x, y);
    if (!differing) return;
    QDir().mkpath(u"pictures"_s);
    const QString out = QDir::current().absoluteFilePath(u"pictures/"_s + file);
    made.save(out);
    QFAIL(qPrintable(u"%1: %2 pixels differ from %3; see %4"_s.arg(name, QString::number(differing),
                                                                   reference, out)));
}

// Every text of the window mid-game, its menu bar and an opened menu with its
// check marks, the About box and the rules window reads in the desktop's own
// palette and in the game's dark one (black on white is GNOME's high
// contrast: themes@HighContrast), switched to while they are open.
void Pictures::contrast_data() {
    QTest::addColumn<QPalette>("palette");
    // A dark desktop theme that is asked for must have been found.
    QVERIFY(!qEnvironmentVariable("GTK_THEME").endsWith(u":dark"_s) ||
            QApplication::palette().color(QPalette::Window).lightness() < 128);
    QTest::newRow("desktop's own") << QApplication::palette();
    QTest::newRow("dark") << forms::darkPalette();
}

void Pictures::contrast() {
    QFETCH(QPalette, palette);
    const auto restore =
        qScopeGuard([was = QApplication::palette()] { QApplication::setPalette(was); });
    Window w;
    const QList<QWidget*> shown = openEveryWindow(w);
    QApplication::setPalette(palette); // as the desktop switches it
    expectReadable(shown);
}

QTEST_MAIN(Pictures)
#include "test_pictures.moc"
