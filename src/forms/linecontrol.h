// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineF>

namespace forms {

class PictureBox;

// A straight line drawn inside a picture box, over its image. Coordinates are
// pixels from the top left corner of the box's inner area.
class LineControl {
public:
    LineControl() = default;
    LineControl(const LineControl&) = delete;
    LineControl& operator=(const LineControl&) = delete;

    // Puts the line into its box; the box draws it from then on. A line is
    // placed before it is ever shown.
    void place(PictureBox* host, QLineF line);

    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    void setVisible(bool visible);
    bool isVisible() const { return visible_; }

    QLineF line() const { return line_; }
    PictureBox* host() const { return host_; }

private:
    PictureBox* host_ = nullptr;
    QLineF line_;
    bool visible_ = false;
};

} // namespace forms
