// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace forms {

// Tells screen readers what the stand-in controls are: a picture box that
// takes focus is a button named by its accessible name, one that does not is
// a picture; a label is read as its spoken prefix and caption, and the status
// line is a status bar.
void installAccessibility();

} // namespace forms
