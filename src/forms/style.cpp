// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms/style.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QPalette>
#include <QWidget>

namespace forms {

QPalette darkPalette() {
    QPalette dark(QColor(53, 53, 53)); // window and buttons; white text on black fields
    dark.setColor(QPalette::Highlight, QColor(53, 132, 228));
    dark.setColor(QPalette::Link, QColor(120, 174, 237));
    dark.setColor(QPalette::LinkVisited, QColor(192, 150, 240));
    return dark;
}

namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kAppearance = QStringLiteral("org.freedesktop.appearance");
const QString kColorScheme = QStringLiteral("color-scheme");
// A busy portal may take a while to answer; the window meanwhile shows the
// desktop's own palette.
constexpr int kDeadlineMs = 10000;

class DesktopStyle : public QObject {
    Q_OBJECT
public:
    explicit DesktopStyle(QObject* parent) : QObject(parent) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected()) return;
        bus.connect(kPortal, kPath, kSettings, QStringLiteral("SettingChanged"), this,
                    SLOT(settingChanged(QDBusMessage)));
        QDBusMessage read =
            QDBusMessage::createMethodCall(kPortal, kPath, kSettings, QStringLiteral("Read"));
        read << kAppearance << kColorScheme;
        // A desktop runs its portal; one that is only installed is not started
        // for this (SettingChanged still comes if it starts later).
        read.setAutoStartService(false);
        auto* answer = new QDBusPendingCallWatcher(bus.asyncCall(read, kDeadlineMs), this);
        connect(answer, &QDBusPendingCallWatcher::finished, this, [this, answer] {
            const QDBusMessage reply = answer->reply();
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty())
                follow(reply.arguments().constFirst());
            answer->deleteLater();
        });
    }

private slots:
    void settingChanged(const QDBusMessage& change) {
        const QVariantList said = change.arguments(); // namespace, key, value
        if (said.size() == 3 && said[0] == kAppearance && said[1] == kColorScheme) follow(said[2]);
    }

private:
    // 1 is a preference for dark, 0 none and 2 light; anything else, or a
    // value of another type, is taken as none.
    void follow(QVariant value) {
        while (value.metaType() == QMetaType::fromType<QDBusVariant>()) // Read wraps it once more
            value = value.value<QDBusVariant>().variant();
        const bool dark = value.metaType() == QMetaType::fromType<uint>() && value.toUInt() == 1;
        if (dark == ours_) return;
        // A dark palette that Qt took from the desktop stays as it is.
        if (dark && QApplication::palette().color(QPalette::Window).lightness() < 128) return;
        ours_ = dark;
        // Windows that open meanwhile are seen as they are polished.
        dark ? qApp->installEventFilter(this) : qApp->removeEventFilter(this);
        QApplication::setPalette(dark ? darkPalette() : QPalette()); // or the desktop's own again
        for (QWidget* window : QApplication::topLevelWidgets())
            paint(window);
    }

    // Qt's platform themes give some kinds of widget palettes of their own
    // (GTK's labels, from Qt 6.8), which the application's palette does not
    // reach; the palette of the window they are in does. Menus keep theirs,
    // whose highlight the window makes readable on its colours.
    static void paint(QWidget* window) {
        if (window->windowType() != Qt::Popup)
            window->setPalette(ours_ ? darkPalette() : QPalette());
    }

    // Windows that open later take it too.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (ours_ && event->type() == QEvent::Polish && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow())
            paint(static_cast<QWidget*>(watched));
        return QObject::eventFilter(watched, event);
    }

    static inline bool ours_ = false; // the dark palette is the game's own
};

} // namespace

void followDesktopStyle() {
    static bool following = false;
    if (following) return;
    following = true;
    new DesktopStyle(qApp);
}

} // namespace forms

#include "style.moc"
