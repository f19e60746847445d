// SPDX-License-Identifier: GPL-3.0-or-later
#include "position.h"

#include "ui/lautari.h"

namespace position {

// Numbered as the window draws them: the top row, the right column, the
// bottom row, the left column, the two diagonals, the middle column and row.
const int kLines[8][3] = {{0, 1, 2}, {2, 5, 8}, {6, 7, 8}, {0, 3, 6},
                          {0, 4, 8}, {2, 4, 6}, {1, 4, 7}, {3, 4, 5}};

void lay(Lautari& w, QStringView board) {
    for (Sq s : kRuudut) {
        forms::PictureBox& box = w.ruutu(s);
        const bool cross = board[s] == u'X', nought = board[s] == u'O';
        box.setTag(cross ? kRisti.toString() : nought ? kNolla.toString() : QString());
        if (cross || nought)
            box.setPictureFrom(cross ? *w.Risti : *w.Nolla);
        else
            box.clearPicture();
    }
}

QString read(const Lautari& w) {
    QString out;
    for (Sq s : kRuudut) {
        const forms::PictureBox& box = w.ruutu(s);
        const qint64 picture = box.picture().cacheKey();
        if (box.tag() == kRisti && picture == w.Risti->picture().cacheKey())
            out += u'X';
        else if (box.tag() == kNolla && picture == w.Nolla->picture().cacheKey())
            out += u'O';
        else
            out += box.tag().isEmpty() && !box.hasPicture() ? u'.' : u'?';
    }
    return out;
}

QChar winner(QStringView board) {
    for (const auto& l : kLines)
        if (board[l[0]] != u'.' && board[l[0]] == board[l[1]] && board[l[1]] == board[l[2]])
            return board[l[0]];
    return u'.';
}

float ScriptedRandom::next() {
    if (script.empty()) return float(engine_() >> 8) * (1.0f / 16777216.0f);
    const float x = script.front();
    script.pop_front();
    return x;
}

// floor(9x) + 1 names square n + 1 for x in the middle of its ninth.
void ScriptedRandom::pushSquares(std::initializer_list<int> squares) {
    for (int s : squares)
        script.push_back((float(s) + 0.5f) / 9.0f);
}

} // namespace position
