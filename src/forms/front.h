// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace forms {

// Shows a window of the game's own in front, active, with the keyboard focus,
// also where it was open already behind another.
void showInFront(QWidget* window);

} // namespace forms
