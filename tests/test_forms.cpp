// The stand-in forms layer on its own: what counts as a click, the keyboard
// and focus on a square, and what screen readers may do with it.
#include "forms/accessible.h"
#include "forms/label.h"
#include "forms/picturebox.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class Forms : public QObject {
    Q_OBJECT
private slots:
    void init();
    void onlyALeftClickInsideClicks();
    void keysOnASquare();
    void focusMarkFollowsTheReason();
    void screenReaderPressRespectsTheLock();
    void labelsForScreenReaders();

private:
    std::unique_ptr<QWidget> window_;
    forms::PictureBox* box_ = nullptr;
    forms::PictureBox* other_ = nullptr;
};

void Forms::init() {
    forms::installAccessibility();
    window_ = std::make_unique<QWidget>();
    box_ = new forms::PictureBox(window_.get());
    box_->setGeometry(0, 0, 154, 154);
    box_->setFocusPolicy(Qt::StrongFocus);
    other_ = new forms::PictureBox(window_.get());
    other_->setGeometry(160, 0, 154, 154);
    other_->setFocusPolicy(Qt::StrongFocus);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void Forms::onlyALeftClickInsideClicks() {
    QSignalSpy clicks(box_, &forms::PictureBox::clicked);
    QTest::mouseClick(box_, Qt::RightButton);
    QTest::mousePress(box_, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(box_, Qt::LeftButton, {}, QPoint(300, 10)); // dragged off
    QTest::mouseRelease(box_, Qt::LeftButton, {}, QPoint(10, 10));  // no press before
    QTest::mousePress(box_, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(box_, Qt::RightButton, {}, QPoint(10, 10)); // another button
    QCOMPARE(clicks.count(), 0);
    QTest::mouseClick(box_, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
    box_->setEnabled(false);
    QTest::mouseClick(box_, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
}

void Forms::keysOnASquare() {
    QSignalSpy clicks(box_, &forms::PictureBox::clicked);
    QSignalSpy arrows(box_, &forms::PictureBox::arrowKey);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_A})
        QTest::keyClick(box_, key);
    QCOMPARE(clicks.count(), 3);
    for (Qt::Key key : {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down})
        QTest::keyClick(box_, key);
    QCOMPARE(arrows.count(), 4);
    const QList<QPair<int, int>> moves = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    for (int i = 0; i < 4; ++i)
        QCOMPARE(qMakePair(arrows[i][0].toInt(), arrows[i][1].toInt()), moves[i]);
}

void Forms::focusMarkFollowsTheReason() {
    for (Qt::FocusReason reason : {Qt::TabFocusReason, Qt::BacktabFocusReason,
                                   Qt::ShortcutFocusReason, Qt::OtherFocusReason}) {
        other_->setFocus(Qt::MouseFocusReason);
        QVERIFY(!other_->showsFocusMark());
        box_->setFocus(reason);
        QVERIFY(box_->showsFocusMark());
    }
    // A reason that says nothing of the keyboard keeps the mark as it was.
    box_->setFocus(Qt::TabFocusReason);
    other_->setFocus(Qt::MouseFocusReason);
    box_->setFocus(Qt::PopupFocusReason);
    QVERIFY(box_->showsFocusMark());
    other_->setFocus(Qt::MouseFocusReason);
    QVERIFY(!box_->showsFocusMark());
}

void Forms::screenReaderPressRespectsTheLock() {
    QSignalSpy clicks(box_, &forms::PictureBox::clicked);
    QAccessibleActionInterface* actions =
        QAccessible::queryAccessibleInterface(box_)->actionInterface();
    QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    QCOMPARE(clicks.count(), 0);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);
    box_->setEnabled(false);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks.count(), 1);
}

void Forms::labelsForScreenReaders() {
    auto* counter = new forms::Label(window_.get(), QStringLiteral("7"), Qt::AlignLeft, true);
    counter->setAccessibleName(QStringLiteral("Voitot, Vaikea"));
    counter->setToolTip(QStringLiteral("voitot"));
    auto* status = new forms::Label(window_.get(), QStringLiteral("Vuoro"), Qt::AlignCenter, true);
    status->setStatusLine(true);
    QAccessibleInterface* c = QAccessible::queryAccessibleInterface(counter);
    QAccessibleInterface* s = QAccessible::queryAccessibleInterface(status);
    QCOMPARE(c->role(), QAccessible::StaticText);
    QCOMPARE(c->text(QAccessible::Value), u"7");
    QCOMPARE(c->text(QAccessible::Description), u"voitot");
    QCOMPARE(s->role(), QAccessible::StatusBar);
    QCOMPARE(s->text(QAccessible::Name), u"Vuoro");
    QCOMPARE(s->text(QAccessible::Value), QString());
    // Other widgets keep Qt's own view of them.
    QCOMPARE(QAccessible::queryAccessibleInterface(new QPushButton(window_.get()))->role(),
             QAccessible::Button);
}

QTEST_MAIN(Forms)
#include "test_forms.moc"
