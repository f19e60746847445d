// The strength analysis, checked on facts that follow plainly from the rules
// and against an independent count of random play.
#include "strength.h"

#include <QTest>

using namespace strength;

namespace {

// Both sides clicking uniformly at random, counted directly over the grid:
// the chances of crosses (moving first) winning, a draw, noughts winning.
void randomPlay(QString& board, bool crosses, Fraction weight, Odds& odds) {
    static const int lines[8][3] = {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6},
                                    {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {2, 4, 6}};
    QList<int> free;
    for (int s = 0; s < 9; ++s)
        if (board[s] == u'.') free << s;
    for (int s : free) {
        board[s] = crosses ? u'X' : u'O';
        const Fraction w = weight * Fraction::of(1, free.size());
        bool line = false;
        for (const auto& l : lines)
            line = line ||
                   (board[l[0]] == board[s] && board[l[1]] == board[s] && board[l[2]] == board[s]);
        if (line)
            (crosses ? odds.win : odds.loss) = (crosses ? odds.win : odds.loss) + w;
        else if (free.size() == 1)
            odds.draw = odds.draw + w;
        else
            randomPlay(board, !crosses, w, odds);
        board[s] = u'.';
    }
}

} // namespace

class Strength : public QObject {
    Q_OBJECT
private slots:
    void helppoIsRandomPlay();
    void keskitasoPunishesAnUnblockedLine();
    void branchesOfTheComputersAnswer();
    void bestPlayIsNoWorseThanRandomPlay();
};

// At Helppo the computer plays at random, so a random person against it is
// random play on both sides.
void Strength::helppoIsRandomPlay() {
    QString empty(9, u'.');
    Odds expected;
    randomPlay(empty, true, Fraction::of(1, 1), expected);
    Analysis helppo(1);
    const Odds got = helppo.personStarts().uniform;
    QCOMPARE(got.win, expected.win);
    QCOMPARE(got.draw, expected.draw);
    QCOMPARE(got.loss, expected.loss);
    QCOMPARE(got.win + got.draw + got.loss, Fraction::of(1, 1));

    // With the computer first, the sides swap.
    const Odds second = helppo.computerStarts().uniform;
    QCOMPARE(second.win, expected.loss);
    QCOMPARE(second.loss, expected.win);
}

// Two noughts in a line with the third square free: any other move of the
// person loses on the computer's next turn.
void Strength::keskitasoPunishesAnUnblockedLine() {
    Driver keskitaso(2);
    const Board board = QStringLiteral("OO..X...X");
    for (int m : {3, 5, 6, 7}) {
        const auto branches = keskitaso.play(board, m);
        QCOMPARE(branches.size(), std::size_t(1));
        QCOMPARE(branches[0].result, 'L');
        QCOMPARE(branches[0].board[2], u'O');
    }
    Analysis analysis(2);
    QCOMPARE(analysis.evaluate(board).bestMove, 2);
}

void Strength::branchesOfTheComputersAnswer() {
    // At Helppo the first answer is any of the eight free squares, alike.
    Driver helppo(1);
    const auto random = helppo.play(Board(9, u'.'), 0);
    QCOMPARE(random.size(), std::size_t(8));
    for (const Branch& b : random)
        QCOMPARE(b.chance, Fraction::of(1, 8));

    // At Vaikea a corner is answered by the centre and nothing else.
    Driver vaikea(3);
    const auto centre = vaikea.play(Board(9, u'.'), 0);
    QCOMPARE(centre.size(), std::size_t(1));
    QCOMPARE(centre[0].board, u"X...O....");

    // The computer's opening: nine squares alike.
    const auto opening = vaikea.opening();
    QCOMPARE(opening.size(), std::size_t(9));
    for (int s = 0; s < 9; ++s)
        QCOMPARE(opening[s].board.indexOf(u'O'), s);
}

void Strength::bestPlayIsNoWorseThanRandomPlay() {
    for (int level = 1; level <= 3; ++level) {
        Analysis analysis(level);
        for (const Node& n : {analysis.personStarts(), analysis.computerStarts()}) {
            QVERIFY(n.best.win >= n.uniform.win);
            QCOMPARE(n.best.win + n.best.draw + n.best.loss, Fraction::of(1, 1));
        }
    }
}

QTEST_MAIN(Strength)
#include "test_strength.moc"
