// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <array>

namespace forms {

// One line of news: a notification in its window, named by its words.
class NoticeLine : public QObject {
    Q_OBJECT
public:
    NoticeLine(const QString& words, QWidget* window) : window_(window) { setObjectName(words); }
    QWidget* window() const { return window_; }

private:
    QPointer<QWidget> window_;
};

// News for a screen reader that happen away from the focus. Each line is a
// notification that appears in the window, which screen readers speak as it
// comes. Every line is an object of its own, so that a reader that is behind
// still reads the words of the line it was told of; the last few are kept,
// and older ones make room. Nothing is done while no screen reader listens.
class Notice {
public:
    explicit Notice(QWidget* window) : window_(window) {}
    ~Notice();
    Notice(const Notice&) = delete;
    Notice& operator=(const Notice&) = delete;

    void say(const QString& words);

private:
    QWidget* window_;
    std::array<NoticeLine*, 8> lines_{};
    int next_ = 0;
};

} // namespace forms
