#pragma once

namespace forms {

// Tells screen readers what the stand-in controls are: a picture box is a
// button named by its accessible name; a label reports its caption as its
// value when it has a name of its own, and the status line is a status bar.
void installAccessibility();

} // namespace forms
