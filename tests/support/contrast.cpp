// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/contrast.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

using namespace Qt::StringLiterals;

QList<QWidget*> openEveryWindow(Window& w) {
    w.apply(u"2P a1 b1 a2 b2 a3 A");
    QWidget* rules = w.ownRules();
    w->activateWindow();
    w->menuBar()->setActiveAction(w->menuBar()->actions()[1]);
    return {w.w.get(), w->about(), rules, QApplication::activePopupWidget()};
}

static double luminance(QRgb c) {
    double sum = 0;
    for (auto [v, weight] : {std::pair{qRed(c), 0.2126}, {qGreen(c), 0.7152}, {qBlue(c), 0.0722}})
        sum += weight * (v <= 10 ? v / 3294.6 : std::pow((v / 255.0 + 0.055) / 1.055, 2.4));
    return sum;
}

void expectReadable(const QList<QWidget*>& windows) {
    for (QWidget* shown : windows) {
        QVERIFY(shown && QTest::qWaitForWindowExposed(shown));
        const QImage picture = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
        // Where each text is, by its words: labels, buttons inside their frames,
        // the rules, and the items of menus.
        QList<std::tuple<QRect, QString, bool>> texts;
        const QList<QWidget*> parts = shown->findChildren<QWidget*>() << shown;
        for (QWidget* c : parts) {
            if (!c->isVisible() || c->window() != shown) continue;
            const QPoint at = c->mapTo(shown, QPoint());
            if (auto* label = qobject_cast<QLabel*>(c); label && !label->text().trimmed().isEmpty())
                texts.append({label->contentsRect().translated(at), label->text(),
                              label->font().pointSize() >= 18});
            if (auto* button = qobject_cast<QPushButton*>(c))
                texts.append({c->rect().adjusted(4, 4, -4, -4).translated(at), button->text(), 0});
            if (auto* edit = qobject_cast<QPlainTextEdit*>(c))
                texts.append({edit->viewport()->geometry().translated(at), u"rules"_s, false});
            for (QAction* a : c->actions()) {
                auto* bar = qobject_cast<QMenuBar*>(c);
                auto* menu = qobject_cast<QMenu*>(c);
                if ((bar || menu) && !a->isSeparator())
                    texts.append(
                        {(bar ? bar->actionGeometry(a) : menu->actionGeometry(a)).translated(at),
                         a->text(), false});
            }
        }
        for (auto [r, words, large] : texts) {
            QHash<QRgb, int> seen;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    ++seen[picture.pixel(x, y)];
            const QRgb paper = std::ranges::max(seen.keys(), {}, [&](QRgb c) { return seen[c]; });
            const double ground = luminance(paper);
            double most = 1;
            QRgb ink = paper;
            for (QRgb c : seen.keys()) {
                const double ratio = (std::max(ground, luminance(c)) + 0.05) /
                                     (std::min(ground, luminance(c)) + 0.05);
                if (ratio > most) most = ratio, ink = c;
            }
            QVERIFY2(most >= (large ? 3 : 4.5),
                     qPrintable(u"%1: %2:1, %3 on %4"_s.arg(words)
                                    .arg(most, 0, 'f', 2)
                                    .arg(QColor(ink).name(), QColor(paper).name())));
        }
    }
}
