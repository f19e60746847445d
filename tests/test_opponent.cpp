// The computer opponent: every rule table, the guard on Siirretty, the random
// move and the turn sequence at each level, driven through the real window.
#include "support/window.h"

#include <QLabel>
#include <QTest>
#include <map>

namespace {

using Step = void (Lautari::*)();
const std::map<QString, Step> kSteps = {
    {"Tietokone1", &Lautari::Tietokone1},     {"Tietokone2", &Lautari::Tietokone2},
    {"Tietokone25", &Lautari::Tietokone25},   {"tietokone26", &Lautari::tietokone26},
    {"Tietokone27", &Lautari::Tietokone27},   {"Tietokone28", &Lautari::Tietokone28},
    {"Tietokone285", &Lautari::Tietokone285}, {"Tietokone3", &Lautari::Tietokone3},
};

void run(Window& w, const QString& step) { ((*w).*kSteps.at(step))(); }

void chooseLevel(Window& w, int level) {
    if (level == 1) w->MnuHelppo->click();
    if (level == 2) w->MnuKeskitaso->click();
    if (level == 3) w->MnuVaikea->click();
    QCOMPARE(w->Vaikeus, level);
}

// A one-player game at `level` from the laid board: the person clicks `square`.
void personMoves(Window& w, int level, const char* board, Sq square) {
    chooseLevel(w, level);
    w.lay(board);
    w.click(square);
}

} // namespace

class Opponent : public QObject {
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void noRuleMovesOnceTheComputerHasMoved_data();
    void noRuleMovesOnceTheComputerHasMoved();
    void freeIsReadFromThePictureMarksFromTheText();

    void randomMoveRedrawsTakenSquares();
    void randomMoveReachesEverySquareEvenly();
    void randomMoveWithoutAFreeSquareEndsWithoutMoving();

    void helppoAlwaysPlaysAtRandom();
    void keskitasoWinsElseBlocksElsePlaysAtRandom();
    void vaikeaTriesItsRulesInOrder_data();
    void vaikeaTriesItsRulesInOrder();
    void computerWinEndsTheTurn();
    void personsWinStopsTheComputer();
    void personFillsTheGridWithoutALine();
    void computersNinthSquare_data();
    void computersNinthSquare();
    void computerStarterOpensAtEveryLevel();
};

// Each row: the step, the board before and after (a1..c3). Where two rows of
// a table match at once, the first in table order must win.
void Opponent::rules_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    auto row = [](const char* name, const char* step, const char* before, const char* after) {
        QTest::newRow(name) << QString::fromLatin1(step) << QString::fromLatin1(before)
                            << QString::fromLatin1(after);
    };

    row("win: a1 a2 -> a3", "Tietokone1", "OO.X.X...", "OOOX.X...");
    row("win: row 1 before row 2", "Tietokone1", "OO..OX.X.", "OOO.OX.X.");
    row("win: row 2 when a3 is taken", "Tietokone1", "OOX.O.X..", "OOX.O.X.O");
    row("win: b2 b3 -> b1", "Tietokone1", "X...OOX..", "X..OOOX..");
    row("win: a1 c1 -> b1", "Tietokone1", "OX..X.O..", "OX.OX.O..");
    row("win: a2 c2 -> b2", "Tietokone1", ".O.X.X.O.", ".O.XOX.O.");
    row("win: c1 a3 -> b2", "Tietokone1", "X.O...O.X", "X.O.O.O.X");
    row("win: not on crosses", "Tietokone1", "XX..O....", "XX..O....");
    row("win: not on a mixed line", "Tietokone1", "OX.......", "OX.......");

    row("block: a1 a2 -> a3", "Tietokone2", "XX..O....", "XXO.O....");
    row("block: first threat only", "Tietokone2", "XX.X..O..", "XXOX..O..");
    row("block: b2 b3 -> b1", "Tietokone2", "O...XX...", "O..OXX...");
    row("block: a1 c1 -> b1", "Tietokone2", "X.....X..", "X..O..X..");
    row("block: c3 b2 -> a1", "Tietokone2", "....X...X", "O...X...X");
    row("block: not on noughts", "Tietokone2", "OO..X....", "OO..X....");
    row("block: third square taken", "Tietokone2", "XXO......", "XXO......");

    row("fork block rule 1", "Tietokone25", "X......X.", "X.....OX.");
    row("fork block rule 2", "Tietokone25", "X....X...", "X.O..X...");
    row("fork block rule 3", "Tietokone25", ".X....X..", "OX....X..");
    row("fork block rule 4", "Tietokone25", ".....XX..", ".....XX.O");
    row("fork block rule 5", "Tietokone25", ".X......X", ".XO.....X");
    row("fork block rule 6", "Tietokone25", "...X....X", "...X..O.X");
    row("fork block rule 7", "Tietokone25", "..XX.....", "O.XX.....");
    row("fork block rule 8", "Tietokone25", "..X....X.", "..X....XO");
    row("fork block rule 1 before 8", "Tietokone25", "XOX.O..X.", "XOX.O.OX.");
    row("fork block rule 1 needs c3", "Tietokone25", "X......XO", "X......XO");
    row("fork block rule 9 before 10", "Tietokone25", "X.......X", "X......OX");
    row("fork block rule 10", "Tietokone25", "X..O....X", "XO.O....X");
    row("fork block rule 11", "Tietokone25", "..X...X..", ".OX...X..");
    row("fork block rule 12", "Tietokone25", "..XO..X..", "..XO..XO.");

    row("centre: corner cross", "tietokone26", "..X......", "..X.O....");
    row("centre: two corners", "tietokone26", "X.......X", "X...O...X");
    row("centre: edge crosses only", "tietokone26", ".X.X.....", ".X.X.....");
    row("centre: taken", "tietokone26", "X...O....", "X...O....");

    row("fork rule 1", "Tietokone27", "O......O.", "O.....OO.");
    row("fork rule 5", "Tietokone27", ".O......O", ".OO.....O");
    row("fork rule 7 blocked by c1", "Tietokone27", "..OO..X..", "..OO..X..");
    row("fork rule 3 before 5", "Tietokone27", ".O....O.O", "OO....O.O");
    row("fork: two corners", "Tietokone27", "O.......O", "O.......O");
    row("fork: crosses do not count", "Tietokone27", "X......X.", "X......X.");

    row("own centre: corner nought", "Tietokone28", "......O..", "....O.O..");
    row("own centre: edge noughts only", "Tietokone28", ".O.O.....", ".O.O.....");
    row("own centre: cross on b2", "Tietokone28", "O...X....", "O...X....");

    row("adjacent: c3 before a1", "Tietokone285", "....O.O..", "....O.O.O");
    row("adjacent: a1 when c3 taken", "Tietokone285", "....O.O.X", "O...O.O.X");
    row("adjacent: rule 6 before held c3", "Tietokone285", "..O.O...O", "O.O.O...O");
    row("adjacent: without looking further", "Tietokone285", "X...O.OX.", "X...O.OXO");
    row("adjacent: a1 -> a3", "Tietokone285", "O...O....", "O.O.O....");
    row("adjacent: needs the centre", "Tietokone285", "O.......X", "O.......X");
    row("adjacent: cross on b2", "Tietokone285", "O...X....", "O...X....");
}

void Opponent::rules() {
    QFETCH(QString, step);
    QFETCH(QString, before);
    QFETCH(QString, after);
    Window w;
    w.lay(qPrintable(before));
    run(w, step);
    QCOMPARE(w.board(), after);
    QCOMPARE(w->Siirretty, before != after);
}

void Opponent::noRuleMovesOnceTheComputerHasMoved_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("board");
    QTest::newRow("Tietokone1") << "Tietokone1"
                                << "OO.......";
    QTest::newRow("Tietokone2") << "Tietokone2"
                                << "XX.......";
    QTest::newRow("Tietokone25") << "Tietokone25"
                                 << "X......X.";
    QTest::newRow("tietokone26") << "tietokone26"
                                 << "X........";
    QTest::newRow("Tietokone27") << "Tietokone27"
                                 << "O......O.";
    QTest::newRow("Tietokone28") << "Tietokone28"
                                 << "O........";
    QTest::newRow("Tietokone285") << "Tietokone285"
                                  << "....O.O..";
    QTest::newRow("Tietokone3") << "Tietokone3"
                                << ".........";
}

void Opponent::noRuleMovesOnceTheComputerHasMoved() {
    QFETCH(QString, step);
    QFETCH(QString, board);
    Window w;
    w.lay(qPrintable(board));
    w->Siirretty = true;
    run(w, step);
    QCOMPARE(w.board(), board);
    QVERIFY(w->Siirretty);
}

// Squares are free by picture for the computer's steps, but the squares a
// rule needs marked are read by their text.
void Opponent::freeIsReadFromThePictureMarksFromTheText() {
    Window w;
    w.lay("OO.......");
    w->ruutu(a1).clearPicture(); // marked, but shows nothing
    w->Tietokone1();
    QCOMPARE(w->ruutu(a3).tag(), u"Nolla");

    Window v;
    v.lay("OO.......");
    v->ruutu(a3).setPictureFrom(*v->Risti); // a picture without a mark is not free
    v->Tietokone1();
    QVERIFY(!v->Siirretty);
    QCOMPARE(v->ruutu(a3).tag(), QString());
    QVERIFY(v->ruutu(c3).tag().isEmpty());
}

void Opponent::randomMoveRedrawsTakenSquares() {
    Window w;
    w.lay("XOXOXOX.X");
    w->Siirretty = false;
    w.random->pushSquares({1, 2, 9, 5, 8});
    w->Tietokone3();
    QCOMPARE(w.board(), u"XOXOXOXOX");
    QVERIFY(w->Siirretty);
    QCOMPARE(w.random->reseeds, 1);
    QCOMPARE(w.random->draws, 5);

    // The largest value below 1 draws the last square.
    Window v;
    v.lay("OOOOOOOO.");
    v.random->push(0.99999994f);
    v->Tietokone3();
    QCOMPARE(v.board(), u"OOOOOOOOO");
    QCOMPARE(v.random->draws, 1);
}

// The real clock-seeded generator, through opening moves of new games.
void Opponent::randomMoveReachesEverySquareEvenly() {
    Lautari w;
    w.MnuTietokone->click();
    std::array<int, 9> hits{};
    const int games = 9000;
    for (int i = 0; i < games; ++i) {
        w.UusiPeli();
        int placed = 0;
        for (Sq s : kRuudut)
            if (w.ruutu(s).tag() == kNolla) ++hits[s], ++placed;
        QCOMPARE(placed, 1);
    }
    for (int n : hits)
        QVERIFY2(n > 800 && n < 1200, qPrintable(QString::number(n)));
}

void Opponent::randomMoveWithoutAFreeSquareEndsWithoutMoving() {
    Window w;
    w.lay("XOXXOOOXX");
    w->Siirretty = false;
    w->Tietokone3();
    QCOMPARE(w.board(), u"XOXXOOOXX");
    QVERIFY(!w->Siirretty);
}

void Opponent::helppoAlwaysPlaysAtRandom() {
    Window w;
    w.random->pushSquares({9});
    // Noughts could win on a3 and crosses threaten b3; the reply is random.
    personMoves(w, 1, "OO.XX....", c1);
    QCOMPARE(w.board(), u"OO.XX.X.O");
    QCOMPARE(w->PelinTila, u"käynnissä");
}

void Opponent::keskitasoWinsElseBlocksElsePlaysAtRandom() {
    Window win;
    personMoves(win, 2, "OO.XX....", c1);
    QCOMPARE(win.board(), u"OOOXX.X..");
    QCOMPARE(win.status(), u"Voittaja : Tietokone");
    QCOMPARE(win.counters(), u"Voitot 0 0 0 | Tp 0 0 0 | Haviot 0 1 0");

    Window block;
    personMoves(block, 2, "O..X.....", b2);
    QCOMPARE(block.board(), u"O..XXO...");

    // A fork pattern that only Vaikea answers.
    Window random;
    random.random->pushSquares({2});
    personMoves(random, 2, "X........", c2);
    QCOMPARE(random.board(), u"XO.....X.");
}

void Opponent::vaikeaTriesItsRulesInOrder_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("click");
    QTest::addColumn<QString>("after");
    auto row = [](const char* name, const char* before, const char* click, const char* after) {
        QTest::newRow(name) << QString::fromLatin1(before) << QString::fromLatin1(click)
                            << QString::fromLatin1(after);
    };
    row("blocks the first threat in table order", "O...X..X.", "b1", "O..XXO.X.");
    row("spoils a double threat", "X........", "c2", "X.....OX.");
    row("takes the centre against a corner", ".........", "a1", "X...O....");
    row("makes its own double threat", "O...X..O.", "a2", "OX..X.OO.");
    row("takes the centre after its corner", "O........", "a2", "OX..O....");
    row("takes the corner beside its own", "..X.O.O..", "b1", "..XXO.O.O");
}

void Opponent::vaikeaTriesItsRulesInOrder() {
    QFETCH(QString, before);
    QFETCH(QString, click);
    QFETCH(QString, after);
    Window w;
    w.random->pushSquares({9, 9, 9}); // would show if a rule were skipped
    personMoves(w, 3, qPrintable(before), squareNamed(click));
    QCOMPARE(w.board(), after);
}

void Opponent::computerWinEndsTheTurn() {
    Window w;
    personMoves(w, 3, "OO.XX....", c1);
    QCOMPARE(w.board(), u"OOOXX.X..");
    // The game ended inside Tietokone1: no later step ran, not even the random one.
    QCOMPARE(w.random->reseeds, 0);
    QCOMPARE(w->beep.count(), 2);
    QVERIFY(!w->pointer.isBusy());

    // After a block the game runs on, so the random step is still called but
    // finds that the computer has moved.
    Window v;
    personMoves(v, 2, "O..X.....", b2);
    QCOMPARE(v.random->reseeds, 1);
    QCOMPARE(v.random->draws, 1);
}

void Opponent::personsWinStopsTheComputer() {
    Window w;
    personMoves(w, 3, "XX.OO....", a3);
    QCOMPARE(w.board(), u"XXXOO....");
    QCOMPARE(w.status(), u"Voittaja : Pelaaja");
    QCOMPARE(w.counters(), u"Voitot 0 0 1 | Tp 0 0 0 | Haviot 0 0 0");
    QCOMPARE(w->beep.count(), 2);
    QCOMPARE(w->pointer.timesBusy(), 1);
    QVERIFY(!w->pointer.isBusy());
    QVERIFY(!w->RuudukkoTaysi);
}

void Opponent::personFillsTheGridWithoutALine() {
    Window w;
    personMoves(w, 2, "XOXXOOOX.", c3);
    QCOMPARE(w.board(), u"XOXXOOOXX");
    QCOMPARE(w.status(), u"Tasapeli (Ruudukko Täysi)");
    QCOMPARE(w.counters(), u"Voitot 0 0 0 | Tp 0 1 0 | Haviot 0 0 0");
    QCOMPARE(w->beep.count(), 1);
    QCOMPARE(w.random->reseeds, 0);
    QVERIFY(w.boardLocked());
}

void Opponent::computersNinthSquare_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("counters");
    QTest::newRow("completes a line: a win, not a draw")
        << "OXOXOX.O."
        << "OXOXOXXOO"
        << "Voittaja : Tietokone"
        << "Voitot 0 0 0 | Tp 0 0 0 | Haviot 1 0 0";
    QTest::newRow("no line: a draw") << "OXOOXX.O."
                                     << "OXOOXXXOO"
                                     << "Tasapeli (Ruudukko Täysi)"
                                     << "Voitot 0 0 0 | Tp 1 0 0 | Haviot 0 0 0";
}

void Opponent::computersNinthSquare() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, status);
    QFETCH(QString, counters);
    Window w;
    w.random->pushSquares({7, 9});
    personMoves(w, 1, qPrintable(before), c1);
    QCOMPARE(w.board(), after);
    QCOMPARE(w.status(), status);
    QCOMPARE(w.counters(), counters);
    QCOMPARE(w->beep.count(), 1);
    QVERIFY(w.boardLocked());
}

void Opponent::computerStarterOpensAtEveryLevel() {
    for (int level = 1; level <= 3; ++level) {
        Window w;
        chooseLevel(w, level);
        w->MnuTietokone->click();
        QCOMPARE(w.count(u'O'), 1);
        w.random->pushSquares({1});
        w->MnuUusi->click();
        QCOMPARE(w.board(), u"O........");
        QCOMPARE(w.status(), QString());
        QCOMPARE(w->Vuoro, 1);
        QCOMPARE(w->pointer.timesBusy(), 0);
        w.click(b2);
        QCOMPARE(w->ruutu(b2).tag(), u"Risti");
    }
}

QTEST_MAIN(Opponent)
#include "test_opponent.moc"
