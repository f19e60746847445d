// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

// Qt's own strings (the standard widgets' menus and buttons) in Finnish, where
// the system has Qt's Finnish translation. Returns whether it was found.
bool asennaKaannokset(QCoreApplication& app);
