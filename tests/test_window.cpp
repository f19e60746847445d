// The window, its menus and the About box, used as a person would.
#include "forms/font.h"
#include "support/window.h"
#include "ui/frmabout.h"

#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList checked(Lautari& w) {
    QStringList out;
    for (auto* item : {&w.MnuHelppo, &w.MnuKeskitaso, &w.MnuVaikea, &w.Mnu1Pelaaja, &w.Mnu2Pelaajaa,
                       &w.MnuPelaaja, &w.MnuTietokone})
        if ((*item)->checked()) out << (*item)->caption();
    return out;
}

} // namespace

class MainWindow : public QObject {
    Q_OBJECT
private slots:
    void layoutInPixels();
    void textsFitTheirLabels();
    void keepsItsSize();
    void menuTree();

    void levelCommands();
    void playerCountCommands();
    void starterSurvivesAChangeOfPlayerCount();
    void computerStarterOnAnEmptyGridMovesAtOnce();
    void newGameByF2();
    void aboutBoxLifecycle();
    void quitClosesEverything();

    void markImages();
};

void MainWindow::layoutInPixels() {
    Window w;
    QCOMPARE(w->centralWidget()->size(), QSize(641, 494));
    QCOMPARE(w->ruutu(a1).geometry(), QRect(8, 8, 154, 154));
    QCOMPARE(w->ruutu(b2).geometry(), QRect(160, 160, 154, 154));
    QCOMPARE(w->ruutu(c3).geometry(), QRect(312, 312, 154, 154));
    QCOMPARE(w->ruutu(a1).innerRect().size(), QSize(150, 150));
    QCOMPARE(w->RnTeksti->geometry(), QRect(8, 472, 457, 17));
    QCOMPARE(w->Voitot[0]->geometry(), QRect(592, 40, 41, 17));
    QCOMPARE(w->Haviot[2]->geometry(), QRect(592, 416, 41, 17));
    QVERIFY(!w->Risti->isVisible() && !w->Nolla->isVisible());
    QCOMPARE(w->windowTitle(), u"Lautari -98 ");
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));

    // Line 3 runs from x 64 in c1 to x 88 in c3, at height 88.
    QCOMPARE(w->Viiva(3, 3).line(), QLineF(64, 88, 152, 88));
    QCOMPARE(w->Viiva(3, 1).line(), QLineF(0, 88, 88, 88));

    // The squares come first in the focus order.
    QWidget* next = &w->ruutu(a1);
    for (Sq s : {a2, a3, b1, b2, b3, c1, c2, c3}) {
        next = next->nextInFocusChain();
        QCOMPARE(next, &w->ruutu(s));
    }
}

void MainWindow::textsFitTheirLabels() {
    Window w;
    const QFontInfo heading(forms::classicFont(18));
    QVERIFY2(heading.family() == u"MS Sans Serif" || heading.family() == u"Liberation Sans",
             qPrintable(heading.family()));
    for (QLabel* label : w->centralWidget()->findChildren<QLabel*>()) {
        const QRect room = label->contentsRect();
        const QFontMetrics fm(label->font());
        QVERIFY2(fm.horizontalAdvance(label->text()) <= room.width(),
                 qPrintable(label->objectName()));
        QVERIFY2(fm.ascent() <= room.height(), qPrintable(label->objectName()));
    }
    // The counters have room for three digits.
    QVERIFY(QFontMetrics(w->Voitot[0]->font()).horizontalAdvance(u"100"_qs) <=
            w->Voitot[0]->contentsRect().width());
}

void MainWindow::keepsItsSize() {
    Window w;
    const QSize size = w->size();
    w->resize(800, 600);
    QCOMPARE(w->size(), size);
    w->showMaximized();
    QVERIFY(!(w->windowState() & Qt::WindowMaximized));
    QCOMPARE(w->size(), size);
}

void MainWindow::menuTree() {
    Window w;
    QStringList menus;
    for (QAction* a : w->menuBar()->actions())
        menus << a->text();
    QCOMPARE(menus, (QStringList{"Tiedosto", "VaikeusTaso", "Pelaajia", "Aloittaja"}));
    QStringList file;
    for (QAction* a : w->menuBar()->actions().first()->menu()->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(file, (QStringList{"Uusi", "Tietoja", "-", "Lopeta"}));
    QCOMPARE(w->MnuUusi->action()->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(checked(*w), (QStringList{"Keskitaso", "1 Pelaaja", "Pelaaja"}));
}

void MainWindow::levelCommands() {
    Window w;
    w.click(b2);
    const QString board = w.board();

    // The level in force: nothing happens, not even its check mark toggles.
    w->MnuKeskitaso->click();
    QCOMPARE(w.board(), board);
    QCOMPARE(checked(*w), (QStringList{"Keskitaso", "1 Pelaaja", "Pelaaja"}));

    // Another level drops the game uncounted.
    w->MnuVaikea->click();
    QCOMPARE(w->Vaikeus, 3);
    QCOMPARE(w.board(), u".........");
    QCOMPARE(checked(*w), (QStringList{"Vaikea", "1 Pelaaja", "Pelaaja"}));
    QCOMPARE(w.counters(), u"Voitot 0 0 0 | Tp 0 0 0 | Haviot 0 0 0");
    w->MnuHelppo->click();
    QCOMPARE(checked(*w), (QStringList{"Helppo", "1 Pelaaja", "Pelaaja"}));

    // The level survives new games.
    w->MnuUusi->click();
    QCOMPARE(w->Vaikeus, 1);
}

void MainWindow::playerCountCommands() {
    Window w;
    w.click(a1);
    const QString board = w.board();
    w->Mnu1Pelaaja->click();
    QCOMPARE(w.board(), board);
    QCOMPARE(w->Pelaajia, 1);

    w->Mnu2Pelaajaa->click();
    QCOMPARE(w->Pelaajia, 2);
    QCOMPARE(w.board(), u".........");
    QCOMPARE(checked(*w), (QStringList{"Keskitaso", "2 Pelaajaa", "Pelaaja 1"}));
    QCOMPARE(w->MnuTietokone->caption(), u"Pelaaja 2");
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 1");

    w.click(a1);
    w->Mnu2Pelaajaa->click();
    QCOMPARE(w.board(), u"X........");

    w->Mnu1Pelaaja->click();
    QCOMPARE(checked(*w), (QStringList{"Keskitaso", "1 Pelaaja", "Pelaaja"}));
    QCOMPARE(w->MnuTietokone->caption(), u"Tietokone");
    QCOMPARE(w.status(), QString());
    QCOMPARE(w.board(), u".........");
}

void MainWindow::starterSurvivesAChangeOfPlayerCount() {
    Window w;
    w.click(a1);
    w->MnuTietokone->click(); // a mark is on the grid: only the next game changes
    QCOMPARE(w.count(u'O'), 1);
    QCOMPARE(w->Aloittaja, u"tietokone");

    w->Mnu2Pelaajaa->click();
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 2");
    QCOMPARE(w.board(), u".........");
    QCOMPARE(checked(*w), (QStringList{"Keskitaso", "2 Pelaajaa", "Pelaaja 2"}));
    w.click(c3);
    QCOMPARE(w.board(), u"........O");
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 1");

    w.random->pushSquares({5});
    w->Mnu1Pelaaja->click();
    QCOMPARE(w.board(), u"....O....");
    QCOMPARE(checked(*w), (QStringList{"Keskitaso", "1 Pelaaja", "Tietokone"}));

    // "Pelaaja" as starter never changes the board.
    w->MnuPelaaja->click();
    QCOMPARE(w.board(), u"....O....");
    QCOMPARE(w->Aloittaja, u"pelaaja");
    w->MnuUusi->click();
    QCOMPARE(w.board(), u".........");
}

void MainWindow::computerStarterOnAnEmptyGridMovesAtOnce() {
    Window w;
    w.random->pushSquares({3});
    w->MnuTietokone->click();
    QCOMPARE(w.board(), u"..O......");
    QCOMPARE(w->pointer.timesBusy(), 0);
    w->MnuTietokone->click();
    QCOMPARE(w.board(), u"..O......");

    // In a two-player game the empty grid stays empty.
    Window v;
    v->Mnu2Pelaajaa->click();
    v->MnuTietokone->click();
    QCOMPARE(v.board(), u".........");
    QCOMPARE(v.status(), u"Vuoro : Pelaaja 1");
}

void MainWindow::newGameByF2() {
    Window w;
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.w.get()));
    w.click(b2);
    QVERIFY(w.count(u'X') == 1);
    QTest::keyClick(w.w.get(), Qt::Key_F2);
    QCOMPARE(w.board(), u".........");
}

void MainWindow::aboutBoxLifecycle() {
    Window w;
    QVERIFY(!w->about());
    w->MnuTietoja->click();
    QPointer<frmAbout> box = w->about();
    QVERIFY(box && box->isVisible());
    QVERIFY(!box->isModal());
    QCOMPARE(box->parentWidget(), w.w.get());
    QCOMPARE(box->windowTitle(), u"Tietoja");
    QCOMPARE(box->size(), QSize(382, 255));
    QCOMPARE(box->lblVersion->text(), u"Versio 1.1");
    QVERIFY(box->cmdOK->isDefault());
    QVERIFY(box->lblDescription->text().endsWith(u"Lisätietoja ja ohjeet:   Katso readme.txt"));

    // One box at a time; the main window stays usable behind it.
    w->MnuTietoja->click();
    QCOMPARE(w->about(), box.data());
    QCOMPARE(w->findChildren<frmAbout*>().size(), 1);
    w.click(b2);
    QCOMPARE(w->ruutu(b2).tag(), u"Risti");
    const QString board = w.board();

    // OK, Enter and Esc each close and destroy it; it opens afresh.
    box->cmdOK->click();
    QTRY_VERIFY(!box);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
        w->MnuTietoja->click();
        box = w->about();
        QVERIFY(box->isVisible());
        QTest::keyClick(box.data(), key);
        QTRY_VERIFY(!box);
    }
    w->MnuTietoja->click();
    box = w->about();
    box->close();
    QTRY_VERIFY(!box);
    QCOMPARE(w.board(), board);
}

void MainWindow::quitClosesEverything() {
    Window w;
    w->MnuTietoja->click();
    QPointer<frmAbout> box = w->about();
    w.click(a1);
    w->MnuLopeta->click();
    QVERIFY(!w->isVisible());
    QTRY_VERIFY(!box);
}

void MainWindow::markImages() {
    Window w;
    const QImage cross = w->Risti->picture().toImage();
    const QImage nought = w->Nolla->picture().toImage();
    QCOMPARE(cross.size(), QSize(150, 150));
    QCOMPARE(nought.size(), QSize(150, 150));

    // Cross: blue strokes 11 to 13 pixels wide along a row, white elsewhere.
    const QRgb blue = qRgb(0, 0, 255);
    for (int y : {20, 40, 110, 130}) {
        int run = 0;
        for (int x = 0; x < 75; ++x)
            run += cross.pixel(x, y) == blue;
        QVERIFY2(run >= 11 && run <= 13, qPrintable(QString::number(run)));
    }
    QCOMPARE(cross.pixel(0, 0), blue);
    QCOMPARE(cross.pixel(75, 10), qRgb(255, 255, 255));

    // Nought: a red ring five pixels thick whose outer edge spans 5 to 143.
    const QRgb red = qRgb(255, 0, 0);
    QString row, column;
    for (int i = 0; i < 150; ++i) {
        row += nought.pixel(i, 74) == red ? u'#' : u'.';
        column += nought.pixel(74, i) == red ? u'#' : u'.';
    }
    const QString ring = QString(5, u'.') + QString(5, u'#') + QString(129, u'.') +
                         QString(5, u'#') + QString(6, u'.');
    QCOMPARE(row, ring);
    QCOMPARE(column, ring);

    QCOMPARE(w->windowIcon().availableSizes().value(0), QSize(32, 32));
}

QTEST_MAIN(MainWindow)
#include "test_window.moc"
