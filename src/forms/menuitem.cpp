// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/menuitem.h"

#include <QMenu>

namespace forms {

MenuItem::MenuItem(QMenu* menu, const QString& name, const QString& caption, bool checkable,
                   std::function<void()> onClick)
    : action_(menu->addAction(caption)) {
    action_->setObjectName(name);
    // Checkable so that the mark shows, to the eye and to screen readers; the
    // automatic toggle is undone before the handler sees the item.
    action_->setCheckable(checkable);
    QObject::connect(action_, &QAction::triggered, action_,
                     [action = action_, onClick = std::move(onClick)](bool nowChecked) {
                         if (action->isCheckable()) action->setChecked(!nowChecked);
                         onClick();
                     });
}

} // namespace forms
