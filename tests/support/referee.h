// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/window.h"

// Something a person can do to the window.
struct Event {
    enum Kind { Click, NewGame, Level, Players, Starter, OpenAbout, CloseAbout };
    Kind kind;
    int arg = 0; // the square 0..8, the level 1..3, the players 1..2, the starter 0..1
};

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
    QString apply(const Event& event);
    int gamesEnded() const { return ended_; }

private:
    void perform(const Event& event);
    QString check(const Event& event, const QString& before, bool wasRunning) const;

    Window& w_;
    int ended_ = 0;
};
