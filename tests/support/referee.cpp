// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/referee.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

QString Referee::apply(const QString& event) {
    Lautari& w = *w_;
    const QString before = w_.board();
    const bool wasRunning = w.PelinTila == kKaynnissa;
    const int i = int(kEvents.indexOf(event));
    std::optional<forms::MenuItem>* items[] = {&w.MnuUusi,    &w.MnuHelppo,    &w.MnuKeskitaso,
                                               &w.MnuVaikea,  &w.Mnu1Pelaaja,  &w.Mnu2Pelaajaa,
                                               &w.MnuPelaaja, &w.MnuTietokone, &w.MnuTietoja};
    if (i < 0) return QStringLiteral("no such event: ") + event;
    if (i < 9) w_.click({kRuudut[i]});
    if (i >= 9 && i < 18) (*items[i - 9])->click();
    if (i == 18 && w.about()) w.about()->cmdOK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (wasRunning && w.PelinTila == kLoppu) ++ended_;
    return check(i < 9 ? i : -1, before, wasRunning);
}

QString Referee::check(int square, const QString& before, bool wasRunning) const {
    Lautari& w = *w_;
    const QString board = w_.board();
    if (board.contains(u'?')) return QStringLiteral("mark and picture disagree: ") + board;

    const bool ended = w.PelinTila == kLoppu;
    if (!ended && w.PelinTila != kKaynnissa) return QStringLiteral("unknown state ") + w.PelinTila;
    const auto enabled = [&](Sq s) { return w.ruutu(s).isEnabled(); };
    if (std::count_if(std::begin(kRuudut), std::end(kRuudut), enabled) != (ended ? 0 : 9))
        return QStringLiteral("lock and state disagree");

    QStringList complete;
    for (int L = 0; L < 8; ++L) {
        const auto& l = position::kLines[L];
        if (board[l[0]] != u'.' && board[l[0]] == board[l[1]] && board[l[1]] == board[l[2]])
            complete << QString::number(L + 1);
    }
    if (w_.lines() != complete.join(u' '))
        return QStringLiteral("segments ") + w_.lines() + QStringLiteral(" on ") + board;

    const QString won = QStringLiteral("Voittaja : ");
    const QStringList texts =
        QStringLiteral("|Vuoro : Pelaaja 1|Vuoro : Pelaaja 2|Tasapeli (Ruudukko Täysi)").split(u'|')
        << won + w.MnuPelaaja->caption() << won + w.MnuTietokone->caption();
    if (!texts.contains(w.RnTeksti->text())) return QStringLiteral("status ") + w.RnTeksti->text();

    // Check marks and starter captions as the settings say they must read.
    const bool one = w.Pelaajia == 1;
    auto marks = [](auto... items) { return (QString((*items)->checked() ? u'x' : u'-') + ...); };
    const QString menus = marks(&w.MnuHelppo, &w.MnuKeskitaso, &w.MnuVaikea, &w.Mnu1Pelaaja,
                                &w.Mnu2Pelaajaa, &w.MnuPelaaja, &w.MnuTietokone) +
                          w.MnuPelaaja->caption() + w.MnuTietokone->caption();
    QString want(7, u'-');
    want[w.Vaikeus - 1] = want[one ? 3 : 4] = want[w.Aloittaja == kPelaaja ? 5 : 6] = u'x';
    want += one ? u"PelaajaTietokone" : u"Pelaaja 1Pelaaja 2";
    if (menus != want) return QStringLiteral("menus %1 for settings %2").arg(menus, want);

    if (w_.finishedGames() != ended_)
        return QStringLiteral("%1 counted for %2 games ended").arg(w_.finishedGames()).arg(ended_);

    const auto added = [&](QChar mark) { return board.count(mark) - before.count(mark); };
    if (square < 0)
        return added(u'X') > 0 || added(u'O') > 1 ? QStringLiteral("a menu command placed marks")
                                                  : QString();
    if (!wasRunning || before[square] != u'.')
        return board == before ? QString() : QStringLiteral("a refused click changed the board");
    if (!one)
        return added(u'X') + added(u'O') == 1 && board[square] != u'.'
                   ? QString()
                   : QStringLiteral("two-player move");
    QString person = before;
    person[square] = u'X';
    const bool canMove = position::winner(person) == u'.' && person.contains(u'.');
    if (added(u'X') != 1 || board[square] != u'X' || added(u'O') != (canMove ? 1 : 0))
        return QStringLiteral("one-player move %1 -> %2").arg(before, board);
    return QString();
}
