#include "forms/picturebox.h"

#include "forms/border.h"
#include "forms/linecontrol.h"

#include <QMouseEvent>
#include <QPainter>

namespace forms {

PictureBox::PictureBox(QWidget* parent, bool border) : QWidget(parent), border_(border) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setTag(const QString& tag) {
    if (tag_ == tag) return;
    tag_ = tag;
    emit tagChanged();
}

void PictureBox::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

QRect PictureBox::innerRect() const {
    const int b = border_ ? kBorderWidth : 0;
    return rect().adjusted(b, b, -b, -b);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect inner = innerRect();
    p.fillRect(rect(), Qt::white);
    if (!picture_.isNull()) p.drawPixmap(inner.topLeft(), picture_);

    p.save();
    p.setClipRect(inner);
    p.translate(inner.topLeft());
    // Wide lines of the old runtime had round ends and no smoothing.
    p.setPen(QPen(QColor(255, 255, 0), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const LineControl* line : lines_)
        if (line->isVisible()) p.drawLine(line->line());
    p.restore();

    if (border_) drawSunkenBorder(p, rect());
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
    if (click) emit clicked();
}

} // namespace forms
