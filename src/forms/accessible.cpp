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
    explicit AccessibleLabel(Label* label)
        : QAccessibleWidget(label, label->isStatusLine() ? QAccessible::StatusBar
                                                         : QAccessible::StaticText) {}
    QString text(QAccessible::Text t) const override {
        const auto* label = static_cast<const Label*>(widget());
        const bool named = !label->accessibleName().isEmpty();
        if (t == QAccessible::Name) return named ? label->accessibleName() : label->text();
        if (t == QAccessible::Value) return named ? label->text() : QString();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* factory(const QString& className, QObject* object) {
    if (className == QLatin1String("forms::PictureBox"))
        return new AccessiblePictureBox(static_cast<PictureBox*>(object));
    if (className == QLatin1String("forms::Label"))
        return new AccessibleLabel(static_cast<Label*>(object));
    return nullptr;
}

} // namespace

void installAccessibility() {
    static const bool installed = (QAccessible::installFactory(factory), true);
    Q_UNUSED(installed);
}

} // namespace forms
