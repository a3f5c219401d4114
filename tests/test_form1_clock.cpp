#include "form1harness.h"

#include <QTest>

// The run clock, the automatic stop and reset, and the reset of a run.
class TestForm1Clock : public QObject {
    Q_OBJECT

private slots:
    void ticksCountTenthsWithoutDrift();
    void automaticResetOnTheThirdLetter();
    void stopByWordsRepeatsWhileTheCountStaysAtTheLimit();
    void stopByTimeHoldsTheClockWhileTheMessageIsOpen();
    void stopByTimeNeedsTheExactText_data();
    void stopByTimeNeedsTheExactText();
    void resetByTime();
    void zeroLimitForWordsActsOnAnEmptyBox();
    void resetWithTextInTheBox();
    void resetWithAnEmptyBox();
    void secondResetButtonDoesTheSame();
    void resetLeavesTheFocusAloneWhileTheWindowIsDisabled();
    void limitMemoryFollowsTheCriterion();
    void actionWithoutATypedLimitNeverActs();
};

namespace {
void startWithWord(Form1Harness& h, const QString& word, bool sounds = false) {
    h.setResults(crlf({":::" + word, "-", "na", "na"}));
    h.setSetting("Sounds", sounds ? "1" : "0");
    h.start();
}

void setAutomatic(Form1Harness& h, int action, int criterion, const QString& limit) {
    h.ui->Combo2->setCurrentIndex(action);
    h.ui->Combo3->setCurrentIndex(criterion);
    h.ui->Text5->setText(limit);
}
} // namespace

void TestForm1Clock::ticksCountTenthsWithoutDrift() {
    Form1Harness h;
    startWithWord(h, "house");
    h.type("h");
    h.ticks(600);
    QCOMPARE(h.ui->Label17->text(), "60");
    QCOMPARE(h.ui->Label1->text(), "60");
    h.ticks(3);
    QCOMPARE(h.ui->Label17->text(), "60.3");
}

void TestForm1Clock::automaticResetOnTheThirdLetter() {
    Form1Harness h;
    startWithWord(h, "abcdef");
    setAutomatic(h, 2, 2, "3");
    h.type("ab");
    h.type("x");
    QCOMPARE(h.ui->Text1->text(), "");
    // The wrong third letter is never checked: the nested pass of the reset
    // leaves the indicator green.
    QCOMPARE(h.indicator(), IndicatorGreen);
    for (QLabel* counter : {h.ui->Label1, h.ui->Label2, h.ui->Label3, h.ui->Label4, h.ui->Label14, h.ui->Label17})
        QCOMPARE(counter->text(), "0");
    QVERIFY(!h.clockRunning());
    QVERIFY(h.fakes.dialogs.boxes.isEmpty());
}

void TestForm1Clock::stopByWordsRepeatsWhileTheCountStaysAtTheLimit() {
    Form1Harness h;
    startWithWord(h, "one two three");
    setAutomatic(h, 1, 0, "2");
    QList<QColor> colourWhileOpen;
    h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) { colourWhileOpen << h.indicator(); };
    h.type("one ");
    QVERIFY(h.fakes.dialogs.boxes.isEmpty());
    h.ui->Shape1->setFillColor(Qt::black);
    h.type("t");
    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"- STOPPED -"});
    // The indicator is set only after the message has been closed.
    QCOMPARE(colourWhileOpen.last(), QColor(Qt::black));
    QCOMPARE(h.indicator(), IndicatorGreen);
    h.type("wo");
    QCOMPARE(h.fakes.dialogs.messages().size(), 3);
    QVERIFY(h.clockRunning());
    QCOMPARE(h.ui->Text1->text(), "one two");
}

void TestForm1Clock::stopByTimeHoldsTheClockWhileTheMessageIsOpen() {
    Form1Harness h;
    startWithWord(h, "house");
    setAutomatic(h, 1, 1, "1.5");
    bool runningWhileOpen = true;
    h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) { runningWhileOpen = h.clockRunning(); };
    h.type("h");
    h.ticks(14);
    QVERIFY(h.fakes.dialogs.boxes.isEmpty());
    h.ticks(1);
    QCOMPARE(h.ui->Label17->text(), "1.5");
    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"- STOPPED -"});
    QVERIFY(!runningWhileOpen);
    QVERIFY(h.clockRunning());
    h.ticks(1);
    QCOMPARE(h.ui->Label17->text(), "1.6");
    QCOMPARE(h.fakes.dialogs.boxes.size(), 1);
}

void TestForm1Clock::stopByTimeNeedsTheExactText_data() {
    QTest::addColumn<QString>("limit");
    QTest::newRow("trailing zero") << "1.50";
    QTest::newRow("leading zero") << "01.5";
    QTest::newRow("leading blank") << " 1.5";
    QTest::newRow("zero: the first tick already shows 0.1") << "0";
}

void TestForm1Clock::stopByTimeNeedsTheExactText() {
    QFETCH(QString, limit);
    Form1Harness h;
    startWithWord(h, "house");
    setAutomatic(h, 1, 1, limit);
    h.type("h");
    h.ticks(30);
    QVERIFY(h.fakes.dialogs.boxes.isEmpty());
}

void TestForm1Clock::resetByTime() {
    Form1Harness h;
    startWithWord(h, "house");
    setAutomatic(h, 2, 1, "0.3");
    h.type("ho");
    h.ticks(3);
    QCOMPARE(h.ui->Text1->text(), "");
    QCOMPARE(h.ui->Label17->text(), "0");
    QVERIFY(!h.clockRunning());
}

void TestForm1Clock::zeroLimitForWordsActsOnAnEmptyBox() {
    Form1Harness h;
    startWithWord(h, "house");
    setAutomatic(h, 1, 0, "0");
    h.type("h");
    QVERIFY(h.fakes.dialogs.boxes.isEmpty());
    h.ui->Text1->setText("");
    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"- STOPPED -"});
}

void TestForm1Clock::resetWithTextInTheBox() {
    Form1Harness h;
    startWithWord(h, "house", true);
    h.type("ho");
    h.ticks(4);
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
    QTest::keyClick(h.ui->Text1, Qt::Key_X);
    h.fakes.sound.plays.clear();
    h.form->Command1_Click();
    // The nested change plays its cue; the reset's own cue cuts it off.
    QCOMPARE(h.fakes.sound.fileNames(), (QStringList{"type.wav", "reset.wav"}));
    QCOMPARE(h.ui->Text1->text(), "");
    QCOMPARE(h.indicator(), IndicatorGreen);
    QVERIFY(!h.clockRunning());
    for (QLabel* counter :
         {h.ui->Label1, h.ui->Label2, h.ui->Label3, h.ui->Label4, h.ui->Label14, h.ui->Label17, h.ui->Label18})
        QCOMPARE(counter->text(), "0");
    QCOMPARE(h.form->sinceLastLetter(), 0.0);
}

void TestForm1Clock::resetWithAnEmptyBox() {
    Form1Harness h;
    startWithWord(h, "house", true);
    h.type("h");
    h.ui->Text1->setText("");
    h.ticks(2);
    h.ui->Label14->setText("kept");
    h.fakes.sound.plays.clear();
    h.form->Command1_Click();
    QCOMPARE(h.fakes.sound.fileNames(), QStringList{"reset.wav"});
    QCOMPARE(h.ui->Label14->text(), "kept");
    QCOMPARE(h.ui->Label4->text(), "0");
    QVERIFY(!h.clockRunning());
}

void TestForm1Clock::secondResetButtonDoesTheSame() {
    Form1Harness h;
    startWithWord(h, "house");
    h.type("hou");
    h.ticks(2);
    h.ui->Command6->click();
    QCOMPARE(h.ui->Text1->text(), "");
    QCOMPARE(h.ui->Label4->text(), "0");
    QCOMPARE(h.ui->Label17->text(), "0");
    QVERIFY(!h.clockRunning());
}

void TestForm1Clock::resetLeavesTheFocusAloneWhileTheWindowIsDisabled() {
    Form1Harness h;
    startWithWord(h, "house");
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    h.ui->Text5->setFocus();
    h.type("ho");
    h.form->setEnabled(false);
    h.form->Command1_Click();
    QCOMPARE(h.ui->Text1->text(), "");
    QVERIFY(!h.ui->Text1->hasFocus());
    h.form->setEnabled(true);
    h.form->Command1_Click();
    QVERIFY(h.ui->Text1->hasFocus());
}

void TestForm1Clock::limitMemoryFollowsTheCriterion() {
    Form1Harness h;
    startWithWord(h, "house");
    h.ui->Text5->setText("10");
    h.ui->Combo3->setCurrentIndex(1);
    QCOMPARE(h.ui->Text5->text(), "0");
    h.ui->Text5->setText("30");
    h.ui->Combo3->setCurrentIndex(0);
    QCOMPARE(h.ui->Text5->text(), "10");
    h.ui->Combo3->setCurrentIndex(1);
    QCOMPARE(h.ui->Text5->text(), "30");
    QCOMPARE(h.form->criterionLimits(), (std::array<QString, 3>{"10", "30", "0"}));
}

void TestForm1Clock::actionWithoutATypedLimitNeverActs() {
    Form1Harness h;
    startWithWord(h, "house");
    h.ui->Combo2->setCurrentIndex(2);
    h.type("");
    h.ui->Text1->setText("h");
    h.ui->Text1->setText("");
    QCOMPARE(h.ui->Label4->text(), "2");
}

QTEST_MAIN(TestForm1Clock)
#include "test_form1_clock.moc"
