// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace forms {

// The window's mouse pointer: the default arrow or the busy hourglass.
class MousePointer {
public:
    explicit MousePointer(QWidget* window) : window_(window) {}

    void setBusy();
    void setDefault();

private:
    QWidget* window_;
};

} // namespace forms
