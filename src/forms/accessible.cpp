#include "forms/accessible.h"

#include "forms/label.h"
#include "forms/picturebox.h"

#include <QAccessibleWidget>

namespace forms {

namespace {

class AccessiblePictureBox : public QAccessibleWidget {
public:
    explicit AccessiblePictureBox(PictureBox* box) : QAccessibleWidget(box, QAccessible::Button) {
        addControllingSignal(QStringLiteral("clicked()"));
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction() && widget()->isEnabled())
            emit static_cast<PictureBox*>(widget())->clicked();
    }
};

class AccessibleLabel : public QAccessibleWidget {
public:
    explicit AccessibleLabel(Label* label) : QAccessibleWidget(label) {}
    QAccessible::Role role() const override {
        return static_cast<const Label*>(widget())->isStatusLine() ? QAccessible::StatusBar
                                                                   : QAccessible::StaticText;
    }
    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const Label*>(widget());
        const bool named = !label->accessibleName().isEmpty();
        if (t == QAccessible::Name) return named ? label->accessibleName() : label->text();
        if (t == QAccessible::Value) return named ? label->text() : QString();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString&, QObject* object) {
    if (auto* box = qobject_cast<PictureBox*>(object)) return new AccessiblePictureBox(box);
    if (auto* label = qobject_cast<Label*>(object)) return new AccessibleLabel(label);
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
