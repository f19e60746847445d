// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// The program's icon for the window and the About box, in the sizes a title
// bar or task switcher shows; the larger ones are in the installed icon theme.
QIcon ohjelmanIkoni();
