#include "support/referee.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

constexpr int kLines[8][3] = {{0, 1, 2}, {2, 5, 8}, {8, 7, 6}, {6, 3, 0},
                              {0, 4, 8}, {2, 4, 6}, {1, 4, 7}, {3, 4, 5}};

bool hasLine(const QString& board, QChar mark, int line) {
    const auto& l = kLines[line];
    return board[l[0]] == mark && board[l[1]] == mark && board[l[2]] == mark;
}

bool hasAnyLine(const QString& board, QChar mark) {
    for (int line = 0; line < 8; ++line)
        if (hasLine(board, mark, line)) return true;
    return false;
}

} // namespace

void Referee::perform(const Event& e) {
    Lautari& w = *w_;
    switch (e.kind) {
    case Event::Click: w_.click(kRuudut[e.arg]); break;
    case Event::NewGame: w.MnuUusi->click(); break;
    case Event::Level: w_.chooseLevel(e.arg); break;
    case Event::Players: (e.arg == 1 ? w.Mnu1Pelaaja : w.Mnu2Pelaajaa)->click(); break;
    case Event::Starter: (e.arg == 0 ? w.MnuPelaaja : w.MnuTietokone)->click(); break;
    case Event::OpenAbout: w.MnuTietoja->click(); break;
    case Event::CloseAbout:
        if (w.about()) w.about()->cmdOK->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        break;
    }
}

QString Referee::apply(const Event& event) {
    const QString before = w_.board();
    const bool wasRunning = w_->PelinTila == kKaynnissa;
    perform(event);
    if (wasRunning && w_->PelinTila == kLoppu) ++ended_;
    return check(event, before, wasRunning);
}

QString Referee::check(const Event& e, const QString& before, bool wasRunning) const {
    Lautari& w = *w_;
    const QString board = w_.board();
    if (board.contains(u'?')) return QStringLiteral("mark and picture disagree: ") + board;

    const bool ended = w.PelinTila == kLoppu;
    if (!ended && w.PelinTila != kKaynnissa) return QStringLiteral("unknown state ") + w.PelinTila;
    if (ended ? !w_.boardLocked() : !w_.boardOpen()) return QStringLiteral("lock and state disagree");

    QStringList segments;
    for (int line = 0; line < 8; ++line)
        if (hasLine(board, u'X', line) || hasLine(board, u'O', line))
            for (int n = 1; n <= 3; ++n) segments << QStringLiteral("Viiva%1%2").arg(line + 1).arg(n);
    if (w_.visibleSegments() != segments.join(u' '))
        return QStringLiteral("segments ") + w_.visibleSegments() + QStringLiteral(" on ") + board;

    const QString status = w_.status();
    const QStringList texts = {QString(), QStringLiteral("Vuoro : Pelaaja 1"),
                               QStringLiteral("Vuoro : Pelaaja 2"),
                               QStringLiteral("Voittaja : ") + w.MnuPelaaja->caption(),
                               QStringLiteral("Voittaja : ") + w.MnuTietokone->caption(),
                               QStringLiteral("Tasapeli (Ruudukko Täysi)")};
    if (!texts.contains(status)) return QStringLiteral("status ") + status;

    const bool levels[3] = {w.MnuHelppo->checked(), w.MnuKeskitaso->checked(), w.MnuVaikea->checked()};
    for (int i = 0; i < 3; ++i)
        if (levels[i] != (w.Vaikeus == i + 1)) return QStringLiteral("level marks");
    if (w.Mnu1Pelaaja->checked() != (w.Pelaajia == 1) || w.Mnu2Pelaajaa->checked() != (w.Pelaajia == 2))
        return QStringLiteral("player marks");
    if (w.MnuPelaaja->checked() != (w.Aloittaja == kPelaaja) ||
        w.MnuTietokone->checked() != (w.Aloittaja == kTietokone))
        return QStringLiteral("starter marks");
    const bool one = w.Pelaajia == 1;
    if (w.MnuPelaaja->caption() != (one ? u"Pelaaja" : u"Pelaaja 1") ||
        w.MnuTietokone->caption() != (one ? u"Tietokone" : u"Pelaaja 2"))
        return QStringLiteral("starter captions");

    if (w_.finishedGames() != ended_)
        return QStringLiteral("%1 counted for %2 games ended").arg(w_.finishedGames()).arg(ended_);

    if (e.kind == Event::Click) {
        const int crosses = int(board.count(u'X') - before.count(u'X'));
        const int noughts = int(board.count(u'O') - before.count(u'O'));
        if (!wasRunning || before[e.arg] != u'.') {
            if (board != before) return QStringLiteral("a refused click changed the board");
        } else if (w.Pelaajia == 2) {
            if (crosses + noughts != 1 || board[e.arg] == u'.') return QStringLiteral("two-player move");
        } else {
            QString person = before;
            person[e.arg] = u'X';
            const bool canMove = !hasAnyLine(person, u'X') && person.contains(u'.');
            if (crosses != 1 || board[e.arg] != u'X' || noughts != (canMove ? 1 : 0))
                return QStringLiteral("one-player move %1 -> %2").arg(before, board);
        }
    } else if (board.count(u'O') > before.count(u'O') + 1 || board.count(u'X') > before.count(u'X')) {
        return QStringLiteral("a menu command placed marks");
    }
    return QString();
}
