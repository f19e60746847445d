// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The Finnish rules, readme.txt: the installed copy when the program runs
// installed, else the source tree's; empty when neither is there.
QString ohjeenPolku();

// Opens the rules with the desktop's default viewer. Where there is none,
// nothing happens.
void avaaOhje();
