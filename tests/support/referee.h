// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/window.h"

#include <QStringList>

// What a person can do to the window, as words: a square's name clicks it;
// "N" starts a new game; "H", "K", "V" choose the level; "1P", "2P" the
// players; "P", "T" the starter; "A" opens the About box and "OK" closes it.
inline const QStringList kEvents = {"a1", "a2", "a3", "b1", "b2", "b3", "c1", "c2", "c3", "N",
                                    "H",  "K",  "V",  "1P", "2P", "P",  "T",  "A",  "OK"};

// Carries out events on a window and checks after each one what must always
// hold, whatever came before:
// - every square's mark and picture agree;
// - the board is locked exactly when the game has ended;
// - the visible segments are exactly those of the complete lines;
// - the status line holds one of the texts the game writes;
// - the check marks agree with the settings, and the starter captions with
//   the number of players;
// - the nine counters add up to the games that have ended since start;
// - a move of the person adds one mark, and in a one-player game the
//   computer adds one nought exactly when it can move.
class Referee {
public:
    explicit Referee(Window& w) : w_(w) {}

    // Returns what broke, or an empty text.
    QString apply(const QString& event);
    int gamesEnded() const { return ended_; }

private:
    QString check(int square, const QString& before, bool wasRunning) const;

    Window& w_;
    int ended_ = 0;
};
