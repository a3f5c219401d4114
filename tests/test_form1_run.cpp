#include "form1harness.h"

#include <QTest>

// A typing run: every change of the typing box counts as a letter and adds
// the clock time since the last one; the indicator says whether the text is
// still a correct beginning; the automatic action stops or resets the run.
class TestForm1Run : public QObject {
    Q_OBJECT

private slots:
    void prefixCheck_data();
    void prefixCheck();
    void soundsOnlyWhenTicked();
    void countersOfARun();
    void secondsPerLetterIsCutToSixCharacters();
    void firstChangeStartsTheClockOnce();
    void fixes();
    void automaticReset();
    void stopByWordsRepeatsWhileTheCountStaysAtTheLimit();
    void stopByTimeHoldsTheClockWhileTheMessageIsOpen();
    void limitsAreComparedAsTexts_data();
    void limitsAreComparedAsTexts();
    void reset();
    void resetLeavesTheFocusAloneWhileTheWindowIsDisabled();
    void limitMemoryFollowsTheCriterion();
};

void TestForm1Run::prefixCheck_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("caseSensitive");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("green");
    QTest::newRow("beginning") << "cat"
                               << "1"
                               << "ca" << true;
    QTest::newRow("wrong letter") << "cat"
                                  << "1"
                                  << "cx" << false;
    QTest::newRow("case blind") << "cat"
                                << "0"
                                << "CA" << true;
    QTest::newRow("case sensitive") << "cat"
                                    << "1"
                                    << "CA" << false;
    QTest::newRow("greyed counts as off") << "cat"
                                          << "2"
                                          << "CA" << true;
    QTest::newRow("beyond the word") << "cat"
                                     << "0"
                                     << "cats" << false;
    QTest::newRow("no word, some text") << ""
                                        << "0"
                                        << "a" << false;
    QTest::newRow("pasted phrase") << "hello world!"
                                   << "0"
                                   << "hello world" << true;
}

void TestForm1Run::prefixCheck() {
    QFETCH(QString, word);
    QFETCH(QString, caseSensitive);
    QFETCH(QString, typed);
    QFETCH(bool, green);
    Form1Harness h;
    h.setSetting("CaseSensitive", caseSensitive);
    h.start(word.isEmpty() ? QStringList() : QStringList{":::" + word});
    h.ui->Text1->setText(typed);
    QCOMPARE(h.indicator(), green ? IndicatorGreen : IndicatorRed);
    QCOMPARE(h.ui->Label4->text(), "1");
    QCOMPARE(h.ui->Label14->text(), QString::number(typed.count(' ') + 1));
    // An empty box is a correct beginning of any word.
    h.ui->Text1->setText("");
    QCOMPARE(h.indicator(), IndicatorGreen);
}

void TestForm1Run::soundsOnlyWhenTicked() {
    for (const QString sounds : {"1", "2"}) {
        Form1Harness h;
        h.setSetting("Sounds", sounds);
        h.start({":::cat"});
        h.type("cx");
        // The mistake cue cuts off the typing cue started a moment before.
        const QStringList expected = sounds == "1" ? QStringList{"type.wav", "type.wav", "mistake.wav"} : QStringList();
        QCOMPARE(h.fakes.sound.fileNames(), expected);
    }
}

void TestForm1Run::countersOfARun() {
    Form1Harness h;
    h.start({":::house"});
    h.type("h");
    h.ticks(3);
    h.type("ou"); // two changes within one tick: the second adds no time
    h.ticks(2);
    h.type("s");
    // Label1 keeps its value until the next tick.
    QCOMPARE(h.counters(), (QStringList{"0.2", "0.5", "0.125", "0.5", "4", "1", "0"}));
    h.ticks(1);
    QCOMPARE(h.ui->Label1->text(), "0.1");
    h.ticks(600);
    QCOMPARE(h.ui->Label17->text(), "60.6");
}

void TestForm1Run::secondsPerLetterIsCutToSixCharacters() {
    Form1Harness h;
    h.start({":::abcdefgh"});
    h.ui->Label3->setText("1000");
    h.type("ab");
    h.ticks(1);
    h.type("c");
    QCOMPARE(h.ui->Label3->text(), "1000.1");
    QCOMPARE(h.ui->Label2->text(), "333.36");
}

void TestForm1Run::firstChangeStartsTheClockOnce() {
    Form1Harness h;
    h.start({":::house"});
    QVERIFY(!h.clockRunning());
    h.type("h");
    const int timerId = h.form->timer()->timerId();
    h.type("o");
    QCOMPARE(h.form->timer()->timerId(), timerId);
}

void TestForm1Run::fixes() {
    Form1Harness h;
    h.setSetting("CaseSensitive", "1");
    h.start({":::cat"});
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace); // in an empty box: no letter, but a fix to come
    QTest::keyClicks(h.ui->Text1, "cxy");
    QCOMPARE(h.ui->Label18->text(), "1");
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
    QCOMPARE(h.indicator(), IndicatorGreen);
    QCOMPARE(h.ui->Label4->text(), "5");
    QCOMPARE(h.ui->Label18->text(), "1");
    QTest::keyClick(h.ui->Text1, Qt::Key_X);
    QCOMPARE(h.ui->Label18->text(), "2");
    // Delete is never a fix.
    QTest::keyClick(h.ui->Text1, Qt::Key_Left);
    QTest::keyClick(h.ui->Text1, Qt::Key_Delete);
    QTest::keyClick(h.ui->Text1, Qt::Key_A);
    QCOMPARE(h.ui->Label18->text(), "2");
    // A pending fix outlives a reset.
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
    h.form->Command1_Click();
    QTest::keyClick(h.ui->Text1, Qt::Key_C);
    QCOMPARE(h.ui->Label18->text(), "1");
}

void TestForm1Run::automaticReset() {
    Form1Harness h;
    h.start({":::abcdef"});
    h.setAutomatic(2, 2, "3");
    h.type("abx");
    // The wrong third letter is never checked: the reset's nested pass turns the indicator green.
    QCOMPARE(h.ui->Text1->text(), "");
    QCOMPARE(h.indicator(), IndicatorGreen);
    QCOMPARE(h.counters(), QStringList(7, "0"));
    QVERIFY(!h.clockRunning());
    // By time, while a run is going.
    h.setAutomatic(2, 1, "0.3");
    h.type("ab");
    h.ticks(3);
    QCOMPARE(h.ui->Text1->text(), "");
    QVERIFY(!h.clockRunning());
    QVERIFY(h.fakes.dialogs.boxes.isEmpty());
}

void TestForm1Run::stopByWordsRepeatsWhileTheCountStaysAtTheLimit() {
    Form1Harness h;
    h.start({":::one two three"});
    h.setAutomatic(1, 0, "2");
    QColor colourWhileOpen;
    h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) { colourWhileOpen = h.indicator(); };
    h.type("one ");
    h.ui->Shape1->setFillColor(Qt::black);
    h.type("t");
    // The indicator is set only after the message has been closed.
    QCOMPARE(colourWhileOpen, QColor(Qt::black));
    QCOMPARE(h.indicator(), IndicatorGreen);
    h.type("wo");
    QCOMPARE(h.fakes.dialogs.messages(), QStringList(3, "- STOPPED -"));
    QVERIFY(h.clockRunning());
}

void TestForm1Run::stopByTimeHoldsTheClockWhileTheMessageIsOpen() {
    Form1Harness h;
    h.start({":::house"});
    h.setAutomatic(1, 1, "1.5");
    bool runningWhileOpen = true;
    h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) { runningWhileOpen = h.clockRunning(); };
    h.type("h");
    h.ticks(14);
    QVERIFY(h.fakes.dialogs.boxes.isEmpty());
    h.ticks(1);
    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"- STOPPED -"});
    QVERIFY(!runningWhileOpen);
    h.ticks(1);
    QCOMPARE(h.ui->Label17->text(), "1.6");
    QVERIFY(h.clockRunning());
}

void TestForm1Run::limitsAreComparedAsTexts_data() {
    QTest::addColumn<int>("criterion");
    QTest::addColumn<QString>("limit");
    QTest::addColumn<int>("stops");
    QTest::newRow("time 1.50") << 1 << "1.50" << 0;
    QTest::newRow("time 01.5") << 1 << "01.5" << 0;
    QTest::newRow("time 0: the first tick shows 0.1") << 1 << "0" << 0;
    QTest::newRow("words 0: acts on the emptied box") << 0 << "0" << 1;
    QTest::newRow("letters 02") << 2 << "02" << 0;
    QTest::newRow("no limit typed") << 0 << "" << 0;
}

void TestForm1Run::limitsAreComparedAsTexts() {
    QFETCH(int, criterion);
    QFETCH(QString, limit);
    QFETCH(int, stops);
    Form1Harness h;
    h.start({":::house"});
    h.setAutomatic(1, criterion, limit);
    h.type("ho");
    h.ticks(30);
    h.ui->Text1->setText("");
    QCOMPARE(h.fakes.dialogs.boxes.size(), stops);
}

void TestForm1Run::reset() {
    Form1Harness h;
    h.setSetting("Sounds", "1");
    h.start({":::house"});
    h.type("hx");
    h.ticks(4);
    h.fakes.sound.plays.clear();
    h.ui->Command6->click();
    // The nested change plays its cue; the reset's own cue cuts it off.
    QCOMPARE(h.fakes.sound.fileNames(), (QStringList{"type.wav", "reset.wav"}));
    QCOMPARE(h.ui->Text1->text(), "");
    QCOMPARE(h.indicator(), IndicatorGreen);
    QCOMPARE(h.counters(), QStringList(7, "0"));
    QVERIFY(!h.clockRunning());
    // With an empty box there is no nested pass.
    h.ui->Label14->setText("kept");
    h.fakes.sound.plays.clear();
    h.ui->Command1->click();
    QCOMPARE(h.fakes.sound.fileNames(), QStringList{"reset.wav"});
    QCOMPARE(h.ui->Label14->text(), "kept");
}

void TestForm1Run::resetLeavesTheFocusAloneWhileTheWindowIsDisabled() {
    Form1Harness h;
    h.start({":::house"});
    h.form->show();
    QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
    h.ui->Text5->setFocus();
    h.form->setEnabled(false);
    h.form->Command1_Click();
    QVERIFY(!h.ui->Text1->hasFocus());
    h.form->setEnabled(true);
    h.form->Command1_Click();
    QVERIFY(h.ui->Text1->hasFocus());
}

void TestForm1Run::limitMemoryFollowsTheCriterion() {
    Form1Harness h;
    h.start();
    h.ui->Text5->setText("10");
    h.ui->Combo3->setCurrentIndex(1);
    QCOMPARE(h.ui->Text5->text(), "0");
    h.ui->Text5->setText("30");
    h.ui->Combo3->setCurrentIndex(0);
    QCOMPARE(h.ui->Text5->text(), "10");
    QCOMPARE(h.form->criterionLimits(), (std::array<QString, 3>{"10", "30", "0"}));
}

QTEST_MAIN(TestForm1Run)
#include "test_form1_run.moc"
