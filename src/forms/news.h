// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <deque>
#include <memory>
#include <vector>

namespace forms {

// One line of news: a notification in its window, named by its words.
class NewsLine : public QObject {
    Q_OBJECT
public:
    NewsLine(const QString& words, QWidget* window) : window_(window) { setObjectName(words); }
    QWidget* window() const { return window_; }

private:
    QPointer<QWidget> window_;
};

// News for a screen reader of what an event in the window changed, told as
// one line once the event is done: a new game's words, the squares marked in
// their order (each by its accessible name as it then stands), and the status
// line where it changed since last told, or after a new game. Each line is an
// object of its own, so that a reader that is behind still reads the words of
// the line it was told of; the last eight are kept. (Qt 6.8's announcement
// event is heard by Orca 48 just as surely, but leaves nothing to read again,
// and Qt 6.4 has none.) Nothing is gathered while no screen reader listens.
class News : public QObject {
    Q_OBJECT
public:
    News(QWidget* window, const QLabel* status, QString newGameWords);
    ~News() override;

    void marked(const QWidget* square);
    void newGame(); // the marks wiped by it are no news

private:
    void gather();
    void tell();

    QWidget* window_;
    QPointer<const QLabel> status_;
    QString newGameWords_;
    bool newGame_ = false;
    bool gathering_ = false;
    std::vector<QPointer<const QWidget>> marked_;
    QString toldStatus_;
    std::deque<std::unique_ptr<NewsLine>> lines_;
};

} // namespace forms
