// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/referee.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

using namespace Qt::StringLiterals;

QString Referee::apply(const QString& event) {
    Lautari& w = *w_;
    const QString before = w_.board();
    const bool wasRunning = w.PelinTila == kKaynnissa;
    const int i = int(kEvents.indexOf(event));
    std::optional<forms::MenuItem>* items[] = {&w.MnuUusi,    &w.MnuHelppo,    &w.MnuKeskitaso,
                                               &w.MnuVaikea,  &w.Mnu1Pelaaja,  &w.Mnu2Pelaajaa,
                                               &w.MnuPelaaja, &w.MnuTietokone, &w.MnuTietoja};
    if (i < 0) return u"no such event: "_s + event;
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
    if (board.contains(u'?')) return u"mark and picture disagree: "_s + board;

    const bool ended = w.PelinTila == kLoppu;
    if (!ended && w.PelinTila != kKaynnissa) return u"unknown state "_s + w.PelinTila;
    const auto enabled = [&](Sq s) { return w.ruutu(s).isEnabled(); };
    if (std::count_if(std::begin(kRuudut), std::end(kRuudut), enabled) != (ended ? 0 : 9))
        return u"lock and state disagree"_s;

    QStringList complete;
    for (int L = 0; L < 8; ++L) {
        const auto& l = position::kLines[L];
        if (board[l[0]] != u'.' && board[l[0]] == board[l[1]] && board[l[1]] == board[l[2]])
            complete << QString::number(L + 1);
    }
    if (w_.lines() != complete.join(u' ')) return u"segments "_s + w_.lines() + u" on "_s + board;

    const QString won = u"Voittaja : "_s;
    const QStringList texts =
        u"|Vuoro : Pelaaja 1|Vuoro : Pelaaja 2|Tasapeli (Ruudukko Täysi)"_s.split(u'|')
        << won + w.MnuPelaaja->caption() << won + w.MnuTietokone->caption();
    if (!texts.contains(w.RnTeksti->text())) return u"status "_s + w.RnTeksti->text();

    // Check marks and starter captions as the settings say they must read.
    const bool one = w.Pelaajia == 1;
    auto marks = [](auto... items) { return (QString((*items)->checked() ? u'x' : u'-') + ...); };
    const QString menus = marks(&w.MnuHelppo, &w.MnuKeskitaso, &w.MnuVaikea, &w.Mnu1Pelaaja,
                                &w.Mnu2Pelaajaa, &w.MnuPelaaja, &w.MnuTietokone) +
                          w.MnuPelaaja->caption() + w.MnuTietokone->caption();
    QString want(7, u'-');
    want[w.Vaikeus - 1] = want[one ? 3 : 4] = want[w.Aloittaja == kPelaaja ? 5 : 6] = u'x';
    want += one ? u"PelaajaTietokone" : u"Pelaaja 1Pelaaja 2";
    if (menus != want) return u"menus %1 for settings %2"_s.arg(menus, want);

    if (w_.finishedGames() != ended_)
        return u"%1 counted for %2 games ended"_s.arg(w_.finishedGames()).arg(ended_);

    const auto added = [&](QChar mark) { return board.count(mark) - before.count(mark); };
    if (square < 0)
        return added(u'X') > 0 || added(u'O') > 1 ? u"a menu command placed marks"_s : QString();
    if (!wasRunning || before[square] != u'.')
        return board == before ? QString() : u"a refused click changed the board"_s;
    if (!one)
        return added(u'X') + added(u'O') == 1 && board[square] != u'.' ? QString()
                                                                       : u"two-player move"_s;
    QString person = before;
    person[square] = u'X';
    const bool canMove = position::winner(person) == u'.' && person.contains(u'.');
    if (added(u'X') != 1 || board[square] != u'X' || added(u'O') != (canMove ? 1 : 0))
        return u"one-player move %1 -> %2"_s.arg(before, board);
    return QString();
}
