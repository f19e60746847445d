// SPDX-License-Identifier: GPL-3.0-or-later
// The whole window in each of its main states, the About box and the rules
// window of the game's own, rendered and compared pixel for pixel with the
// reference pictures in tests/pictures. A difference names the state and
// leaves the picture made and one of the differing pixels in pictures/ of
// the test's folder. With LAUTARI_PICTURES=write the pictures made become
// the references ("cmake --build build --target pictures"); the test itself
// never writes them.
#include "support/referee.h"
#include "ui/ohje.h"

#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QTest>

class Pictures : public QObject {
    Q_OBJECT
private slots:
    void window_data();
    void window();
};

void Pictures::window_data() {
    QTest::addColumn<QString>("script"); // the referee's events; "@c3" scripts a random move
    // clang-format off
    const char* const rows[][2] = {
        {"start", ""},
        {"in-progress-focus", "@c3 a1 @a3 b2"},
        {"person-wins-row", "H @b1 @b2 a1 a2 a3"},
        {"computer-wins-diagonal", "@b2 @a3 a1 c2 b3"},
        {"player-2-wins-column", "2P a1 a2 a3 b2 b1 c2"},
        {"two-lines-at-once", "2P a2 b2 a3 b3 b1 c2 c1 c3 a1"},
        {"both-diagonals", "2P a1 a2 c3 b1 a3 b3 c1 c2 b2"},
        {"draw", "H @a2 @b2 @b3 @c1 a1 a3 b1 c2 c3"},
        {"counts", "2P"},
        {"about", "A"},
        {"rules", ""},
    };
    // clang-format on
    for (const auto& r : rows)
        QTest::newRow(r[0]) << QString::fromLatin1(r[1]);
}

void Pictures::window() {
    QFETCH(QString, script);
    const QString name = QString::fromLatin1(QTest::currentDataTag());
    Window w;
    Referee referee(w);
    for (const QString& step : script.split(u' ', Qt::SkipEmptyParts)) {
        if (step.startsWith(u'@'))
            w.random->pushSquares({int(kEvents.indexOf(step.mid(1)))});
        else
            QCOMPARE(referee.apply(step), QString());
    }
    QWidget* shown = w.w.get();
    if (name == u"in-progress-focus") {
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.w.get()));
        w->ruutu(c2).setFocus(Qt::TabFocusReason);
    }
    if (name == u"counts")
        for (auto [label, count] : {std::pair{w->Voitot[0], "12"}, {w->Tp[1], "345"},
                                    {w->Haviot[2], "100"}, {w->Voitot[2], "99"}})
            label->setText(QString::fromLatin1(count));
    if (name == u"about") shown = w->about();
    if (name == u"rules") {
        qputenv("PATH", "/nowhere"); // no opener: the game shows the rules itself
        avaaOhje(w.w.get());
        QTRY_VERIFY((shown = w->findChild<QDialog*>(QStringLiteral("Ohje"))));
    }
    QVERIFY(QTest::qWaitForWindowExposed(shown));
    const QImage made = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);

    const QString reference = QStringLiteral(LAUTARI_PICTURES "/%1.png").arg(name);
    if (qEnvironmentVariable("LAUTARI_PICTURES") == u"write") {
        QVERIFY(made.save(reference));
        return;
    }
    const QImage expected = QImage(reference).convertToFormat(QImage::Format_RGB32);
    if (made == expected) return;
    QImage diff(made.size(), QImage::Format_RGB32);
    diff.fill(Qt::white);
    int differing = 0;
    for (int y = 0; y < made.height(); ++y)
        for (int x = 0; x < made.width(); ++x)
            if (!expected.valid(x, y) || made.pixel(x, y) != expected.pixel(x, y)) {
                diff.setPixel(x, y, qRgb(255, 0, 0));
                ++differing;
            }
    QDir().mkpath(QStringLiteral("pictures"));
    const QString out = QDir::current().absoluteFilePath(QStringLiteral("pictures/") + name);
    made.save(out + QStringLiteral(".png"));
    diff.save(out + QStringLiteral("-diff.png"));
    QFAIL(qPrintable(QStringLiteral("%1: %2 pixels differ from %3 (%4x%5 made, %6x%7 expected); "
                                    "see %8.png and %8-diff.png")
                         .arg(name)
                         .arg(differing)
                         .arg(reference)
                         .arg(made.width())
                         .arg(made.height())
                         .arg(expected.width())
                         .arg(expected.height())
                         .arg(out)));
}

QTEST_MAIN(Pictures)
#include "test_pictures.moc"
