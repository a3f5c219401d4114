#include "form1harness.h"

#include <QTest>

// Finishing a word: the last score, and a record when the time beats the
// one the word panel shows.
class TestForm1Records : public QObject {
    Q_OBJECT

private slots:
    void recordTest_data();
    void recordTest();
    void firstRecordIsStoredWithDateAndName();
    void cancelledPromptStoresAnEmptyName();
    void recordSoundEndsBeforeThePrompt();
    void ticksAndAnAutomaticResetWhileThePromptIsOpen();
    void caseBlindFinish();
    void caseSensitiveFinishNeedsTheSameCase();
    void finishingAfterBackspacingToTheWord();
    void finishingWithNoWordSelectedStoresNothing();
    void namesAreStoredAsShown();
    void stopOnTheEmptyBoxComesBeforeTheRecordTest();
    void recordReachesTheFileOnlyBySaving();
};

namespace {
// One word with the given stored time; the word is typed so that its time is
// typedTenths tenths of a second.
void finishWord(Form1Harness& h, const QString& word, int typedTenths) {
    h.type(word.left(1));
    h.ticks(typedTenths);
    h.type(word.mid(1));
}

void startWithRecord(Form1Harness& h, const QString& word, const QString& time, bool sounds = false) {
    h.setResults(crlf({":::" + word, time, "old date", "old name"}));
    h.setSetting("Sounds", sounds ? "1" : "0");
    h.start();
}
} // namespace

void TestForm1Records::recordTest_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("typedTenths");
    QTest::addColumn<bool>("record");
    QTest::newRow("no record yet") << "-" << 50 << true;
    QTest::newRow("no record yet, time 0") << "-" << 0 << true;
    QTest::newRow("equal time") << "4.3" << 43 << false;
    QTest::newRow("a tenth faster") << "4.3" << 42 << true;
    QTest::newRow("slower") << "4.3" << 44 << false;
    QTest::newRow("numbers decide, not texts") << "10.2" << 95 << true;
    QTest::newRow("stored 0 is never beaten") << "0" << 0 << false;
    QTest::newRow("empty stored time counts as 0") << "" << 0 << false;
    QTest::newRow("decimal comma reads as whole part") << "4,7" << 45 << false;
}

void TestForm1Records::recordTest() {
    QFETCH(QString, stored);
    QFETCH(int, typedTenths);
    QFETCH(bool, record);
    Form1Harness h;
    startWithRecord(h, "cat", stored);
    h.fakes.dialogs.promptAnswers << "Ann";
    finishWord(h, "cat", typedTenths);
    const QString time = typedTenths == 0 ? "0" : QString::number(typedTenths / 10.0);
    QCOMPARE(h.ui->Label9->text(), time);
    QCOMPARE(h.fakes.dialogs.prompts().size(), record ? 1 : 0);
    QCOMPARE(h.form->wordTable().FastestTime[0], record ? time : stored);
    QCOMPARE(h.ui->Text2->text(), record ? time : stored);
    // Every finished word resets the run.
    QCOMPARE(h.ui->Text1->text(), "");
    QCOMPARE(h.ui->Label3->text(), "0");
    QVERIFY(!h.clockRunning());
    QCOMPARE(h.ui->Combo1->currentIndex(), 0);
}

void TestForm1Records::firstRecordIsStoredWithDateAndName() {
    Form1Harness h;
    startWithRecord(h, "cat", "-");
    h.fakes.clock.now = "06/12/2026 09:15:00";
    h.fakes.dialogs.promptAnswers << "Typist";
    finishWord(h, "cat", 23);
    QCOMPARE(h.fakes.dialogs.prompts(), QStringList{"YOU BROKE THE RECORD!!!! 2.3 seconds! Please enter your name:"});
    QCOMPARE(h.ui->Text2->text(), "2.3");
    QCOMPARE(h.ui->Text3->text(), "06/12/2026 09:15:00");
    QCOMPARE(h.ui->Text4->text(), "Typist");
    const WordTable& table = h.form->wordTable();
    QCOMPARE(table.FastestTime[0], "2.3");
    QCOMPARE(table.RecordDate[0], "06/12/2026 09:15:00");
    QCOMPARE(table.RecordName[0], "Typist");
}

void TestForm1Records::cancelledPromptStoresAnEmptyName() {
    Form1Harness h;
    startWithRecord(h, "cat", "-");
    finishWord(h, "cat", 10);
    QCOMPARE(h.ui->Text4->text(), "");
    QCOMPARE(h.form->wordTable().RecordName[0], "");
    QCOMPARE(h.form->wordTable().FastestTime[0], "1");
    QCOMPARE(h.form->wordTable().RecordDate[0], h.fakes.clock.now);
}

void TestForm1Records::recordSoundEndsBeforeThePrompt() {
    Form1Harness h;
    startWithRecord(h, "cat", "-", true);
    QStringList events;
    h.fakes.sound.whilePlaying = [&](const QString& file, bool wait) { events << file + (wait ? " (waited)" : ""); };
    h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box& box) { events << box.text.left(9); };
    finishWord(h, "cat", 5);
    const int sound = events.indexOf("newrecord.wav (waited)");
    QVERIFY(sound >= 0);
    QCOMPARE(events.value(sound + 1), "YOU BROKE");
    QCOMPARE(events.last(), "reset.wav");
}

void TestForm1Records::ticksAndAnAutomaticResetWhileThePromptIsOpen() {
    Form1Harness h;
    startWithRecord(h, "cat", "-");
    h.ui->Combo2->setCurrentIndex(2);
    h.ui->Combo3->setCurrentIndex(1);
    h.ui->Text5->setText("1");
    h.fakes.dialogs.promptAnswers << "Bo";
    h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box& box) {
        if (box.kind != FakeDialogs::Kind::Prompt)
            return;
        // The clock still runs while the name is asked for; its automatic
        // reset may strike meanwhile.
        QVERIFY(h.clockRunning());
        h.ticks(10);
    };
    finishWord(h, "cat", 3);
    QCOMPARE(h.fakes.dialogs.prompts().size(), 1);
    QCOMPARE(h.form->wordTable().FastestTime[0], "0.3");
    QCOMPARE(h.form->wordTable().RecordName[0], "Bo");
    QCOMPARE(h.ui->Text2->text(), "0.3");
    // The automatic reset cleared the typing time before the last score was set.
    QCOMPARE(h.ui->Label9->text(), "0");
    QVERIFY(!h.clockRunning());
}

void TestForm1Records::caseBlindFinish() {
    Form1Harness h;
    startWithRecord(h, "cat", "9");
    h.type("CAT");
    QCOMPARE(h.ui->Text1->text(), "");
    QCOMPARE(h.ui->Label9->text(), "0");
    QCOMPARE(h.fakes.dialogs.prompts().size(), 1);
}

void TestForm1Records::caseSensitiveFinishNeedsTheSameCase() {
    Form1Harness h;
    h.setSetting("CaseSensitive", "1");
    startWithRecord(h, "cat", "9");
    h.type("CAT");
    QCOMPARE(h.ui->Text1->text(), "CAT");
    QVERIFY(h.fakes.dialogs.prompts().isEmpty());
}

void TestForm1Records::finishingAfterBackspacingToTheWord() {
    Form1Harness h;
    startWithRecord(h, "cat", "9");
    // Pasted past the end of the word, then deleted back to it.
    h.ui->Text1->setText("cats");
    QCOMPARE(h.indicator(), IndicatorRed);
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
    QCOMPARE(h.ui->Text1->text(), "");
    QCOMPARE(h.fakes.dialogs.prompts().size(), 1);
}

void TestForm1Records::finishingWithNoWordSelectedStoresNothing() {
    Form1Harness h;
    startWithRecord(h, "cat", "-");
    h.form->Command5_Click();
    QCOMPARE(h.ui->Combo1->currentIndex(), -1);
    h.ui->Combo1->setEditText("dog");
    finishWord(h, "dog", 12);
    QVERIFY(h.fakes.dialogs.prompts().isEmpty());
    QCOMPARE(h.ui->Label9->text(), "1.2");
    QCOMPARE(h.ui->Text1->text(), "");
    QVERIFY(!h.clockRunning());
}

void TestForm1Records::namesAreStoredAsShown() {
    Form1Harness h;
    startWithRecord(h, "cat", "-");
    h.fakes.dialogs.promptAnswers << QString::fromUtf8("Ann\nΩ Lee");
    finishWord(h, "cat", 5);
    QCOMPARE(h.ui->Text4->text(), "Ann ? Lee");
    QCOMPARE(h.form->wordTable().RecordName[0], "Ann ? Lee");
}

void TestForm1Records::stopOnTheEmptyBoxComesBeforeTheRecordTest() {
    Form1Harness h;
    startWithRecord(h, "cat", "-");
    h.ui->Combo2->setCurrentIndex(1);
    h.ui->Text5->setText("0");
    finishWord(h, "cat", 5);
    // The nested pass on the emptied box stops first; the outer change sees
    // the word count at 0 again after the reset.
    QCOMPARE(h.fakes.dialogs.boxes.size(), 3);
    QCOMPARE(h.fakes.dialogs.boxes[0].text, "- STOPPED -");
    QVERIFY(h.fakes.dialogs.boxes[1].text.startsWith("YOU BROKE THE RECORD!!!! 0.5 seconds!"));
    QCOMPARE(h.fakes.dialogs.boxes[2].text, "- STOPPED -");
}

void TestForm1Records::recordReachesTheFileOnlyBySaving() {
    Form1Harness h;
    startWithRecord(h, "cat", "-");
    const QByteArray before = h.results();
    h.fakes.dialogs.promptAnswers << "Ann";
    finishWord(h, "cat", 5);
    QCOMPARE(h.results(), before);
    QVERIFY(h.form->close());
    QCOMPARE(h.results(), crlf({":::cat", "0.5", h.fakes.clock.now, "Ann"}));
}

QTEST_MAIN(TestForm1Records)
#include "test_form1_records.moc"
