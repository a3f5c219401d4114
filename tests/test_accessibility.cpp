#include "form1harness.h"
#include "form2.h"
#include "form3.h"

#include <QApplication>
#include <QTest>

// The trainer without sight or mouse: controls announce the names a sighted
// user would give them, and the keyboard alone reaches and works everything.
class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void controlNames_data();
    void controlNames();
    void tabWalksTheWholeFocusChainCountingNoFix();
    void accessKeysResetTheRun_data();
    void accessKeysResetTheRun();
    void aWordIsChosenTypedAndFinishedFromTheKeyboard();
};

namespace {
const QByteArray TwoWords = crlf({":::one", "-", "na", "na", ":::two", "-", "na", "na"});

// Starts the main window on two words and brings up the window asked for.
QWidget* openActive(Form1Harness& h, const QString& which = QStringLiteral("main")) {
    h.setResults(TwoWords);
    h.start();
    QWidget* window = h.form.get();
    if (which == QLatin1String("About")) {
        h.form->mnuAbout_Click();
        window = h.form->aboutWindow();
    } else if (which == QLatin1String("Update")) {
        h.form->mnuUpdate_Click();
        window = h.form->updateWindow();
    }
    window->show();
    return QTest::qWaitForWindowActive(window) ? window : nullptr;
}

// The control that has the focus; a list's edit field counts as the list.
QString focused() {
    QWidget* widget = QApplication::focusWidget();
    if (widget && (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_"))))
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QStringLiteral("<none>");
}

void press(Qt::Key key, int times = 1) {
    for (int i = 0; i < times; ++i)
        QTest::keyClick(QApplication::focusWidget(), key);
}
} // namespace

void TestAccessibility::controlNames_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const auto row = [](const char* window, const char* control, const char* name) {
        QTest::addRow("%s %s", window, control) << window << control << name;
    };
    // Captions, without access key, blanks and colon.
    row("main", "Command1", "Reset");
    row("main", "Command6", "ø");
    row("main", "Frame8", "Automatically");
    // Captionless: the label beside, above (up to its colon), else the frame.
    row("main", "Text2", "Fastest time");
    row("main", "Text1", "Write the selected word from the list");
    row("main", "Combo1", "Words in database");
    row("About", "Text1", "What's new");
    row("About", "Text2", "Information");
    row("About", "Command1", "Back!");
    // A name given in the form wins over the frame's.
    row("main", "Combo2", "Automatic action");
    // A label that runs a pixel into its box.
    row("Update", "Text1", "Source 1");
}

void TestAccessibility::controlNames() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    Form1Harness h;
    QWidget* shown = openActive(h, window);
    QVERIFY(shown);
    // On Linux a drop-down list announces its chosen entry, not its name.
    QTEST(shown->findChild<QWidget*>(control)->accessibleName(), "name");
}

void TestAccessibility::tabWalksTheWholeFocusChainCountingNoFix() {
    Form1Harness h;
    QVERIFY(openActive(h));
    // A Backspace leaves a fix pending; the Tab that follows is no typing.
    QTest::keyClicks(h.ui->Text1, QStringLiteral("ox"));
    press(Qt::Key_Backspace);

    const QStringList order = QString("Command1 Check1 Check2 Command6 Combo2 Combo3 Text5 Combo1 Text2 Text3 Text4 "
                                      "Command3 Command5 Command4 Command2 Text1")
                                  .split(' ');
    QStringList visited;
    for (qsizetype i = 0; i < order.size(); ++i) {
        press(Qt::Key_Tab);
        visited << focused();
    }
    QCOMPARE(visited, order);
    QCOMPARE(h.ui->Label18->text(), QStringLiteral("0"));
}

void TestAccessibility::accessKeysResetTheRun_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Alt+R, Reset") << int(Qt::Key_R);
    QTest::newRow("Alt+ø, the small reset button") << int(Qt::Key_Ooblique);
}

void TestAccessibility::accessKeysResetTheRun() {
    QFETCH(int, key);
    Form1Harness h;
    QVERIFY(openActive(h));
    QTest::keyClicks(h.ui->Text1, QStringLiteral("on"));
    QVERIFY(h.clockRunning());

    QTest::keyClick(h.ui->Text1, Qt::Key(key), Qt::AltModifier);
    QTRY_COMPARE(h.ui->Text1->text(), QString());
    QVERIFY(!h.clockRunning());
}

void TestAccessibility::aWordIsChosenTypedAndFinishedFromTheKeyboard() {
    Form1Harness h;
    h.fakes.dialogs.promptAnswers << "Kim";
    QVERIFY(openActive(h));

    // Back from the typing box to the list, the second word, and back again.
    press(Qt::Key_Backtab, 8);
    press(Qt::Key_Down);
    press(Qt::Key_Tab, 8);
    QCOMPARE(focused(), QStringLiteral("Text1"));

    QTest::keyClicks(h.ui->Text1, QStringLiteral("two"));
    QCOMPARE(h.form->wordTable().RecordName[1], QStringLiteral("Kim"));
}

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
