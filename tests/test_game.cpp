// Game flow: the person's move, the win check, the full grid and the new game.
#include "support/window.h"

#include <QLabel>
#include <QTest>

class GameFlow : public QObject {
    Q_OBJECT
private slots:
    void startsWithDefaults();

    void twoPlayerWinOnEachLine_data();
    void twoPlayerWinOnEachLine();
    void winOnTwoLinesAtOnceCountsOnce();
    void laterChecksRepeatTheWinWithoutCounting();
    void twoPlayerFullGridStaysRunning();
    void countersGrowPastOneDigitAndTwo();

    void takenSquareRefusesTheClick();
    void lockedBoardIgnoresEveryClick();
    void onlyExactMarksCount();
    void occupancyReadsTheMarkNotThePicture();

    void fullGridCheckCountsPictures();
    void drawIsDeclaredAndCountedUnderTheLevel();

    void newGameInTheMiddleOfAGame();
    void newGameAfterAWin();
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
    // No computer move and no random draw at start.
    QCOMPARE(w.random->reseeds, 0);
}

void GameFlow::twoPlayerWinOnEachLine_data() {
    QTest::addColumn<QStringList>("moves"); // alternating, player 1 first
    QTest::addColumn<QString>("segments");
    QTest::addColumn<QStringList>("hosts"); // the square of each segment
    QTest::addColumn<QString>("winner");
    QTest::addColumn<QString>("counters");

    const QString p1 = QStringLiteral("Voitot 0 1 0 | Tp 0 0 0 | Haviot 0 0 0");
    const QString p2 = QStringLiteral("Voitot 0 0 0 | Tp 0 0 0 | Haviot 0 1 0");
    QTest::newRow("1 top row") << QStringList{"a1", "b1", "a2", "b2", "a3"}
                               << "Viiva11 Viiva12 Viiva13" << QStringList{"a1", "a2", "a3"}
                               << "Pelaaja 1" << p1;
    QTest::newRow("2 right column")
        << QStringList{"a3", "a1", "b3", "a2", "c3"} << "Viiva21 Viiva22 Viiva23"
        << QStringList{"a3", "b3", "c3"} << "Pelaaja 1" << p1;
    QTest::newRow("3 bottom row") << QStringList{"c1", "a1", "c2", "a2", "c3"}
                                  << "Viiva31 Viiva32 Viiva33" << QStringList{"c3", "c2", "c1"}
                                  << "Pelaaja 1" << p1;
    QTest::newRow("4 left column")
        << QStringList{"a1", "a2", "b1", "a3", "c1"} << "Viiva41 Viiva42 Viiva43"
        << QStringList{"c1", "b1", "a1"} << "Pelaaja 1" << p1;
    QTest::newRow("5 diagonal from a1")
        << QStringList{"a2", "a1", "a3", "b2", "b1", "c3"} << "Viiva51 Viiva52 Viiva53"
        << QStringList{"a1", "b2", "c3"} << "Pelaaja 2" << p2;
    QTest::newRow("6 diagonal from a3")
        << QStringList{"a1", "a3", "a2", "b2", "b3", "c1"} << "Viiva61 Viiva62 Viiva63"
        << QStringList{"a3", "b2", "c1"} << "Pelaaja 2" << p2;
    QTest::newRow("7 middle column")
        << QStringList{"a1", "a2", "a3", "b2", "b1", "c2"} << "Viiva71 Viiva72 Viiva73"
        << QStringList{"a2", "b2", "c2"} << "Pelaaja 2" << p2;
    QTest::newRow("8 middle row") << QStringList{"b1", "a1", "b2", "a2", "b3"}
                                  << "Viiva81 Viiva82 Viiva83" << QStringList{"b1", "b2", "b3"}
                                  << "Pelaaja 1" << p1;
}

void GameFlow::twoPlayerWinOnEachLine() {
    QFETCH(QStringList, moves);
    QFETCH(QString, segments);
    QFETCH(QStringList, hosts);
    QFETCH(QString, winner);
    QFETCH(QString, counters);

    Window w;
    w->Mnu2Pelaajaa->click();
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 1");
    for (int i = 0; i < moves.size(); ++i) {
        QCOMPARE(w->PelinTila, u"käynnissä");
        w.click(squareNamed(moves[i]));
        if (i + 1 < moves.size())
            QCOMPARE(w.status(), i % 2 ? u"Vuoro : Pelaaja 1" : u"Vuoro : Pelaaja 2");
    }
    QCOMPARE(w.visibleSegments(), segments);
    for (int n = 1; n <= 3; ++n) {
        const int L = segments.mid(5, 1).toInt();
        QCOMPARE(w->Viiva(L, n).host(), &w->ruutu(squareNamed(hosts[n - 1])));
    }
    QCOMPARE(w.status(), QStringLiteral("Voittaja : ") + winner);
    QCOMPARE(w.counters(), counters);
    // Both checks of the winning move find the line, and each beeps.
    QCOMPARE(w->beep.count(), 2);
    QVERIFY(w.boardLocked());
    QCOMPARE(w->PelinTila, u"loppu");
    // The turn passed on as usual with the winning move.
    QCOMPARE(w->Vuoro, moves.size() % 2 ? 2 : 1);
}

void GameFlow::winOnTwoLinesAtOnceCountsOnce() {
    Window w;
    w->Mnu2Pelaajaa->click();
    // Crosses on a2, a3, b1, c1; the ninth mark on a1 completes lines 1 and 4.
    w.clickAll({a2, b2, a3, b3, b1, c2, c1, c3, a1});
    QCOMPARE(w.board(), u"XXXXOOXOO");
    QCOMPARE(w.visibleSegments(), u"Viiva11 Viiva12 Viiva13 Viiva41 Viiva42 Viiva43");
    QCOMPARE(w.status(), u"Voittaja : Pelaaja 1");
    QCOMPARE(w.counters(), u"Voitot 0 1 0 | Tp 0 0 0 | Haviot 0 0 0");
    // Two checks, each reporting two lines.
    QCOMPARE(w->beep.count(), 4);
}

void GameFlow::laterChecksRepeatTheWinWithoutCounting() {
    Window w;
    w->Mnu2Pelaajaa->click();
    w.clickAll({a1, b1, a2, b2, a3});
    const int beeps = w->beep.count();
    w->RnTeksti->setText(QStringLiteral("Vuoro : Pelaaja 2"));
    w->Tarkista();
    QCOMPARE(w.status(), u"Voittaja : Pelaaja 1");
    QCOMPARE(w->beep.count(), beeps + 1);
    QCOMPARE(w.counters(), u"Voitot 0 1 0 | Tp 0 0 0 | Haviot 0 0 0");
    QCOMPARE(w->PelinTila, u"loppu");
    QVERIFY(w.boardLocked());
}

void GameFlow::twoPlayerFullGridStaysRunning() {
    Window w;
    w->Mnu2Pelaajaa->click();
    w.clickAll({a1, a2, a3, b2, b1, b3, c2, c1, c3});
    QCOMPARE(w.board(), u"XOXXOOOXX");
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 2");
    QCOMPARE(w->PelinTila, u"käynnissä");
    QVERIFY(w.boardOpen());
    QCOMPARE(w->beep.count(), 0);
    QCOMPARE(w.counters(), u"Voitot 0 0 0 | Tp 0 0 0 | Haviot 0 0 0");

    w.click(b2);
    QCOMPARE(w.board(), u"XOXXOOOXX");
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 2");
    QCOMPARE(w->Vuoro, 2);
}

void GameFlow::countersGrowPastOneDigitAndTwo() {
    Window w;
    w->Mnu2Pelaajaa->click();
    w->Voitot[1]->setText(QStringLiteral("9"));
    w.clickAll({a1, b1, a2, b2, a3});
    QCOMPARE(w->Voitot[1]->text(), u"10");

    w->MnuUusi->click();
    w->Voitot[1]->setText(QStringLiteral("99"));
    w.clickAll({a1, b1, a2, b2, a3});
    QCOMPARE(w->Voitot[1]->text(), u"100");
}

void GameFlow::takenSquareRefusesTheClick() {
    Window w;
    w->Mnu2Pelaajaa->click();
    w.click(b2);
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 2");
    w.click(b2);
    QCOMPARE(w.board(), u"....X....");
    QCOMPARE(w->Vuoro, 2);
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 2");
    w.click(a1);
    QCOMPARE(w.board(), u"O...X....");
}

void GameFlow::lockedBoardIgnoresEveryClick() {
    Window w;
    w->Mnu2Pelaajaa->click();
    w.clickAll({a1, b1, a2, b2, a3});
    const QString board = w.board();
    for (Sq s : kRuudut)
        w.click(s);
    QCOMPARE(w.board(), board);
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

    // A square marked in another case is free to the click.
    w.click(a1);
    QCOMPARE(w->ruutu(a1).tag(), u"Risti");
}

void GameFlow::occupancyReadsTheMarkNotThePicture() {
    Window w;
    w->ruutu(b2).setPictureFrom(*w->Nolla);
    w->OnkoTaysi(u"b2");
    QVERIFY(!w->RuutuTaysi);
    w->ruutu(b2).setTag(QStringLiteral("Nolla"));
    w->OnkoTaysi(u"b2");
    QVERIFY(w->RuutuTaysi);
    // A name that is no square leaves the answer false.
    w->OnkoTaysi(u"d4");
    QVERIFY(!w->RuutuTaysi);
    w->RistiRuutuun(u"d4");
    QCOMPARE(w.count(u'X'), 0);
}

void GameFlow::fullGridCheckCountsPictures() {
    Window w;
    w.lay("XOXXOOOX.");
    w->OnkoRuudukkoTaysi();
    QVERIFY(!w->RuudukkoTaysi);
    // A picture without a mark still fills its square for this check.
    w->ruutu(c3).setPictureFrom(*w->Risti);
    w->OnkoRuudukkoTaysi();
    QVERIFY(w->RuudukkoTaysi);
    // The check only ever sets the flag.
    w->ruutu(c3).clearPicture();
    w->OnkoRuudukkoTaysi();
    QVERIFY(w->RuudukkoTaysi);
}

void GameFlow::drawIsDeclaredAndCountedUnderTheLevel() {
    for (int level = 1; level <= 3; ++level) {
        Window w;
        w->Vaikeus = level;
        w.lay("XOXXOOOXX");
        w->PeliRuudukkoTaysi();
        QCOMPARE(w->beep.count(), 1);
        QCOMPARE(w.status(), u"Tasapeli (Ruudukko Täysi)");
        QVERIFY(w.boardLocked());
        QCOMPARE(w->PelinTila, u"loppu");
        for (int i = 0; i < 3; ++i)
            QCOMPARE(w->Tp[i]->text(), i == level - 1 ? u"1" : u"0");
    }
}

void GameFlow::newGameInTheMiddleOfAGame() {
    Window w;
    w->Mnu2Pelaajaa->click();
    w.clickAll({a1, b2, c3});
    w->MnuUusi->click();
    QCOMPARE(w.board(), u".........");
    QVERIFY(w.boardOpen());
    QCOMPARE(w->Vuoro, 1);
    QCOMPARE(w.status(), u"Vuoro : Pelaaja 1");
    QCOMPARE(w.counters(), u"Voitot 0 0 0 | Tp 0 0 0 | Haviot 0 0 0");
    QCOMPARE(w.visibleSegments(), QString());
}

void GameFlow::newGameAfterAWin() {
    Window w;
    w->Mnu2Pelaajaa->click();
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

QTEST_MAIN(GameFlow)
#include "test_game.moc"
