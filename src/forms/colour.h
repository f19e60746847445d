// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace forms {

// Gives `widget` (a menu bar or a menu) the desktop's highlight, darkened or
// lightened until the highlighted item's text contrasts with it at least
// 4.5:1, from the colours of `desktop`. Some desktops' highlights, Qt's own
// default among them, hold white text at less. Where the style fills the
// highlighted item with a colour of its own, the text is made to read on that.
void readableHighlight(QWidget* widget, const QWidget* desktop);

} // namespace forms
