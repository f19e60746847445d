#include "forms/beep.h"

#include <QApplication>

namespace forms {

void Beep::sound() {
    ++count_;
    QApplication::beep();
}

} // namespace forms
