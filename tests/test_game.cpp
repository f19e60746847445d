// Game flow: the person's move, the win check, the full grid and the new game.
#include "support/window.h"

#include <QLabel>
#include <QTest>

class GameFlow : public QObject {
    Q_OBJECT
private slots:
    void startsWithDefaults();
    void twoPlayerWin_data();
    void twoPlayerWin();
    void aWinIsCountedOnceHoweverOftenItIsFound();
    void twoPlayerFullGridStaysRunning();
    void countersGrowPastOneDigitAndTwo();
    void clicksThatChangeNothing();
    void onlyExactMarksCount();
    void fullGridAndDraw();
    void newGame();
    void valuesOutOfRangeChangeNothing();
};

void GameFlow::startsWithDefaults() {
    Window w;
    QCOMPARE(w->Vaikeus, 2);
    QCOMPARE(w->Pelaajia, 1);
    QCOMPARE(w->Vuoro, 1);
    QCOMPARE(w->Aloittaja, u"pelaaja");
    QCOMPARE(w->PelinTila, u"käynnissä");
    QVERIFY(!w->RuutuTaysi && !w->Siirretty && !w->RuudukkoTaysi);
    QCOMPARE(w.board(), u".........");
    QVERIFY(w.boardOpen());
    QCOMPARE(w.visibleSegments(), QString());
    QCOMPARE(w.counters(), u"Voitot 0 0 0 | Tp 0 0 0 | Haviot 0 0 0");
    QCOMPARE(w.status(), QString());
    QCOMPARE(w.random->reseeds, 0);
}

// Moves alternate from player 1; the winning line's segments must lie in its
// squares in the order given.
void GameFlow::twoPlayerWin_data() {
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("squares");
    const char* rows[][3] = {
        {"1 top row", "a1 b1 a2 b2 a3", "a1 a2 a3"},
        {"2 right column", "a3 a1 b3 a2 c3", "a3 b3 c3"},
        {"3 bottom row", "c1 a1 c2 a2 c3", "c3 c2 c1"},
        {"4 left column", "a1 a2 b1 a3 c1", "c1 b1 a1"},
        {"5 diagonal from a1", "a2 a1 a3 b2 b1 c3", "a1 b2 c3"},
        {"6 diagonal from a3", "a1 a3 a2 b2 b3 c1", "a3 b2 c1"},
        {"7 middle column", "a1 a2 a3 b2 b1 c2", "a2 b2 c2"},
        {"8 middle row", "b1 a1 b2 a2 b3", "b1 b2 b3"},
    };
    for (const auto& r : rows)
        QTest::newRow(r[0]) << r[1] << r[2];
}

void GameFlow::twoPlayerWin() {
    QFETCH(QString, moves);
    QFETCH(QString, squares);
    const int L = QString::fromLatin1(QTest::currentDataTag()).left(1).toInt();
    const QStringList list = moves.split(u' ');
    const bool player1 = list.size() % 2;

    Window w;
    w->Mnu2Pelaajaa->click();
    for (int i = 0; i < list.size(); ++i) {
        QCOMPARE(w.status(), i % 2 ? u"Vuoro : Pelaaja 2" : u"Vuoro : Pelaaja 1");
        w.click(squareNamed(list[i]));
    }
    QCOMPARE(
        w.visibleSegments(),
        QStringLiteral("Viiva%1 Viiva%2 Viiva%3").arg(L * 10 + 1).arg(L * 10 + 2).arg(L * 10 + 3));
    const QStringList hosts = squares.split(u' ');
    for (int n = 1; n <= 3; ++n)
        QCOMPARE(w->Viiva(L, n).host(), &w->ruutu(squareNamed(hosts[n - 1])));
    QCOMPARE(w.status(), player1 ? u"Voittaja : Pelaaja 1" : u"Voittaja : Pelaaja 2");
    QCOMPARE(w.counters(), player1 ? u"Voitot 0 1 0 | Tp 0 0 0 | Haviot 0 0 0"
                                   : u"Voitot 0 0 0 | Tp 0 0 0 | Haviot 0 1 0");
    QCOMPARE(w->beep.count(), 2); // both checks of the winning move find the line
    QVERIFY(w.boardLocked());
    QCOMPARE(w->PelinTila, u"loppu");
    QCOMPARE(w->Vuoro, player1 ? 2 : 1); // the turn passed on with the winning move
}

void GameFlow::aWinIsCountedOnceHoweverOftenItIsFound() {
    Window w;
    w->Mnu2Pelaajaa->click();
    // The ninth mark, on a1, completes lines 1 and 4 at once.
    w.clickAll({a2, b2, a3, b3, b1, c2, c1, c3, a1});
    QCOMPARE(w.board(), u"XXXXOOXOO");
    QCOMPARE(w.visibleSegments(), u"Viiva11 Viiva12 Viiva13 Viiva41 Viiva42 Viiva43");
    QCOMPARE(w.counters(), u"Voitot 0 1 0 | Tp 0 0 0 | Haviot 0 0 0");
    QCOMPARE(w->beep.count(), 4); // two checks, two lines each

    w->RnTeksti->clear();
    w->Tarkista();
    QCOMPARE(w.status(), u"Voittaja : Pelaaja 1");
    QCOMPARE(w->beep.count(), 6);
    QCOMPARE(w.counters(), u"Voitot 0 1 0 | Tp 0 0 0 | Haviot 0 0 0");
    QVERIFY(w.boardLocked());
}

void GameFlow::twoPlayerFullGridStaysRunning() {
    Window w;
    w->Mnu2Pelaajaa->click();
    w.clickAll({a1, a2, a3, b2, b1, b3, c2, c1, c3, b2});
    QCOMPARE(w.board(), u"XOXXOOOXX");
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 2");
    QCOMPARE(w->PelinTila, u"käynnissä");
    QVERIFY(w.boardOpen());
    QCOMPARE(w->beep.count(), 0);
    QCOMPARE(w.finishedGames(), 0);
}

void GameFlow::countersGrowPastOneDigitAndTwo() {
    Window w;
    w->Mnu2Pelaajaa->click();
    for (const char* from : {"9", "99"}) {
        w->MnuUusi->click();
        w->Voitot[1]->setText(QString::fromLatin1(from));
        w.clickAll({a1, b1, a2, b2, a3});
        QCOMPARE(w->Voitot[1]->text(), QString::number(QString::fromLatin1(from).toInt() + 1));
    }
}

void GameFlow::clicksThatChangeNothing() {
    Window w;
    w->Mnu2Pelaajaa->click();
    w.clickAll({b2, b2});
    QCOMPARE(w.board(), u"....X....");
    QCOMPARE(w->Vuoro, 2);
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 2");

    // The occupancy test reads the mark, not the picture, and knows only
    // the nine names.
    w->ruutu(a1).setPictureFrom(*w->Nolla);
    w->OnkoTaysi(u"a1");
    QVERIFY(!w->RuutuTaysi);
    w->OnkoTaysi(u"b2");
    QVERIFY(w->RuutuTaysi);
    w->OnkoTaysi(u"d4");
    QVERIFY(!w->RuutuTaysi);

    // A locked board ignores every click.
    w->MnuUusi->click();
    w.clickAll({a1, b1, a2, b2, a3});
    const QString won = w.board();
    for (Sq s : kRuudut)
        w.click(s);
    QCOMPARE(w.board(), won);
    QCOMPARE(w.status(), u"Voittaja : Pelaaja 1");
}

void GameFlow::onlyExactMarksCount() {
    Window w;
    w->Mnu2Pelaajaa->click();
    for (Sq s : {a1, a2, a3})
        w->ruutu(s).setTag(QStringLiteral("risti"));
    w->Tarkista();
    QCOMPARE(w.visibleSegments(), QString());
    QCOMPARE(w->PelinTila, u"käynnissä");
    w.click(a1);
    QCOMPARE(w->ruutu(a1).tag(), u"Risti");
}

void GameFlow::fullGridAndDraw() {
    Window w;
    w.lay("XOXXOOOX.");
    w->OnkoRuudukkoTaysi();
    QVERIFY(!w->RuudukkoTaysi);
    w->ruutu(c3).setPictureFrom(*w->Risti); // counted by picture, not by mark
    w->OnkoRuudukkoTaysi();
    QVERIFY(w->RuudukkoTaysi);
    w->ruutu(c3).clearPicture(); // and only ever set
    w->OnkoRuudukkoTaysi();
    QVERIFY(w->RuudukkoTaysi);

    for (int level = 1; level <= 3; ++level) {
        Window d;
        d.chooseLevel(level);
        d->PeliRuudukkoTaysi();
        QCOMPARE(d->beep.count(), 1);
        QCOMPARE(d.status(), u"Tasapeli (Ruudukko Täysi)");
        QVERIFY(d.boardLocked());
        QCOMPARE(d->PelinTila, u"loppu");
        QCOMPARE(d->Tp[level - 1]->text(), u"1");
        QCOMPARE(d.finishedGames(), 1);
    }
}

void GameFlow::newGame() {
    Window w;
    w->Mnu2Pelaajaa->click();
    w.clickAll({a1, b2, c3}); // dropped in the middle: nothing counted
    w->MnuUusi->click();
    QCOMPARE(w.board(), u".........");
    QCOMPARE(w.finishedGames(), 0);

    w.clickAll({a1, b1, a2, b2, a3});
    w->MnuUusi->click();
    QCOMPARE(w.visibleSegments(), QString());
    QCOMPARE(w.board(), u".........");
    QVERIFY(w.boardOpen());
    QCOMPARE(w->PelinTila, u"käynnissä");
    QVERIFY(!w->RuutuTaysi && !w->Siirretty && !w->RuudukkoTaysi);
    QCOMPARE(w.counters(), u"Voitot 0 1 0 | Tp 0 0 0 | Haviot 0 0 0");
    // Player 1 starts again, though player 1 also made the last move.
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 1");
    w.click(c3);
    QCOMPARE(w->ruutu(c3).tag(), u"Risti");
}

// The game never sets these values; its procedures still do nothing with them.
void GameFlow::valuesOutOfRangeChangeNothing() {
    Window w;
    w->Mnu2Pelaajaa->click();
    w->Vuoro = 3; // no one's turn: no mark, no picture, no turn change
    w.click(a1);
    QCOMPARE(w.board(), u".........");
    QCOMPARE(w->Vuoro, 3);
    w->RistiRuutuun(u"d4"); // no such square
    QCOMPARE(w.board(), u".........");

    w->Pelaajia = 3; // a move, but neither the computer's turn nor a turn change
    w->Vuoro = 1;
    w.click(b2);
    QCOMPARE(w.board(), u"....X....");
    QCOMPARE(w->Vuoro, 1);
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 1");

    for (int level : {0, 4}) { // no counter for a level that does not exist
        w->Vaikeus = level;
        for (const char16_t* mark : {u"Risti", u"Nolla", u"risti"}) {
            w->PelinTila = kKaynnissa.toString();
            w->Voitto(mark);
            QCOMPARE(w->PelinTila, u"loppu");
        }
        w->PelinTila = kKaynnissa.toString();
        w->PeliRuudukkoTaysi();
    }
    QCOMPARE(w.status(), u"Tasapeli (Ruudukko Täysi)");
    QCOMPARE(w.finishedGames(), 0);
    w->Voitto(u"risti"); // not a mark: no name
    QCOMPARE(w.status(), u"Voittaja : ");
}

QTEST_MAIN(GameFlow)
#include "test_game.moc"
