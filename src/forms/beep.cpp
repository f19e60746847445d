// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/beep.h"

#include <QApplication>

namespace forms {

void Beep::sound() {
    ++count_;
    QApplication::beep();
}

} // namespace forms
