// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/window.h"

#include <QList>

// Every window of the game that shows text, open at once: the window mid-game
// in two players' hands with its menu VaikeusTaso opened, the About box and
// the game's own rules window.
QList<QWidget*> openEveryWindow(Window& w);

// Every text of `shown` reads, as measured from the pixels drawn: the colour
// that stands out most from a text's ground, its ink, contrasts with it at
// least 4.5:1, 3:1 for the large headings, as the web's accessibility
// guidelines measure it. Fails the calling test, naming the text.
void expectReadable(const QList<QWidget*>& shown);
