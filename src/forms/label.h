#pragma once

#include <QLabel>

namespace forms {

// A label of the old runtime. A sunken one has the two-pixel sunken edge and a
// white background, as the counters and the status line do.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& caption, Qt::Alignment alignment, bool sunken = false);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool sunken_;
};

} // namespace forms
