// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>
#include <array>

namespace forms {

class LineControl;

// A square of the old forms runtime: a white box with a sunken border that
// shows one picture, carries a tag text and reports clicks. The picture is
// drawn at the screen's resolution where a sharper rendering of it exists.
//
// For the keyboard it is a button: Space or Enter clicks it, the arrow keys
// ask to move on, and a focus mark shows when the keyboard brought the focus.
//
// A box that is not enabled refuses every click, by the mouse, the keys or a
// screen reader, but looks exactly as it did and keeps the focus, which the
// keys still move: a locked board can be read square by square. (Qt's own
// disabled state would drop the focus, so the box keeps its own.)
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent);

    void setEnabled(bool enabled) { enabled_ = enabled; }
    bool isEnabled() const { return enabled_; }

    const QString& tag() const { return tag_; }
    void setTag(const QString& tag);

    // The box shows a copy of the other box's picture, or none.
    void setPictureFrom(const PictureBox& source) { setPicture(source.picture_); }
    void setPicture(const QIcon& picture);
    void clearPicture() { setPicture(QIcon()); }
    bool hasPicture() const { return !picture_.isNull(); }
    const QIcon& picture() const { return picture_; }

    // Area inside the border, where the picture and the lines are drawn.
    QRect innerRect() const;

    // At most four lines cross one square (the centre's).
    void addLine(const LineControl* line);
    bool showsFocusMark() const { return hasFocus() && keyboardFocus_; }
    // Takes the focus with the mark, as the keyboard would; in a window that
    // is not active yet, the mark shows once it is.
    void takeFocus();

signals:
    void clicked();
    void tagChanged();
    void arrowKey(int dx, int dy);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QString tag_;
    QIcon picture_;
    std::array<const LineControl*, 4> lines_{};
    int lineCount_ = 0;
    bool enabled_ = true;
    bool pressed_ = false;
    bool keyboardFocus_ = false;
};

} // namespace forms
