// SPDX-License-Identifier: GPL-3.0-or-later
// The strength analysis against an independent count of random play, and
// the sums that every analysis must meet.
#include "position.h"
#include "strength.h"

#include <QTest>

using namespace strength;

namespace {

// Both sides clicking uniformly at random, counted directly over the grid:
// the chances of crosses (moving first) winning, a draw, noughts winning.
void randomPlay(QString& board, bool crosses, Fraction weight, Odds& odds) {
    QList<int> free;
    for (int s = 0; s < 9; ++s)
        if (board[s] == u'.') free << s;
    for (int s : free) {
        board[s] = crosses ? u'X' : u'O';
        const Fraction w = weight * Fraction::of(1, free.size());
        Fraction& end = crosses ? odds.win : odds.loss;
        if (position::winner(board) != u'.')
            end = end + w;
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
    void everyLevelAddsUp();
};

// At Helppo the computer plays at random, so a random person against it is
// random play on both sides; with the computer first, the sides swap.
void Strength::helppoIsRandomPlay() {
    QString empty(9, u'.');
    Odds expected;
    randomPlay(empty, true, Fraction::of(1, 1), expected);
    Analysis helppo(1);
    const Odds first = helppo.personStarts().uniform;
    QVERIFY(first.win == expected.win && first.draw == expected.draw &&
            first.loss == expected.loss);
    const Odds second = helppo.computerStarts().uniform;
    QVERIFY(second.win == expected.loss && second.loss == expected.win);
}

void Strength::everyLevelAddsUp() {
    for (int level = 1; level <= 3; ++level) {
        Analysis analysis(level);
        for (const Node& n : {analysis.personStarts(), analysis.computerStarts()}) {
            QVERIFY(n.best.win >= n.uniform.win);
            QCOMPARE(n.best.win + n.best.draw + n.best.loss, Fraction::of(1, 1));
            QCOMPARE(n.uniform.win + n.uniform.draw + n.uniform.loss, Fraction::of(1, 1));
        }
    }
}

QTEST_MAIN(Strength)
#include "test_strength.moc"
