// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "position.h"
#include "ui/lautari.h"

#include <QDialog>
#include <memory>

// What a person can do to the window, as words: a square's name clicks it;
// "N" starts a new game; "H", "K", "V" choose the level; "1P", "2P" the
// players; "P", "T" the starter; "A" opens the About box.
inline const QStringList kEvents = {"a1", "a2", "a3", "b1", "b2", "b3", "c1", "c2", "c3",
                                    "N",  "H",  "K",  "V",  "1P", "2P", "P",  "T",  "A"};

// `text` with each name in braces ("{turn 2}") replaced by the game's words
// that tests/words.txt gives it.
QString words(QString text);

// The game window with a scripted random source, shown offscreen unless told
// otherwise (a window that is not shown still takes clicks, and costs less).
struct Window {
    explicit Window(bool shown = true);

    Lautari* operator->() { return w.get(); }

    void lay(QStringView board) { position::lay(*w, board); }
    QString board() const { return position::read(*w); }
    // A real left-button click on the square's widget, for each square named.
    void click(std::initializer_list<Sq> squares);
    // Does what each word of `events` (kEvents) names.
    void apply(QStringView events);
    // Asks for the rules where no opener is found, so that the game shows them
    // in its own window; returns that window once it is there.
    QDialog* ownRules();

    std::unique_ptr<Lautari> w;
    position::ScriptedRandom* random = nullptr;
};
