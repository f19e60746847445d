// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/accessible.h"

#include "forms/label.h"
#include "forms/news.h"
#include "forms/picturebox.h"

#include <QAccessibleWidget>

namespace forms {

namespace {

// A square is a button that a screen reader can press or move the focus to;
// a box that takes no focus only shows a picture.
class AccessiblePictureBox : public QAccessibleWidget {
public:
    explicit AccessiblePictureBox(PictureBox* box) : QAccessibleWidget(box) {
        addControllingSignal(QStringLiteral("clicked()"));
    }
    QAccessible::Role role() const override {
        return isButton() ? QAccessible::Button : QAccessible::Graphic;
    }
    // A locked square is read-only, not unavailable: the lock is news of its
    // own ("Voittaja : ..."), and the finished board is read square by square.
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = !box()->isEnabled();
        return state;
    }
    QStringList actionNames() const override {
        return isButton() ? QStringList{pressAction(), setFocusAction()} : QStringList();
    }
    // Focus lives in the active window, so moving it brings the window forward.
    void doAction(const QString& action) override {
        if (!isButton()) return;
        if (action == pressAction() && box()->isEnabled()) {
            emit box()->clicked();
        } else if (action == setFocusAction()) {
            box()->activateWindow();
            box()->takeFocus();
        }
    }

private:
    PictureBox* box() const { return static_cast<PictureBox*>(widget()); }
    bool isButton() const { return widget()->focusPolicy() != Qt::NoFocus; }
};

// The caption is the name, after the spoken prefix if there is one. Qt's
// bridge carries the name alone for a label, and QLabel announces each new
// caption as a change of name.
class AccessibleLabel : public QAccessibleWidget {
public:
    explicit AccessibleLabel(Label* label) : QAccessibleWidget(label) {}
    QAccessible::Role role() const override {
        return label()->isStatusLine() ? QAccessible::StatusBar : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name) return QAccessibleWidget::text(t);
        const QString& prefix = label()->spokenPrefix();
        return prefix.isEmpty() ? label()->text() : prefix + QStringLiteral(": ") + label()->text();
    }

private:
    const Label* label() const { return static_cast<const Label*>(widget()); }
};

// A line of news: a notification without children, shown in its window.
class AccessibleNewsLine : public QAccessibleObject {
public:
    explicit AccessibleNewsLine(NewsLine* line) : QAccessibleObject(line) {}
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(line()->window());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? line()->objectName() : QString();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

private:
    NewsLine* line() const { return static_cast<NewsLine*>(object()); }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* box = qobject_cast<PictureBox*>(object)) return new AccessiblePictureBox(box);
    if (auto* label = qobject_cast<Label*>(object)) return new AccessibleLabel(label);
    if (auto* line = qobject_cast<NewsLine*>(object)) return new AccessibleNewsLine(line);
    return nullptr;
}

} // namespace

void installAccessibility() {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QAccessible::installFactory(factory);
}

} // namespace forms
