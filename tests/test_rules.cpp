// SPDX-License-Identifier: GPL-3.0-or-later
// The computer's move rules: every row of the line table, through the steps
// that read it; which steps each level runs; and the random move. (The
// strength test plays out every game against each level, and so every rule
// that a game can reach.)
#include "support/referee.h"

#include <QTest>

namespace {

using Step = void (Lautari::*)();
using position::kLines;

QString board(std::initializer_list<std::pair<int, char>> marks) {
    QString b(9, u'.');
    for (auto [s, mark] : marks)
        b[s] = QLatin1Char(mark);
    return b;
}

} // namespace

class Rules : public QObject {
    Q_OBJECT
private slots:
    void linesToCompleteOrBlock();
    void whichLevelRunsWhichStep_data();
    void whichLevelRunsWhichStep();
    void randomMove();

private:
    // Where `step` alone puts its nought on `before`: the square, -1 for no
    // move, 9 for anything else (two noughts, a lost mark, a wrong flag).
    int answer(Step step, const QString& before) {
        w->UusiPeli();
        w.lay(before);
        ((*w).*step)();
        const QString after = w.board();
        int placed = -1;
        for (int s = 0; s < 9; ++s)
            if (after[s] != before[s]) {
                if (placed >= 0 || after[s] != u'O') return 9;
                placed = s;
            }
        return w->Siirretty == (placed >= 0) ? placed : 9;
    }

    Window w{false};
};

// Two of a line hold the mark and the third is free: the nought goes there.
void Rules::linesToCompleteOrBlock() {
    for (auto [step, mark] : {std::pair{&Lautari::Tietokone1, 'O'}, {&Lautari::Tietokone2, 'X'}})
        for (const auto& l : kLines)
            for (int i = 0; i < 3; ++i) {
                const int t = l[i], a = l[(i + 1) % 3], b = l[(i + 2) % 3];
                QCOMPARE(answer(step, board({{a, mark}, {b, mark}})), t);
                QCOMPARE(answer(step, board({{a, mark}, {b, mark}, {t, mark == 'O' ? 'X' : 'O'}})),
                         -1);
            }
    // Making double threats reads no rule for two opposite corners.
    QCOMPARE(answer(&Lautari::Tietokone27, board({{0, 'O'}, {8, 'O'}})), -1);
}

// One click of the person on a position where one step applies: the levels
// that run it take the square it names, the others move at random.
void Rules::whichLevelRunsWhichStep_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QList<int>>("move"); // click, the rule's square, the random one, first level
    // clang-format off
    QTest::newRow("completes its line")      << "OO.XX...." << QList<int>{c1, a3, c3, 2};
    QTest::newRow("blocks a line")           << "O..X....." << QList<int>{b2, b3, c3, 2};
    QTest::newRow("spoils a double threat")  << "X........" << QList<int>{c2, c1, c3, 3};
    QTest::newRow("centre against a corner") << "........." << QList<int>{a1, b2, c3, 3};
    QTest::newRow("makes a double threat")   << "O...X..O." << QList<int>{a2, c1, c3, 3};
    QTest::newRow("centre after its corner") << "O........" << QList<int>{a2, b2, c3, 3};
    QTest::newRow("corner beside its own")   << "..X.O.O.." << QList<int>{b1, c3, c2, 3};
    // clang-format on
}

void Rules::whichLevelRunsWhichStep() {
    QFETCH(QString, before);
    QFETCH(QList<int>, move);
    const int click = move[0], rule = move[1], random = move[2], from = move[3];
    for (int level = 1; level <= 3; ++level) {
        Window v(false);
        Referee(v).apply(kEvents[9 + level]); // H K V
        v.lay(before);
        v.random->pushSquares({random});
        v.click({Sq(click)});
        QString after = before;
        after[click] = u'X';
        after[level >= from ? rule : random] = u'O';
        QCOMPARE(v.board(), after);
        QCOMPARE(v.finishedGames(), position::winner(after) == u'O' ? 1 : 0);
        QVERIFY(v->pointer.timesBusy() == 1 && !v->pointer.isBusy());
    }
}

void Rules::randomMove() {
    w.lay(u"XOXOXOX.X");
    w->Siirretty = false;
    w.random->pushSquares({a1, a2, c3, b2, c2}); // taken squares are drawn again
    w->Tietokone3();
    QCOMPARE(w.board(), u"XOXOXOXOX");
    QVERIFY(w.random->reseeds == 1 && w.random->draws == 5);
    w.lay(u"OOOOOOOO.");
    w->Siirretty = false;
    w.random->script = {0.99999994f}; // the largest value below 1 draws the last square
    w->Tietokone3();
    QCOMPARE(w.board(), u"OOOOOOOOO");
    w->Siirretty = false;
    w->Tietokone3(); // no free square: no move, no hang
    QVERIFY(!w->Siirretty);

    // The real clock-seeded generator, through the opening moves of new games.
    Lautari real;
    real.MnuTietokone->click();
    std::array<int, 9> hits{};
    for (int game = 0; game < 2700; ++game) {
        real.UusiPeli();
        ++hits[position::read(real).indexOf(u'O')];
    }
    for (int n : hits)
        QVERIFY2(n > 220 && n < 380, qPrintable(QString::number(n)));
    // The clock moves it off the fixed sequence that every session would repeat.
    forms::ClockRandom seeded;
    seeded.reseedFromClock();
    QVERIFY(seeded.next() != forms::ClockRandom().next());
}

QTEST_MAIN(Rules)
#include "test_rules.moc"
