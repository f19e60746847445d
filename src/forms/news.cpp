// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/news.h"

#include <QAccessible>
#include <QTimer>
#include <utility>

namespace forms {

News::News(QWidget* window, const QLabel* status, QString newGameWords)
    : QObject(window), window_(window), status_(status), newGameWords_(std::move(newGameWords)) {}

News::~News() = default;

void News::marked(const QWidget* square) {
    if (!QAccessible::isActive()) return;
    marked_.emplace_back(square);
    gather();
}

void News::newGame() {
    if (!QAccessible::isActive()) return;
    // New games in quick succession are each told: the one before now, this
    // one by the telling already on its way.
    if (newGame_) tell();
    newGame_ = true;
    marked_.clear();
    gather();
}

// The first news of an event has the line told once the event is done.
void News::gather() {
    if (std::exchange(gathering_, true)) return;
    QTimer::singleShot(0, this, [this] {
        gathering_ = false;
        tell();
    });
}

void News::tell() {
    QStringList parts;
    if (newGame_) parts << newGameWords_;
    for (const QPointer<const QWidget>& square : marked_)
        if (square) parts << square->accessibleName();
    const QString status = status_ ? status_->text() : QString();
    if (!status.isEmpty() && (status != toldStatus_ || newGame_)) parts << status;
    toldStatus_ = status;
    newGame_ = false;
    marked_.clear();
    if (parts.isEmpty()) return;

    if (lines_.size() == 8) lines_.pop_front();
    lines_.push_back(std::make_unique<NewsLine>(parts.join(QStringLiteral(", ")), window_));
    QAccessibleEvent shown(lines_.back().get(), QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace forms
