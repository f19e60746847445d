// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QPalette;

namespace forms {

// The palette the game takes where the desktop prefers a dark style: white
// text on dark grey, with a highlight and links that read on it.
QPalette darkPalette();

// Follows the desktop's preference for a dark or a light style where the
// desktop tells it through the settings portal (GNOME 43 and later, KDE
// Plasma 6), at start and whenever it changes: dark gives the application the
// dark palette, unless Qt already took a dark one from the desktop; light or
// no preference gives back the desktop's own. The portal's answer is awaited
// in the background, so the game never waits for a portal that is not there.
void followDesktopStyle();

} // namespace forms
