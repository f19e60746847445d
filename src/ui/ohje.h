// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The Finnish rules, readme.txt: the installed copy when the program runs
// installed, else the source tree's; empty when neither is there.
QString ohjeenPolku();

// Opens the rules with the desktop's default viewer. Where that cannot be
// done (no opener, no viewer for text, no file), the game shows the same
// text itself, in one window beside `kysyja`'s main window.
void avaaOhje(QWidget* kysyja);
