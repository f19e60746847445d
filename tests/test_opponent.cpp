// The computer opponent, driven through the real window: each rule table
// where its order decides, the guard on Siirretty, the random move, and the
// whole turn at each level.
#include "support/window.h"

#include <QLabel>
#include <QTest>
#include <map>

namespace {

const std::map<QString, void (Lautari::*)()> kSteps = {
    {"Tietokone1", &Lautari::Tietokone1},     {"Tietokone2", &Lautari::Tietokone2},
    {"Tietokone25", &Lautari::Tietokone25},   {"tietokone26", &Lautari::tietokone26},
    {"Tietokone27", &Lautari::Tietokone27},   {"Tietokone28", &Lautari::Tietokone28},
    {"Tietokone285", &Lautari::Tietokone285}, {"Tietokone3", &Lautari::Tietokone3},
};

} // namespace

class Opponent : public QObject {
    Q_OBJECT
private slots:
    void rules_data();
    void rules();
    void nothingMovesOnceTheComputerHasMoved();
    void freeIsReadFromThePictureMarksFromTheText();
    void randomMoveRedrawsTakenSquares();
    void randomMoveReachesEverySquareEvenly();
    void turn_data();
    void turn();
    void whichStepsRunInATurn();
};

// A step alone on a laid board (a1..c3). Where two rows of a table match at
// once, the first in table order wins.
void Opponent::rules_data() {
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const char* rows[][4] = {
        {"win: row 1 before row 2", "Tietokone1", "OO..OX.X.", "OOO.OX.X."},
        {"win: row 2 when a3 is taken", "Tietokone1", "OOX.O.X..", "OOX.O.X.O"},
        {"win: b2 b3 -> b1", "Tietokone1", "X...OOX..", "X..OOOX.."},
        {"win: a1 c1 -> b1", "Tietokone1", "OX..X.O..", "OX.OX.O.."},
        {"win: c1 a3 -> b2", "Tietokone1", "X.O...O.X", "X.O.O.O.X"},
        {"win: not on crosses", "Tietokone1", "XX..O....", "XX..O...."},
        {"win: not on a mixed line", "Tietokone1", "OX.......", "OX......."},
        {"block: first threat only", "Tietokone2", "XX.X..O..", "XXOX..O.."},
        {"block: c3 b2 -> a1", "Tietokone2", "....X...X", "O...X...X"},
        {"block: not on noughts", "Tietokone2", "OO..X....", "OO..X...."},
        {"block: third square taken", "Tietokone2", "XXO......", "XXO......"},
        {"fork block: rule 1 before 8", "Tietokone25", "XOX.O..X.", "XOX.O.OX."},
        {"fork block: rule 1 needs c3", "Tietokone25", "X......XO", "X......XO"},
        {"fork block: rule 7 needs c1", "Tietokone25", "..XX..O..", "..XX..O.."},
        {"fork block: rule 9 before 10", "Tietokone25", "X.......X", "X......OX"},
        {"fork block: rule 10", "Tietokone25", "X..O....X", "XO.O....X"},
        {"fork block: rule 12", "Tietokone25", "..XO..X..", "..XO..XO."},
        {"centre: two corner crosses", "tietokone26", "X.......X", "X...O...X"},
        {"centre: edge crosses only", "tietokone26", ".X.X.....", ".X.X....."},
        {"centre: taken", "tietokone26", "X...O....", "X...O...."},
        {"fork: rule 3 before 5", "Tietokone27", ".O....O.O", "OO....O.O"},
        {"fork: rule 7 blocked by c1", "Tietokone27", "..OO..X..", "..OO..X.."},
        {"fork: not on crosses", "Tietokone27", "X......X.", "X......X."},
        {"own centre: corner nought", "Tietokone28", "......O..", "....O.O.."},
        {"own centre: cross on b2", "Tietokone28", "O...X....", "O...X...."},
        {"adjacent: c3 before a1", "Tietokone285", "....O.O..", "....O.O.O"},
        {"adjacent: rule 6 before held c3", "Tietokone285", "..O.O...O", "O.O.O...O"},
        {"adjacent: looks no further", "Tietokone285", "X...O.OX.", "X...O.OXO"},
        {"adjacent: needs the centre", "Tietokone285", "O.......X", "O.......X"},
    };
    for (const auto& r : rows)
        QTest::newRow(r[0]) << r[1] << r[2] << r[3];
}

void Opponent::rules() {
    QFETCH(QString, step);
    QFETCH(QString, before);
    QFETCH(QString, after);
    Window w;
    w.lay(qPrintable(before));
    ((*w).*kSteps.at(step))();
    QCOMPARE(w.board(), after);
    QCOMPARE(w->Siirretty, before != after);
}

void Opponent::nothingMovesOnceTheComputerHasMoved() {
    const char* boards[][2] = {{"Tietokone1", "OO......."},   {"Tietokone2", "XX......."},
                               {"Tietokone25", "X......X."},  {"tietokone26", "X........"},
                               {"Tietokone27", "O......O."},  {"Tietokone28", "O........"},
                               {"Tietokone285", "....O.O.."}, {"Tietokone3", "........."}};
    for (const auto& [step, board] : boards) {
        Window w;
        w.lay(board);
        w->Siirretty = true;
        ((*w).*kSteps.at(step))();
        QVERIFY2(w.board() == board, step);
    }
}

// The steps find free squares by their picture and marked squares by text.
void Opponent::freeIsReadFromThePictureMarksFromTheText() {
    Window w;
    w.lay("OO.......");
    w->ruutu(a1).clearPicture();
    w->Tietokone1();
    QCOMPARE(w->ruutu(a3).tag(), u"Nolla");

    Window v;
    v.lay("OO.......");
    v->ruutu(a3).setPictureFrom(*v->Risti);
    v->Tietokone1();
    QVERIFY(!v->Siirretty);
    QVERIFY(v->ruutu(a3).tag().isEmpty());
}

void Opponent::randomMoveRedrawsTakenSquares() {
    Window w;
    w.lay("XOXOXOX.X");
    w.random->pushSquares({1, 2, 9, 5, 8});
    w->Tietokone3();
    QCOMPARE(w.board(), u"XOXOXOXOX");
    QCOMPARE(w.random->reseeds, 1);
    QCOMPARE(w.random->draws, 5);

    // The largest value below 1 draws the last square.
    w.lay("OOOOOOOO.");
    w->Siirretty = false;
    w.random->push(0.99999994f);
    w->Tietokone3();
    QCOMPARE(w.board(), u"OOOOOOOOO");

    // With no free square there is nothing to draw: no move, no hang.
    w->Siirretty = false;
    w->Tietokone3();
    QVERIFY(!w->Siirretty);
}

// The real clock-seeded generator, through the opening moves of new games.
void Opponent::randomMoveReachesEverySquareEvenly() {
    Lautari w;
    w.MnuTietokone->click();
    std::array<int, 9> hits{};
    for (int game = 0; game < 9000; ++game) {
        w.UusiPeli();
        int placed = 0;
        for (Sq s : kRuudut)
            if (w.ruutu(s).tag() == kNolla) ++hits[s], ++placed;
        QCOMPARE(placed, 1);
    }
    for (int n : hits)
        QVERIFY2(n > 800 && n < 1200, qPrintable(QString::number(n)));
}

// One click of the person in a one-player game and the computer's answer.
// Result: '-' the game runs on, 'W' the person won, 'L' lost, 'D' a draw.
void Opponent::turn_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("click");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("after");
    QTest::addColumn<char>("result");
    auto row = [](const char* name, int level, const char* before, const char* click,
                  QList<int> draws, const char* after, char result) {
        QTest::newRow(name) << level << before << click << draws << after << result;
    };
    row("Helppo: random though it could win", 1, "OO.XX....", "c1", {9}, "OO.XX.X.O", '-');
    row("Keskitaso: completes its line", 2, "OO.XX....", "c1", {}, "OOOXX.X..", 'L');
    row("Keskitaso: blocks", 2, "O..X.....", "b2", {}, "O..XXO...", '-');
    row("Keskitaso: no fork rules", 2, "X........", "c2", {2}, "XO.....X.", '-');
    row("Vaikea: blocks before all else", 3, "O...X..X.", "b1", {9}, "O..XXO.X.", '-');
    row("Vaikea: spoils a double threat", 3, "X........", "c2", {9}, "X.....OX.", '-');
    row("Vaikea: centre against a corner", 3, ".........", "a1", {9}, "X...O....", '-');
    row("Vaikea: makes a double threat", 3, "O...X..O.", "a2", {9}, "OX..X.OO.", '-');
    row("Vaikea: centre after its corner", 3, "O........", "a2", {9}, "OX..O....", '-');
    row("Vaikea: corner beside its own", 3, "..X.O.O..", "b1", {9}, "..XXO.O.O", '-');
    row("the person's win stops it", 3, "XX.OO....", "a3", {}, "XXXOO....", 'W');
    row("the person fills the grid", 2, "XOXXOOOX.", "c3", {}, "XOXXOOOXX", 'D');
    row("ninth square makes a line", 1, "OXOXOX.O.", "c1", {7, 9}, "OXOXOXXOO", 'L');
    row("ninth square makes none", 1, "OXOOXX.O.", "c1", {7, 9}, "OXOOXXXOO", 'D');
}

void Opponent::turn() {
    QFETCH(int, level);
    QFETCH(QString, before);
    QFETCH(QString, click);
    QFETCH(QList<int>, draws);
    QFETCH(QString, after);
    QFETCH(char, result);

    Window w;
    w.chooseLevel(level);
    w.lay(qPrintable(before));
    for (int n : draws)
        w.random->pushSquares({n});
    w.click(squareNamed(click));

    QCOMPARE(w.board(), after);
    QCOMPARE(w->pointer.timesBusy(), 1);
    QVERIFY(!w->pointer.isBusy());
    QCOMPARE(w.boardLocked(), result != '-');
    const QString status = result == 'W'   ? QStringLiteral("Voittaja : Pelaaja")
                           : result == 'L' ? QStringLiteral("Voittaja : Tietokone")
                           : result == 'D' ? QStringLiteral("Tasapeli (Ruudukko Täysi)")
                                           : QString();
    QCOMPARE(w.status(), status);
    QCOMPARE(w.finishedGames(), result == '-' ? 0 : 1);
    const auto& table = result == 'W' ? w->Voitot : result == 'D' ? w->Tp : w->Haviot;
    if (result != '-') QCOMPARE(table[level - 1]->text(), u"1");
}

// Seen through the random source and the beeps: which steps a turn ran.
void Opponent::whichStepsRunInATurn() {
    // Tietokone1 ends the game within its step: no later step runs.
    Window win;
    win.chooseLevel(3);
    win.lay("OO.XX....");
    win.click(c1);
    QCOMPARE(win.random->reseeds, 0);
    QCOMPARE(win->beep.count(), 2);

    // After a block the game runs on: the random step is called, draws once
    // and finds that the computer has moved.
    Window block;
    block.lay("O..X.....");
    block.click(b2);
    QCOMPARE(block.random->reseeds, 1);
    QCOMPARE(block.random->draws, 1);

    // The person's ninth mark: no step at all, then the draw.
    Window full;
    full.lay("XOXXOOOX.");
    full.click(c3);
    QCOMPARE(full.random->reseeds, 0);
    QCOMPARE(full->beep.count(), 1);

    // The computer's opening move at every level is the random one alone.
    for (int level = 1; level <= 3; ++level) {
        Window w;
        w.chooseLevel(level);
        w->MnuTietokone->click();
        w.random->pushSquares({1});
        w->MnuUusi->click();
        QCOMPARE(w.board(), u"O........");
        QCOMPARE(w->pointer.timesBusy(), 0);
        QCOMPARE(w.status(), QString());
        w.click(b2);
        QCOMPARE(w->ruutu(b2).tag(), u"Risti");
    }
}

QTEST_MAIN(Opponent)
#include "test_opponent.moc"
