#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>
#include <vector>

namespace forms {

class LineControl;

// A square of the old forms runtime: a white box with a sunken border that
// shows one image, carries a tag text and reports clicks. A disabled box
// ignores clicks but looks exactly as it did.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent, bool border = true);

    const QString& tag() const { return tag_; }
    void setTag(const QString& tag);

    // The box shows a copy of the other box's image, or none.
    void setPictureFrom(const PictureBox& source) { setPicture(source.picture_); }
    void setPicture(const QPixmap& picture);
    void clearPicture() { setPicture(QPixmap()); }
    bool hasPicture() const { return !picture_.isNull(); }
    const QPixmap& picture() const { return picture_; }

    // Area inside the border, where the image and the lines are drawn.
    QRect innerRect() const;

    void addLine(const LineControl* line) { lines_.push_back(line); }

signals:
    void clicked();
    void tagChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString tag_;
    QPixmap picture_;
    std::vector<const LineControl*> lines_;
    bool border_;
    bool pressed_ = false;
};

} // namespace forms
