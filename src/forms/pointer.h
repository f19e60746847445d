// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace forms {

// The window's mouse pointer: the default arrow or the busy hourglass. It
// counts how often the busy pointer was shown.
class MousePointer {
public:
    explicit MousePointer(QWidget* window) : window_(window) {}

    void setBusy();
    void setDefault();
    bool isBusy() const { return busy_; }
    int timesBusy() const { return timesBusy_; }

private:
    QWidget* window_;
    bool busy_ = false;
    int timesBusy_ = 0;
};

} // namespace forms
