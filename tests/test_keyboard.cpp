#include "form1harness.h"
#include "form2.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>

// The trainer without a mouse: every control is reached with Tab, the access
// keys press their buttons, and a word is chosen, typed and finished from the
// keyboard alone.
class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void tabVisitsEveryControlInOrder();
    void accessKeysResetTheRun_data();
    void accessKeysResetTheRun();
    void aWordIsChosenTypedAndFinishedFromTheKeyboard();
    void preferencesTickWithSpace();
    void leavingTheTypingBoxCountsNoFix();
    void menuIsReachableFromTheKeyboard();
};

namespace {
const QByteArray TwoWords = crlf({":::one", "-", "na", "na", ":::two", "-", "na", "na"});

// The designer name of the control that has the focus; a list's edit field
// counts as the list.
QString focused() {
    QWidget* widget = QApplication::focusWidget();
    if (!widget)
        return QStringLiteral("<none>");
    if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
        widget = widget->parentWidget();
    return widget->objectName();
}

void showActive(Form1Harness& h) {
    h.form->show();
    QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
}
} // namespace

void TestKeyboard::tabVisitsEveryControlInOrder() {
    Form1Harness h;
    h.setResults(TwoWords);
    h.start();
    showActive(h);
    QCOMPARE(focused(), QStringLiteral("Text1"));

    const QStringList order{"Command1", "Check1", "Check2", "Command6", "Combo2",   "Combo3",   "Text5",    "Combo1",
                            "Text2",    "Text3",  "Text4",  "Command3", "Command5", "Command4", "Command2", "Text1"};
    QStringList visited;
    for (qsizetype i = 0; i < order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << focused();
    }
    QCOMPARE(visited, order);
    // Passing through leaves everything as it was.
    QCOMPARE(h.ui->Combo1->currentIndex(), 0);
    QCOMPARE(h.ui->Label18->text(), QStringLiteral("0"));
}

void TestKeyboard::accessKeysResetTheRun_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Alt+R, Reset") << int(Qt::Key_R);
    QTest::newRow("Alt+ø, the small reset button") << int(Qt::Key_Ooblique);
}

void TestKeyboard::accessKeysResetTheRun() {
    QFETCH(int, key);
    Form1Harness h;
    h.setResults(TwoWords);
    h.start();
    showActive(h);
    QTest::keyClicks(h.ui->Text1, QStringLiteral("on"));
    QCOMPARE(h.ui->Label4->text(), QStringLiteral("2"));
    QVERIFY(h.clockRunning());

    QTest::keyClick(h.ui->Text1, Qt::Key(key), Qt::AltModifier);
    QTRY_COMPARE(h.ui->Text1->text(), QString());
    QCOMPARE(h.ui->Label4->text(), QStringLiteral("0"));
    QVERIFY(!h.clockRunning());
    QCOMPARE(focused(), QStringLiteral("Text1"));
}

void TestKeyboard::aWordIsChosenTypedAndFinishedFromTheKeyboard() {
    Form1Harness h;
    h.setResults(TwoWords);
    h.fakes.dialogs.promptAnswers << "Kim";
    h.start();
    showActive(h);

    // Back from the typing box to the list, choose the second word, and on to
    // the typing box again.
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focused(), QStringLiteral("Combo1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(h.ui->Combo1->currentText(), QStringLiteral("two"));
    for (int i = 0; i < 8; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("Text1"));
    h.ui->Text1->setFocus();

    QTest::keyClicks(h.ui->Text1, QStringLiteral("two"));
    QCOMPARE(h.fakes.dialogs.prompts().size(), 1);
    QCOMPARE(h.ui->Text4->text(), QStringLiteral("Kim"));
    QCOMPARE(h.form->wordTable().RecordName[1], QStringLiteral("Kim"));
    QCOMPARE(focused(), QStringLiteral("Text1"));
}

void TestKeyboard::preferencesTickWithSpace() {
    Form1Harness h;
    h.start();
    showActive(h);
    for (QCheckBox* box : {h.ui->Check1, h.ui->Check2}) {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(checkValue(box), 1);
    }
}

void TestKeyboard::leavingTheTypingBoxCountsNoFix() {
    Form1Harness h;
    h.setResults(TwoWords);
    h.start();
    showActive(h);
    QTest::keyClicks(h.ui->Text1, QStringLiteral("ox"));
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
    QTest::keyClick(h.ui->Text1, Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("Command1"));
    // Tab types nothing, so it resumes no typing.
    QCOMPARE(h.ui->Label18->text(), QStringLiteral("0"));
}

void TestKeyboard::menuIsReachableFromTheKeyboard() {
    Form1Harness h;
    h.start();
    showActive(h);
    // Pressing and releasing Alt puts the keyboard into the menu bar; the
    // first item is "About".
    QTest::keyClick(h.form.get(), Qt::Key_Alt, Qt::AltModifier);
    QTest::keyClick(h.form->menuBar(), Qt::Key_Return);
    QTRY_VERIFY(h.form->aboutWindow());
}

QTEST_MAIN(TestKeyboard)
#include "test_keyboard.moc"
