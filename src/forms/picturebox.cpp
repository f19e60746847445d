// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/picturebox.h"

#include "forms/border.h"
#include "forms/linecontrol.h"

#include <QKeyEvent>
#include <QPainter>

namespace forms {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }

void PictureBox::setTag(const QString& tag) {
    if (tag_ == tag) return;
    tag_ = tag;
    emit tagChanged();
}

void PictureBox::setPicture(const QIcon& picture) {
    picture_ = picture;
    update();
}

void PictureBox::addLine(const LineControl* line) {
    Q_ASSERT(lineCount_ < int(lines_.size()));
    if (lineCount_ < int(lines_.size())) lines_[lineCount_++] = line;
}

QRect PictureBox::innerRect() const {
    return rect().adjusted(kBorderWidth, kBorderWidth, -kBorderWidth, -kBorderWidth);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect inner = innerRect();
    p.fillRect(rect(), Qt::white);
    // Always the normal picture: a disabled box must not look greyed.
    if (!picture_.isNull())
        p.drawPixmap(inner.topLeft(), picture_.pixmap(inner.size(), devicePixelRatioF()));

    p.save();
    p.setClipRect(inner);
    p.translate(inner.topLeft());
    // Wide lines of the old runtime had round ends and no smoothing.
    p.setPen(QPen(QColor(255, 255, 0), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (int i = 0; i < lineCount_; ++i)
        if (lines_[i]->isVisible()) p.drawLine(lines_[i]->line());
    p.restore();

    if (showsFocusMark()) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(inner.adjusted(3, 3, -4, -4));
    }
    drawSunkenBorder(p, rect());
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    QWidget::mousePressEvent(event);
}

// A click is a press and a release of the left button over the same box.
void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click && enabled_) emit clicked();
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (enabled_) emit clicked();
        break;
    case Qt::Key_Left:
        emit arrowKey(-1, 0);
        break;
    case Qt::Key_Right:
        emit arrowKey(1, 0);
        break;
    case Qt::Key_Up:
        emit arrowKey(0, -1);
        break;
    case Qt::Key_Down:
        emit arrowKey(0, 1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

// The mark shows only for focus that the keyboard moved, so that play with
// the mouse looks exactly as it always did.
void PictureBox::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::MouseFocusReason)
        keyboardFocus_ = false;
    else if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
             reason == Qt::ShortcutFocusReason || reason == Qt::OtherFocusReason)
        keyboardFocus_ = true;
    update();
    QWidget::focusInEvent(event);
}

void PictureBox::takeFocus() {
    keyboardFocus_ = true;
    setFocus(Qt::OtherFocusReason);
}

void PictureBox::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

} // namespace forms
