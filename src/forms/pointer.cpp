// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/pointer.h"

#include <QWidget>

namespace forms {

void MousePointer::setBusy() {
    busy_ = true;
    ++timesBusy_;
    window_->setCursor(Qt::WaitCursor);
}

void MousePointer::setDefault() {
    busy_ = false;
    window_->unsetCursor();
}

} // namespace forms
