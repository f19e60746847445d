// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/front.h"

#include <QGuiApplication>
#include <QWidget>

namespace forms {

// On Wayland a window that is open but not active comes back as a new one:
// hidden and shown again. A compositor such as KWin refuses a request to
// activate it that does not come from the active window, as a menu's popup
// is not; a window that opens anew gets the focus.
void showInFront(QWidget* window) {
    if (window->isVisible() && !window->isActiveWindow() &&
        QGuiApplication::platformName() == QLatin1String("wayland"))
        window->hide();
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace forms
