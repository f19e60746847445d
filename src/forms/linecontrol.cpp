// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/linecontrol.h"

#include "forms/picturebox.h"

namespace forms {

void LineControl::place(PictureBox* host, QLineF line) {
    host_ = host;
    line_ = line;
    host_->addLine(this);
}

void LineControl::setVisible(bool visible) {
    if (visible_ == visible) return;
    visible_ = visible;
    host_->update();
}

} // namespace forms
