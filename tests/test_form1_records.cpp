#include "form1harness.h"

#include <QTest>

// Finishing a word: the last score, and a record when the time beats the
// one the word panel shows.
class TestForm1Records : public QObject {
    Q_OBJECT

private slots:
    void recordTest_data();
    void recordTest();
    void recordSoundEndsBeforeThePrompt();
    void ticksAndAnAutomaticResetWhileThePromptIsOpen();
    void finishing_data();
    void finishing();
    void finishingWithNoWordSelectedStoresNothing();
    void stopOnTheEmptiedBoxComesBeforeTheRecordTest();
};

namespace {
// Types the word so that its time is the given number of tenths.
void finishWord(Form1Harness& h, const QString& word, int tenths) {
    h.type(word.left(1));
    h.ticks(tenths);
    h.type(word.mid(1));
}
} // namespace

void TestForm1Records::recordTest_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("name"); // empty: no record
    QTest::newRow("no record yet") << "-" << 50 << "Typist"
                                   << "Typist";
    QTest::newRow("no record yet, time 0") << "-" << 0 << "Ann"
                                           << "Ann";
    QTest::newRow("equal time") << "4.3" << 43 << "Ann"
                                << "";
    QTest::newRow("a tenth faster") << "4.3" << 42 << "Ann"
                                    << "Ann";
    QTest::newRow("numbers decide, not texts") << "10.2" << 95 << "Ann"
                                               << "Ann";
    QTest::newRow("stored 0 is never beaten") << "0" << 0 << "Ann"
                                              << "";
    QTest::newRow("empty stored time counts as 0") << "" << 0 << "Ann"
                                                   << "";
    QTest::newRow("decimal comma reads as its whole part") << "4,7" << 45 << "Ann"
                                                           << "";
    QTest::newRow("cancelled prompt: empty name") << "-" << 10 << ""
                                                  << "";
    QTest::newRow("name kept to one storable line") << "-" << 10 << QString::fromUtf8("Ann\nΩ Lee") << "Ann ? Lee";
}

void TestForm1Records::recordTest() {
    QFETCH(QString, stored);
    QFETCH(int, tenths);
    QFETCH(QString, answer);
    QFETCH(QString, name);
    Form1Harness h;
    h.start({":::cat", stored, "old date", "old name"});
    h.fakes.clock.now = "06/12/2026 09:15:00";
    h.fakes.dialogs.promptAnswers << answer;
    finishWord(h, "cat", tenths);
    const QString time = QString::number(tenths / 10.0);
    const bool record = !h.fakes.dialogs.prompts().isEmpty();
    QCOMPARE(record, !name.isEmpty() || answer.isEmpty());
    if (record)
        QCOMPARE(h.fakes.dialogs.prompts()[0],
                 "YOU BROKE THE RECORD!!!! " + time + " seconds! Please enter your name:");
    const QStringList expected =
        record ? QStringList{time, "06/12/2026 09:15:00", name} : QStringList{stored, "old date", "old name"};
    const WordTable& table = h.form->wordTable();
    QCOMPARE((QStringList{table.FastestTime[0], table.RecordDate[0], table.RecordName[0]}), expected);
    QCOMPARE((QStringList{h.ui->Text2->text(), h.ui->Text3->text(), h.ui->Text4->text()}), expected);
    QCOMPARE(h.ui->Label9->text(), time);
    // Every finished word resets the run; nothing reaches the file before a save.
    QCOMPARE(h.counters(), QStringList(7, "0"));
    QVERIFY(!h.clockRunning());
    QCOMPARE(h.results(), crlf({":::cat", stored, "old date", "old name"}));
}

void TestForm1Records::recordSoundEndsBeforeThePrompt() {
    Form1Harness h;
    h.setSetting("Sounds", "1");
    h.start({":::cat", "-"});
    QStringList events;
    h.fakes.sound.whilePlaying = [&](const QString& file, bool wait) { events << file + (wait ? " waited" : ""); };
    h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box& box) { events << box.text.left(9); };
    finishWord(h, "cat", 5);
    const int sound = events.indexOf("newrecord.wav waited");
    QVERIFY(sound >= 0);
    QCOMPARE(events.mid(sound + 1), (QStringList{"YOU BROKE", "reset.wav"}));
}

void TestForm1Records::ticksAndAnAutomaticResetWhileThePromptIsOpen() {
    Form1Harness h;
    h.start({":::cat", "-"});
    h.setAutomatic(2, 1, "1");
    h.fakes.dialogs.promptAnswers << "Bo";
    h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) {
        QVERIFY(h.clockRunning());
        h.ticks(10);
    };
    finishWord(h, "cat", 3);
    QCOMPARE(h.form->wordTable().FastestTime[0], "0.3");
    QCOMPARE(h.form->wordTable().RecordName[0], "Bo");
    // The automatic reset cleared the typing time before the last score was set.
    QCOMPARE(h.ui->Label9->text(), "0");
    QVERIFY(!h.clockRunning());
}

void TestForm1Records::finishing_data() {
    QTest::addColumn<QString>("caseSensitive");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("finished");
    QTest::newRow("capitals, case blind") << "0"
                                          << "CAT" << true;
    QTest::newRow("capitals, case sensitive") << "1"
                                              << "CAT" << false;
    QTest::newRow("exact, case sensitive") << "1"
                                           << "cat" << true;
}

void TestForm1Records::finishing() {
    QFETCH(QString, caseSensitive);
    QFETCH(QString, typed);
    QFETCH(bool, finished);
    Form1Harness h;
    h.setSetting("CaseSensitive", caseSensitive);
    h.start({":::cat", "9"});
    h.type(typed);
    QCOMPARE(h.ui->Text1->text(), finished ? "" : typed);
    QCOMPARE(h.fakes.dialogs.prompts().size(), finished ? 1 : 0);
    // Pasted past the word's end, then deleted back to it.
    h.ui->Text1->setText("cats");
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
    QCOMPARE(h.ui->Text1->text(), "");
}

void TestForm1Records::finishingWithNoWordSelectedStoresNothing() {
    Form1Harness h;
    h.start({":::cat", "-"});
    h.form->Command5_Click();
    h.ui->Combo1->setEditText("dog");
    finishWord(h, "dog", 12);
    QVERIFY(h.fakes.dialogs.prompts().isEmpty());
    QCOMPARE(h.ui->Label9->text(), "1.2");
    QCOMPARE(h.ui->Text1->text(), "");
    QVERIFY(!h.clockRunning());
}

void TestForm1Records::stopOnTheEmptiedBoxComesBeforeTheRecordTest() {
    Form1Harness h;
    h.start({":::cat", "-"});
    h.setAutomatic(1, 0, "0");
    finishWord(h, "cat", 5);
    // The nested pass on the emptied box stops first; the outer change sees
    // the word count at 0 again after the reset.
    QStringList texts;
    for (const auto& box : h.fakes.dialogs.boxes)
        texts << box.text.left(9);
    QCOMPARE(texts, (QStringList{"- STOPPED", "YOU BROKE", "- STOPPED"}));
}

QTEST_MAIN(TestForm1Records)
#include "test_form1_records.moc"
