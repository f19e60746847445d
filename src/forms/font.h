// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

namespace forms {

// "MS Sans Serif" where it is installed, else Liberation Sans, whose widths
// fit the labels laid out for it.
QFont classicFont(int pointSize);

} // namespace forms
