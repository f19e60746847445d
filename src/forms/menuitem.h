// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <functional>

class QMenu;

namespace forms {

// A menu item of the old runtime. Its check mark is plain state that only the
// program sets: choosing the item runs its handler and toggles nothing itself.
// A thin handle on a QAction that the menu owns.
class MenuItem {
public:
    MenuItem(QMenu* menu, const QString& name, const QString& caption, bool checkable,
             std::function<void()> onClick);

    bool checked() const { return action_->isChecked(); }
    void setChecked(bool checked) { action_->setChecked(checked); }
    QString caption() const { return action_->text(); }
    void setCaption(const QString& caption) { action_->setText(caption); }
    void setShortcut(const QKeySequence& key) { action_->setShortcut(key); }
    void click() { action_->trigger(); }

    QAction* action() const { return action_; }

private:
    QAction* action_;
};

} // namespace forms
