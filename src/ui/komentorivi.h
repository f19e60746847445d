// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

// Reads the command line before any window opens, so that --help and
// --version answer without a display. Returns the exit status when the
// program has answered and must end (0, or 2 for a bad command line), or
// nothing when the game is to start. Qt's own options are let through for
// QApplication to take.
std::optional<int> lueKomentorivi(int argc, char** argv);

// Around the building of QApplication: where no display can be had, the
// program says so in one line and ends with status 1 instead of Qt's abort
// and its advice to reinstall. Qt's messages meanwhile are held back and
// shown afterwards if the display was found.
void odotaNayttoa();
void nayttoLoytyi();
