// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the strength report: for each level and starter, the exact chances
// of a person who plays as well as possible and of one who plays at random.
//   strength [OUTPUT.md]
#include "strength.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <cstdio>

using namespace strength;

namespace {

const char* const kLevels[] = {"Helppo", "Keskitaso", "Vaikea"};

QString odds(const Odds& o) {
    auto one = [](Fraction f) {
        return QStringLiteral("%1 (%2)").arg(f.text()).arg(f.value(), 0, 'f', 4);
    };
    return QStringList{one(o.win), one(o.draw), one(o.loss)}.join(QStringLiteral(" | "));
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString path =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/strength.md");

    QElapsedTimer timer;
    timer.start();
    QString table, notes;
    std::size_t positions = 0;
    std::int64_t games = 0, clicks = 0;
    for (int level = 1; level <= 3; ++level) {
        Analysis analysis(level);
        const Node person = analysis.personStarts();
        const Node computer = analysis.computerStarts();
        positions += analysis.positions();
        games += person.games + computer.games;
        const QString name = QString::fromLatin1(kLevels[level - 1]);

        for (bool computerFirst : {false, true}) {
            const Node& n = computerFirst ? computer : person;
            const bool forced = n.best.win == Fraction::of(1, 1);
            table +=
                QStringLiteral("| %1 | %2 | %3 | %4 | %5 |\n")
                    .arg(name,
                         computerFirst ? QStringLiteral("Tietokone") : QStringLiteral("Pelaaja"),
                         odds(n.best), odds(n.uniform),
                         forced ? QStringLiteral("yes") : QStringLiteral("no"));
        }

        notes += QStringLiteral("### %1\n\n").arg(name);
        const Board empty(9, u'.');
        if (person.best.win == Fraction::of(1, 1))
            notes += QStringLiteral("- The person starts and can force a win, for example: %1\n")
                         .arg(analysis.bestLine(empty));
        else
            notes += QStringLiteral("- The person starts: the best chance of winning is %1 (%2), "
                                    "opening on %3. A best line: %4\n")
                         .arg(person.best.win.text())
                         .arg(person.best.win.value(), 0, 'f', 4)
                         .arg(squareName(person.bestMove), analysis.bestLine(empty));
        QStringList replies;
        for (const Branch& b : analysis.driver().opening()) {
            const Node& reply = analysis.evaluate(b.board);
            replies << QStringLiteral("%1 → %2 (%3)")
                           .arg(squareName(b.board.indexOf(u'O')), squareName(reply.bestMove),
                                reply.best.win.text());
        }
        notes += QStringLiteral("- The computer starts: the best reply to each opening, with the "
                                "chance of winning after it: %1\n\n")
                     .arg(replies.join(QStringLiteral(", ")));
        clicks += analysis.driver().clicks();
    }
    const double seconds = timer.elapsed() / 1000.0;

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    QTextStream out(&file);
    out << "# How strong is each level\n\n"
           "Computed by `tools/strength` from the game itself: every game a person can play\n"
           "against each level was played out through the window's own click and menu\n"
           "handlers. Each random move of the computer counts as equally likely branches\n"
           "over the free squares, so the figures are exact fractions, not samples.\n\n"
           "- **Best play**: the person picks, at every turn, the move with the highest\n"
           "  chance of winning, and among those the highest chance of not losing.\n"
           "- **Random play**: the person clicks any free square, each alike.\n"
           "- **Forced win**: best play wins with certainty, whatever the computer's random\n"
           "  moves turn out to be.\n\n"
           "Each cell reads win | draw | loss, for the person.\n\n"
           "| Level | Starter | Best play: win | draw | loss | Random play: win | draw | loss | "
           "Forced win |\n"
           "|---|---|---|---|---|---|---|---|---|\n"
        << table << "\n## Best lines\n\n"
        << "Squares are named by row (a top, c bottom) and column (1 left, 3 right); the\n"
           "computer's answers stand in brackets.\n\n"
        << notes
        << QStringLiteral("## The computation\n\n- %1 distinct positions with the person to move, "
                          "%2 complete games (each random branch counted), %3 clicks.\n")
               .arg(positions)
               .arg(games)
               .arg(clicks);
    std::printf("%s written in %.1f s\n", qPrintable(path), seconds);
    return 0;
}
