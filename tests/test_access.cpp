// Playing without a mouse: the keyboard, a screen reader's view of the
// window, and Qt's own strings in Finnish.
#include "support/window.h"
#include "ui/kaannokset.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>

namespace {

QAccessibleInterface* reader(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

std::vector<std::pair<QObject*, QAccessible::Event>> events;
void record(QAccessibleEvent* event) { events.emplace_back(event->object(), event->type()); }

int blackPixelsOnFocusRow(forms::PictureBox& box) {
    const QImage img = box.grab().toImage();
    int n = 0;
    for (int x = 10; x < 140; ++x)
        n += img.pixel(x, 5) == qRgb(0, 0, 0);
    return n;
}

} // namespace

class Access : public QObject {
    Q_OBJECT
private slots:
    void keyboardPlaysAsTheMouseDoes();
    void focusMarkOnlyForTheKeyboard();
    void menuBarFromTheKeyboard();
    void screenReaderView();
    void statusLineChangesAreAnnounced();
    void qtStringsInFinnish();
};

void Access::keyboardPlaysAsTheMouseDoes() {
    Window w;
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.w.get()));
    w->ruutu(a1).setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up); // stops at the edge
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), &w->ruutu(b2));

    w.random->pushSquares({1});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(w.board(), u"O...X....");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // taken: ignored
    QCOMPARE(w.board(), u"O...X....");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), &w->ruutu(b3));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QCOMPARE(w.count(u'X'), 2);
}

void Access::focusMarkOnlyForTheKeyboard() {
    Window w;
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.w.get()));
    w->Mnu2Pelaajaa->click();
    QTest::mousePress(&w->ruutu(c3), Qt::LeftButton);
    QVERIFY(w->ruutu(c3).hasFocus() && !w->ruutu(c3).showsFocusMark());
    QCOMPARE(blackPixelsOnFocusRow(w->ruutu(c3)), 0);

    w->ruutu(b1).setFocus(Qt::TabFocusReason);
    QVERIFY(w->ruutu(b1).showsFocusMark());
    QVERIFY(blackPixelsOnFocusRow(w->ruutu(b1)) > 40);
}

void Access::menuBarFromTheKeyboard() {
    Window w;
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.w.get()));
    QTest::keyClick(w.w.get(), Qt::Key_F10);
    QCOMPARE(w->menuBar()->activeAction(), w->menuBar()->actions().first());
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTest::keyClick(w.w.get(), Qt::Key_Escape);
    QTRY_VERIFY(!w->menuBar()->activeAction());

    QTest::keyPress(w.w.get(), Qt::Key_Alt);
    QTest::keyRelease(w.w.get(), Qt::Key_Alt);
    QCOMPARE(w->menuBar()->activeAction(), w->menuBar()->actions().first());
}

void Access::screenReaderView() {
    Window w;
    QAccessibleInterface* a1Reader = reader(&w->ruutu(a1));
    QCOMPARE(a1Reader->role(), QAccessible::Button);
    QCOMPARE(a1Reader->text(QAccessible::Name), u"a1: tyhjä");
    QCOMPARE(reader(&w->ruutu(c3))->text(QAccessible::Name), u"c3: tyhjä");

    // Pressing through the reader is a click.
    w.random->pushSquares({1});
    reader(&w->ruutu(b2))->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(reader(&w->ruutu(b2))->text(QAccessible::Name), u"b2: Risti");
    QCOMPARE(a1Reader->text(QAccessible::Name), u"a1: Nolla");
    QVERIFY(!a1Reader->state().disabled);

    QAccessibleInterface* counter = reader(w->Haviot[2]);
    QCOMPARE(counter->text(QAccessible::Name), u"Häviöt, Vaikea");
    QCOMPARE(counter->text(QAccessible::Value), u"0");
    QCOMPARE(reader(w->Tp[0])->text(QAccessible::Name), u"Tasapelit, Helppo");
    QCOMPARE(reader(w->RnTeksti)->role(), QAccessible::StatusBar);

    w.lay("OO.XX....");
    w.click(c1);
    QCOMPARE(reader(w->Haviot[1])->text(QAccessible::Value), u"1");
    QCOMPARE(reader(w->RnTeksti)->text(QAccessible::Name), u"Voittaja : Tietokone");
    QVERIFY(a1Reader->state().disabled);
    QCOMPARE(a1Reader->text(QAccessible::Name), u"a1: Nolla");

    w->MnuUusi->click();
    QCOMPARE(a1Reader->text(QAccessible::Name), u"a1: tyhjä");
}

void Access::statusLineChangesAreAnnounced() {
    // As if a screen reader were listening.
    QPlatformAccessibility* platform =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (!platform) QSKIP("this platform has no accessibility bridge");
    platform->setActive(true);
    Window w;
    QAccessible::installUpdateHandler(record);
    events.clear();
    w->Mnu2Pelaajaa->click();
    w.click(a1);
    QAccessible::installUpdateHandler(nullptr);
    const auto announced = [&](QObject* o) {
        return std::count(events.begin(), events.end(), std::pair{o, QAccessible::NameChanged});
    };
    QVERIFY(announced(w->RnTeksti) >= 2);   // "Vuoro : Pelaaja 1", then "... 2"
    QVERIFY(announced(&w->ruutu(a1)) >= 1); // "a1: Risti"
    platform->setActive(false);
}

void Access::qtStringsInFinnish() {
    QVERIFY(asennaKaannokset(*qApp));
    QVERIFY(QCoreApplication::translate("QLineEdit", "&Copy") != u"&Copy");
}

QTEST_MAIN(Access)
#include "test_access.moc"
