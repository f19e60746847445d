// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace forms {

// A label of the old runtime. A sunken one has the two-pixel sunken edge and a
// white background, as the counters and the status line do.
class Label : public QLabel {
    Q_OBJECT
public:
    Label(QWidget* parent, const QString& caption, Qt::Alignment alignment, bool sunken = false);

    // A status line tells screen readers of each new caption.
    void setStatusLine(bool statusLine) { statusLine_ = statusLine; }
    bool isStatusLine() const { return statusLine_; }
    // What a screen reader says before the caption, as in "Voitot, Helppo: 3".
    void setSpokenPrefix(const QString& prefix) { spokenPrefix_ = prefix; }
    const QString& spokenPrefix() const { return spokenPrefix_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool sunken_;
    bool statusLine_ = false;
    QString spokenPrefix_;
};

} // namespace forms
