// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of seeded one-player games through the click handlers, with
// everything that must always hold checked after every click.
#include "support/referee.h"

#include <QLabel>
#include <QTest>
#include <random>

class ManyGames : public QObject {
    Q_OBJECT
private slots:
    void invariantsHoldAfterEveryClick_data();
    void invariantsHoldAfterEveryClick();
};

void ManyGames::invariantsHoldAfterEveryClick_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<bool>("computerStarts");
    for (int level = 1; level <= 3; ++level)
        for (bool computer : {false, true})
            QTest::addRow("level %d, %s starts", level, computer ? "computer" : "person")
                << level << computer;
}

void ManyGames::invariantsHoldAfterEveryClick() {
    QFETCH(int, level);
    QFETCH(bool, computerStarts);
    // Fewer where every instruction is slow, as under valgrind.
    const int fewer = qEnvironmentVariableIntValue("LAUTARI_GAMES");
    const int games = fewer > 0 ? fewer : 5000;

    Window w;
    Referee referee(w);
    QCOMPARE(referee.apply({Event::Level, level}), QString());
    QCOMPARE(referee.apply({Event::Starter, computerStarts}), QString());
    std::mt19937 person(1234u + unsigned(level) * 10u + computerStarts);
    for (int game = 0; game < games; ++game) {
        QCOMPARE(referee.apply({Event::NewGame}), QString());
        QCOMPARE(w.board().count(u'O'), computerStarts ? 1 : 0);
        for (int clicks = 0; w->PelinTila == kKaynnissa; ++clicks) {
            QVERIFY2(clicks < 100, "the game does not end");
            // Mostly a free square, now and then any square at all.
            QList<int> choices;
            const QString board = w.board();
            for (int s = 0; s < 9; ++s)
                if (board[s] == u'.' || person() % 8 == 0) choices << s;
            const QString broke =
                referee.apply({Event::Click, choices[int(person() % choices.size())]});
            QVERIFY2(broke.isEmpty(), qPrintable(broke));
        }
    }
    QCOMPARE(referee.gamesEnded(), games);
    QCOMPARE(w.finishedGames(), games);
    for (const auto* table : {&w->Voitot, &w->Tp, &w->Haviot}) // only this level counts
        for (int i = 0; i < 3; ++i)
            QVERIFY(i == level - 1 || (*table)[i]->text() == u"0");
}

QTEST_MAIN(ManyGames)
#include "test_manygames.moc"
