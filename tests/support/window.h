// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "position.h"
#include "ui/lautari.h"

#include <QDialog>
#include <memory>

// The game window with a scripted random source, shown offscreen unless told
// otherwise (a window that is not shown still takes clicks, and costs less).
struct Window {
    explicit Window(bool shown = true);
    explicit Window(std::unique_ptr<forms::RandomSource> source, bool shown = true);

    Lautari* operator->() { return w.get(); }
    Lautari& operator*() { return *w; }

    void lay(QStringView board) { position::lay(*w, board); }
    QString board() const { return position::read(*w); }
    // A real left-button click on the square's widget, for each square named.
    void click(std::initializer_list<Sq> squares);
    // Asks for the rules where no opener is found, so that the game shows them
    // in its own window; returns that window once it is there.
    QDialog* ownRules();

    // The visible segments as line numbers, "1 4" for lines 1 and 4.
    QString lines() const;
    int finishedGames() const;

    std::unique_ptr<Lautari> w;
    position::ScriptedRandom* random = nullptr;
};
