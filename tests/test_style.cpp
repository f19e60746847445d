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
#include <QTest>

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

void Style::followsTheDesktop() {
    // Where Qt took a dark palette from the desktop, the game keeps it.
    const QPalette desktops = QApplication::palette();
    QVERIFY(!qEnvironmentVariable("GTK_THEME").endsWith(u":dark"_s) ||
            desktops.color(QPalette::Window).lightness() < 128);
    const QPalette dark =
        desktops.color(QPalette::Window).lightness() < 128 ? desktops : forms::darkPalette();
    Window w;
    const QList<QWidget*> shown = openEveryWindow(w);
    QVERIFY(settled() == dark); // told before the game started
    expectReadable(shown);
    tell(2u);
    QVERIFY(settled() == desktops);
    expectReadable(shown);
    // Switched back and forth faster than anyone would: the last one holds.
    for (uint i = 0; i < 10; ++i)
        tell(i % 2 ? 1u : 2u);
    QVERIFY(settled() == dark);
    // A value it does not know, or of another type, is no preference.
    tell(7u);
    QVERIFY(settled() == desktops);
    tell(1u);
    tell(u"1"_s);
    QVERIFY(settled() == desktops);
}

QTEST_MAIN(Style)
#include "test_style.moc"
