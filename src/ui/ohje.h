// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QWidget;

// The Finnish rules, readme.txt, in the game's data folder beside the
// program, installed or in a build; empty when it is not there.
QString ohjeenPolku();

// Opens the rules with the desktop's default viewer. Where that cannot be
// done (no opener, no viewer for text, no file), the game shows the same
// text itself, in one window beside `kysyja`'s main window.
void avaaOhje(QWidget* kysyja);
