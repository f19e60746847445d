// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/pointer.h"

#include <QWidget>

namespace forms {

void MousePointer::setBusy() { window_->setCursor(Qt::WaitCursor); }

void MousePointer::setDefault() { window_->unsetCursor(); }

} // namespace forms
