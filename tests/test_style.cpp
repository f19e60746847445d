// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop's style as its settings portal tells it (support/portal.py on
// the test's own session bus, saying dark before the game starts): the game
// turns dark, every text still reads, and it follows each change while it runs.
#include "forms/style.h"
#include "support/contrast.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLibraryInfo>
#include <QTest>
#include <QVersionNumber>

using namespace Qt::StringLiterals;

class Style : public QObject {
    Q_OBJECT
private slots:
    void followsTheDesktop();
};

static QDBusMessage toPortal(const QString& interface, const QString& method) {
    return QDBusMessage::createMethodCall(u"org.freedesktop.portal.Desktop"_s,
                                          u"/org/freedesktop/portal/desktop"_s, interface, method);
}

// What the desktop tells the portal: 1 dark, 2 light, or anything else.
static void tell(const QVariant& value) {
    const QDBusMessage reply =
        QDBusConnection::sessionBus().call(toPortal(u"io.github.lautari98.tests.Portal"_s, u"Set"_s)
                                           << QVariant::fromValue(QDBusVariant(value)));
    QVERIFY2(reply.type() == QDBusMessage::ReplyMessage, qPrintable(reply.errorMessage()));
}

// The application's palette once the game has heard all that the portal sent
// so far: a call of the test's own comes back after it.
static QPalette settled() {
    QDBusConnection::sessionBus().call(toPortal(u"org.freedesktop.portal.Settings"_s, u"Read"_s)
                                       << u"org.freedesktop.appearance"_s << u"color-scheme"_s);
    QCoreApplication::processEvents();
    return QApplication::palette();
}

// Told dark, the game is dark: with its own palette where the desktop's was
// light, never laid over a dark one of the desktop's. Told anything else, its
// own dark palette is gone and the desktop's is back. From Qt 6.5 on, Qt's
// GNOME and GTK themes follow the portal themselves (Debian 13): there the
// desktop's palette after each answer is Qt's to choose.
void Style::followsTheDesktop() {
    const QPalette desktops = QApplication::palette();
    const bool desktopDark = desktops.color(QPalette::Window).lightness() < 128;
    QVERIFY(!qEnvironmentVariable("GTK_THEME").endsWith(u":dark"_s) || desktopDark);
    const bool qtFollows = QLibraryInfo::version() >= QVersionNumber(6, 5) &&
                           QGuiApplication::platformName() != u"offscreen";
    const auto told = [&](bool dark) {
        const QPalette now = settled();
        const bool isDark = now.color(QPalette::Window).lightness() < 128;
        if (dark)
            return isDark && (qtFollows || now == (desktopDark ? desktops : forms::darkPalette()));
        return now != forms::darkPalette() && (qtFollows || now == desktops);
    };
    Window w;
    const QList<QWidget*> shown = openEveryWindow(w);
    QVERIFY(told(true)); // before the game started
    expectReadable(shown);
    tell(2u);
    QVERIFY(told(false));
    expectReadable(shown);
    // Switched back and forth faster than anyone would: the last one holds.
    for (uint i = 0; i < 10; ++i)
        tell(i % 2 ? 1u : 2u);
    QVERIFY(told(true));
    // A value it does not know, or of another type, is no preference.
    tell(7u);
    QVERIFY(told(false));
    tell(1u);
    tell(u"1"_s);
    QVERIFY(told(false));
}

QTEST_MAIN(Style)
#include "test_style.moc"
