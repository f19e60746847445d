// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window.h"
#include "ui/ohje.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

using namespace Qt::StringLiterals;

QString words(QString text) {
    static const QHash<QString, QString> named = [] {
        QFile file(QStringLiteral(LAUTARI_WORDS));
        QHash<QString, QString> named;
        file.open(QIODevice::ReadOnly);
        const QRegularExpression line(u"^([^#\\n].*?) = (.*)$"_s,
                                      QRegularExpression::MultilineOption);
        for (auto it = line.globalMatch(QString::fromUtf8(file.readAll())); it.hasNext();) {
            const QRegularExpressionMatch word = it.next();
            named.insert(word.captured(1), word.captured(2));
        }
        return named;
    }();
    for (auto it = named.begin(); it != named.end(); ++it)
        text.replace(u'{' + it.key() + u'}', it.value());
    return text;
}

Window::Window(bool shown) : w(std::make_unique<Lautari>()) {
    auto source = std::make_unique<position::ScriptedRandom>();
    random = source.get();
    w->setRandomSource(std::move(source));
    if (shown) w->show();
}

void Window::click(std::initializer_list<Sq> squares) {
    for (Sq s : squares)
        QTest::mouseClick(&w->ruutu(s), Qt::LeftButton);
}

void Window::apply(QStringView events) {
    std::optional<forms::MenuItem>* items[] = {&w->MnuUusi,    &w->MnuHelppo,    &w->MnuKeskitaso,
                                               &w->MnuVaikea,  &w->Mnu1Pelaaja,  &w->Mnu2Pelaajaa,
                                               &w->MnuPelaaja, &w->MnuTietokone, &w->MnuTietoja};
    for (QStringView event : events.split(u' ', Qt::SkipEmptyParts)) {
        const int i = int(kEvents.indexOf(event));
        QVERIFY2(i >= 0, qPrintable(event.toString()));
        i < 9 ? click({kRuudut[i]}) : (*items[i - 9])->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

QDialog* Window::ownRules() {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nowhere"); // the opener is looked up as it starts
    avaaOhje(w.get());
    qputenv("PATH", path);
    // The rules are shown once the opener has failed and is gone.
    (void)QTest::qWaitFor([] { return qApp->findChildren<QProcess*>().isEmpty(); });
    return w->findChild<QDialog*>(u"Ohje"_s); // null where they never came
}
