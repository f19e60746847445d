// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/window.h"
#include "ui/ohje.h"

#include <QLabel>
#include <QTest>

using namespace Qt::StringLiterals;

Window::Window(bool shown) : Window(std::make_unique<position::ScriptedRandom>(), shown) {}

Window::Window(std::unique_ptr<forms::RandomSource> source, bool shown)
    : w(std::make_unique<Lautari>()),
      random(dynamic_cast<position::ScriptedRandom*>(source.get())) {
    w->setRandomSource(std::move(source));
    if (shown) w->show();
}

void Window::click(std::initializer_list<Sq> squares) {
    for (Sq s : squares)
        QTest::mouseClick(&w->ruutu(s), Qt::LeftButton);
}

QDialog* Window::ownRules() {
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nowhere"); // the opener is looked up as it starts
    avaaOhje(w.get());
    qputenv("PATH", path);
    QDialog* rules = nullptr;
    (void)QTest::qWaitFor([&] { return (rules = w->findChild<QDialog*>(u"Ohje"_s)); });
    return rules; // null where it never came
}

QString Window::lines() const {
    QStringList out;
    for (int L = 1; L <= 8; ++L) {
        const int shown =
            w->Viiva(L, 1).isVisible() + w->Viiva(L, 2).isVisible() + w->Viiva(L, 3).isVisible();
        if (shown) out << QString::number(L) + (shown < 3 ? u" in part"_s : QString());
    }
    return out.join(u' ');
}

int Window::finishedGames() const {
    int n = 0;
    for (const auto* table : {&w->Voitot, &w->Tp, &w->Haviot})
        for (const QLabel* label : *table)
            n += label->text().toInt();
    return n;
}
