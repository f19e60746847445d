// The window, its menus and the About box, used as a person would.
#include "forms/font.h"
#include "support/window.h"
#include "ui/frmabout.h"

#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace {

QString checked(Lautari& w) {
    QStringList out;
    for (auto* item : {&w.MnuHelppo, &w.MnuKeskitaso, &w.MnuVaikea, &w.Mnu1Pelaaja, &w.Mnu2Pelaajaa,
                       &w.MnuPelaaja, &w.MnuTietokone})
        if ((*item)->checked()) out << (*item)->caption();
    return out.join(u", ");
}

} // namespace

class MainWindow : public QObject {
    Q_OBJECT
private slots:
    void fixedSizeAndFocusOrder();
    void textsFitTheirLabels();
    void menuTree();
    void levelCommands();
    void playerCountCommands();
    void starterCommands();
    void newGameByF2();
    void aboutBoxLifecycle();
    void quitClosesEverything();
    void markImages();
};

void MainWindow::fixedSizeAndFocusOrder() {
    Window w;
    QCOMPARE(w->centralWidget()->size(), QSize(641, 494));
    const QSize size = w->size();
    w->resize(800, 600);
    QCOMPARE(w->size(), size);
    w->showMaximized();
    QVERIFY(!(w->windowState() & Qt::WindowMaximized));
    QCOMPARE(w->size(), size);
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));

    QWidget* next = &w->ruutu(a1);
    for (Sq s : {a2, a3, b1, b2, b3, c1, c2, c3}) {
        next = next->nextInFocusChain();
        QCOMPARE(next, &w->ruutu(s));
    }
}

void MainWindow::textsFitTheirLabels() {
    Window w;
    const QString family = QFontInfo(forms::classicFont(18)).family();
    QVERIFY2(family == u"MS Sans Serif" || family == u"Liberation Sans", qPrintable(family));
    w->Voitot[0]->setText(QStringLiteral("100"));
    for (QLabel* label : w->centralWidget()->findChildren<QLabel*>()) {
        const QFontMetrics fm(label->font());
        QVERIFY2(fm.horizontalAdvance(label->text()) <= label->contentsRect().width() &&
                     fm.ascent() <= label->contentsRect().height(),
                 qPrintable(label->objectName()));
    }
}

void MainWindow::menuTree() {
    Window w;
    QStringList menus, file;
    for (QAction* a : w->menuBar()->actions())
        menus << a->text();
    QCOMPARE(menus.join(u", "), u"Tiedosto, VaikeusTaso, Pelaajia, Aloittaja");
    for (QAction* a : w->menuBar()->actions().first()->menu()->actions())
        file << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(file.join(u", "), u"Uusi, Tietoja, -, Lopeta");
    QCOMPARE(w->MnuUusi->action()->shortcut(), QKeySequence(Qt::Key_F2));
    QCOMPARE(checked(*w), u"Keskitaso, 1 Pelaaja, Pelaaja");
}

void MainWindow::levelCommands() {
    Window w;
    w.click(b2);
    const QString board = w.board();
    w->MnuKeskitaso->click(); // the level in force: nothing, not even a toggle
    QCOMPARE(w.board(), board);
    QCOMPARE(checked(*w), u"Keskitaso, 1 Pelaaja, Pelaaja");

    w->MnuVaikea->click(); // another level drops the game uncounted
    QCOMPARE(w->Vaikeus, 3);
    QCOMPARE(w.board(), u".........");
    QCOMPARE(checked(*w), u"Vaikea, 1 Pelaaja, Pelaaja");
    QCOMPARE(w.finishedGames(), 0);
    w->MnuHelppo->click();
    w->MnuUusi->click();
    QCOMPARE(w->Vaikeus, 1);
    QCOMPARE(checked(*w), u"Helppo, 1 Pelaaja, Pelaaja");
}

void MainWindow::playerCountCommands() {
    Window w;
    w.click(a1);
    const QString board = w.board();
    w->Mnu1Pelaaja->click();
    QCOMPARE(w.board(), board);

    w->Mnu2Pelaajaa->click();
    QCOMPARE(w->Pelaajia, 2);
    QCOMPARE(w.board(), u".........");
    QCOMPARE(checked(*w), u"Keskitaso, 2 Pelaajaa, Pelaaja 1");
    QCOMPARE(w->MnuTietokone->caption(), u"Pelaaja 2");
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 1");
    w.click(a1);
    w->Mnu2Pelaajaa->click();
    QCOMPARE(w.board(), u"X........");

    w->Mnu1Pelaaja->click();
    QCOMPARE(checked(*w), u"Keskitaso, 1 Pelaaja, Pelaaja");
    QCOMPARE(w->MnuTietokone->caption(), u"Tietokone");
    QCOMPARE(w.status(), QString());
    QCOMPARE(w.board(), u".........");
}

void MainWindow::starterCommands() {
    Window w;
    w.random->pushSquares({3});
    w->MnuTietokone->click(); // an empty one-player grid: the computer opens at once
    QCOMPARE(w.board(), u"..O......");
    w->MnuTietokone->click();
    QCOMPARE(w.board(), u"..O......");

    // The starter survives a change of the number of players.
    w->Mnu2Pelaajaa->click();
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 2");
    QCOMPARE(checked(*w), u"Keskitaso, 2 Pelaajaa, Pelaaja 2");
    w.click(c3);
    QCOMPARE(w.board(), u"........O");
    w->MnuTietokone->click(); // a two-player game: only the next game changes
    QCOMPARE(w.board(), u"........O");
    w.random->pushSquares({5});
    w->Mnu1Pelaaja->click();
    QCOMPARE(w.board(), u"....O....");
    QCOMPARE(checked(*w), u"Keskitaso, 1 Pelaaja, Tietokone");

    // "Pelaaja" never changes the board; it takes effect at the next game.
    w->MnuPelaaja->click();
    QCOMPARE(w.board(), u"....O....");
    QCOMPARE(w->Aloittaja, u"pelaaja");
    w->MnuUusi->click();
    QCOMPARE(w.board(), u".........");
}

void MainWindow::newGameByF2() {
    Window w;
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.w.get()));
    w.click(b2);
    QTest::keyClick(w.w.get(), Qt::Key_F2);
    QCOMPARE(w.board(), u".........");
}

void MainWindow::aboutBoxLifecycle() {
    Window w;
    QVERIFY(!w->about());
    w->MnuTietoja->click();
    QPointer<frmAbout> box = w->about();
    QVERIFY(box && box->isVisible() && !box->isModal());
    QCOMPARE(box->parentWidget(), w.w.get());
    QCOMPARE(box->size(), QSize(382, 255));
    QVERIFY(box->cmdOK->isDefault());
    QCOMPARE(box->focusWidget(), box->cmdOK);

    // One box; the main window stays usable behind it.
    w->MnuTietoja->click();
    QCOMPARE(w->findChildren<frmAbout*>().size(), 1);
    w.click(b2);
    QCOMPARE(w->ruutu(b2).tag(), u"Risti");
    const QString board = w.board();

    // OK, Enter, Esc and the frame's close button each close and destroy it.
    box->cmdOK->click();
    QTRY_VERIFY(!box);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape, Qt::Key_unknown}) {
        w->MnuTietoja->click();
        box = w->about();
        QVERIFY(box->isVisible());
        if (key == Qt::Key_unknown)
            box->close();
        else
            QTest::keyClick(box.data(), key);
        QTRY_VERIFY(!box);
    }
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
    const QImage cross = w->Risti->picture().pixmap(QSize(150, 150), 1.0).toImage();
    const QImage nought = w->Nolla->picture().pixmap(QSize(150, 150), 1.0).toImage();
    QCOMPARE(cross.size(), QSize(150, 150));
    QCOMPARE(nought.size(), QSize(150, 150));

    // Cross: blue strokes 11 to 13 pixels wide along a row.
    for (int y : {20, 40, 110, 130}) {
        int run = 0;
        for (int x = 0; x < 75; ++x)
            run += cross.pixel(x, y) == qRgb(0, 0, 255);
        QVERIFY2(run >= 11 && run <= 13, qPrintable(QString::number(run)));
    }
    // Nought: a red ring five pixels thick whose outer edge spans 5 to 143.
    QString row, column;
    for (int i = 0; i < 150; ++i) {
        row += nought.pixel(i, 74) == qRgb(255, 0, 0) ? u'#' : u'.';
        column += nought.pixel(74, i) == qRgb(255, 0, 0) ? u'#' : u'.';
    }
    const QString ring = QString(5, u'.') + QString(5, u'#') + QString(129, u'.') +
                         QString(5, u'#') + QString(6, u'.');
    QCOMPARE(row, ring);
    QCOMPARE(column, ring);
    QCOMPARE(w->windowIcon().availableSizes().value(0), QSize(32, 32));
}

QTEST_MAIN(MainWindow)
#include "test_window.moc"
