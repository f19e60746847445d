// Thousands of seeded one-player games through the click handlers, with what
// must always hold checked after every click.
#include "support/window.h"

#include <QLabel>
#include <QTest>
#include <random>

namespace {

int total(const std::array<QLabel*, 3>& labels) {
    int n = 0;
    for (QLabel* l : labels)
        n += l->text().toInt();
    return n;
}

bool crossesHaveALine(const QString& b) {
    static const int lines[8][3] = {{0, 1, 2}, {3, 4, 5}, {6, 7, 8}, {0, 3, 6},
                                    {1, 4, 7}, {2, 5, 8}, {0, 4, 8}, {2, 4, 6}};
    for (const auto& l : lines)
        if (b[l[0]] == u'X' && b[l[1]] == u'X' && b[l[2]] == u'X') return true;
    return false;
}

} // namespace

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
    const int games = 5000;

    Window w;
    w.random->script.clear();
    if (level == 1) w->MnuHelppo->click();
    if (level == 3) w->MnuVaikea->click();
    if (computerStarts) w->MnuTietokone->click();
    std::mt19937 person(1234u + unsigned(level) * 10u + computerStarts);

    int finished = 0;
    for (int game = 0; game < games; ++game) {
        w->MnuUusi->click();
        QCOMPARE(w.count(u'O'), computerStarts ? 1 : 0);
        QCOMPARE(w.count(u'X'), 0);
        QVERIFY(w.boardOpen());

        for (int clicks = 0; w->PelinTila == kKaynnissa; ++clicks) {
            QVERIFY2(clicks < 100, "game does not end");
            const QString before = w.board();
            const int wins = total(w->Voitot), draws = total(w->Tp), losses = total(w->Haviot);
            const int busy = w->pointer.timesBusy();

            // Mostly a free square, now and then any square at all.
            QList<Sq> choices;
            for (Sq q : kRuudut)
                if (before[q] == u'.' || person() % 8 == 0) choices << q;
            const Sq s = choices[int(person() % choices.size())];
            const bool free = before[s] == u'.';
            w.click(s);
            const QString after = w.board();

            QVERIFY2(!after.contains(u'?'), qPrintable(after)); // marks and pictures agree
            QVERIFY(!w->pointer.isBusy());
            if (!free) {
                QCOMPARE(after, before);
                QCOMPARE(w->pointer.timesBusy(), busy);
                continue;
            }
            QCOMPARE(after[s], u'X');
            QCOMPARE(w->pointer.timesBusy(), busy + 1);

            // Exactly one nought more whenever the computer could move.
            QString person = before;
            person[s] = u'X';
            const bool canMove = !crossesHaveALine(person) && person.contains(u'.');
            QCOMPARE(after.count(u'O'), before.count(u'O') + (canMove ? 1 : 0));
            QCOMPARE(after.count(u'X'), before.count(u'X') + 1);

            // Locked exactly when ended; a finished game counted once, under its level.
            const bool ended = w->PelinTila == kLoppu;
            QCOMPARE(w.boardLocked(), ended);
            QCOMPARE(w.boardOpen(), !ended);
            const int dw = total(w->Voitot) - wins, dd = total(w->Tp) - draws,
                      dl = total(w->Haviot) - losses;
            QCOMPARE(dw + dd + dl, ended ? 1 : 0);
            if (ended) {
                ++finished;
                const QString expected = dw   ? QStringLiteral("Voittaja : Pelaaja")
                                         : dd ? QStringLiteral("Tasapeli (Ruudukko Täysi)")
                                              : QStringLiteral("Voittaja : Tietokone");
                QCOMPARE(w.status(), expected);
                QCOMPARE(dw == 1, crossesHaveALine(after));
            } else {
                QCOMPARE(w.status(), QString());
            }
        }
    }

    // Every counter outside the level stayed at zero.
    int all = 0;
    for (int i = 0; i < 3; ++i) {
        const int sum =
            w->Voitot[i]->text().toInt() + w->Tp[i]->text().toInt() + w->Haviot[i]->text().toInt();
        QCOMPARE(sum, i == level - 1 ? finished : 0);
        all += sum;
    }
    QCOMPARE(all, games);
}

QTEST_MAIN(ManyGames)
#include "test_manygames.moc"
