#include "form3harness.h"

#include <QTest>

namespace {

QByteArray manyRecords(int count) {
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << QStringLiteral(":::w%1").arg(i) << "10"
              << "d"
              << "n";
    return crlf(lines);
}

} // namespace

class TestForm3Merge : public QObject {
    Q_OBJECT

private slots:
    void mergeRewritesSource2AndReports();
    void mergeIntoResultsDatReloadsTheMainWindow();
    void fullSource2KeepsItsRecordsAndSaysWhatWasLeftOut();
    void refusesFilesOtherThanTheOpenedOnes_data();
    void refusesFilesOtherThanTheOpenedOnes();
    void refusesSource2WithMoreRecordsThanFit();
    void failedWriteChangesNothing();
};

void TestForm3Merge::mergeRewritesSource2AndReports() {
    Form3Harness h;
    h.openWindow();
    const QByteArray source1 =
        crlf({":::house", "4.3", "D1", "N1", ":::zebra", "2", "DZ", "NZ", ":::apple", "-", "na", "na"});
    h.openSources(source1, crlf({"my words", ":::garden", "1", "DG", "NG", "extra line", ":::house", "5", "D2", "N2"}));
    h.w->Command5->click();

    // Lines the reader skips are not written back; new words follow the
    // last record in Source 1 order.
    QCOMPARE(h.fakes.files.bytes(Form3Harness::Source2Path),
             crlf({":::garden", "1", "DG", "NG", ":::house", "4.3", "D1", "N1", ":::zebra", "2", "DZ", "NZ", ":::apple",
                   "-", "na", "na"}));
    QCOMPARE(h.fakes.files.bytes(Form3Harness::Source1Path), source1);
    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"Done!\r\n\r\nUpdated: 1\r\nAdded: 2"});

    // "Open" ran again on the new files.
    QCOMPARE(entries(h.w->ImageCombo2), (QStringList{"garden", "house", "zebra", "apple"}));
    QCOMPARE(marks(h.w->ImageCombo1), (QList<int>{MarkSimilar, MarkSimilar, MarkSimilar}));
    QCOMPARE(marks(h.w->ImageCombo2), (QList<int>{MarkNew, MarkSimilar, MarkSimilar, MarkSimilar}));
    QCOMPARE(h.w->Label4->text(), "Words in database: 4");
    QVERIFY(h.w->Command5->isEnabled());

    // Nothing is left to give.
    h.w->Command5->click();
    QCOMPARE(h.fakes.dialogs.messages().last(), "Done!\r\n\r\nUpdated: 0\r\nAdded: 0");
    QCOMPARE(h.fakes.files.writes, 2);
}

void TestForm3Merge::mergeIntoResultsDatReloadsTheMainWindow() {
    Form3Harness h;
    h.setResults(crlf({":::house", "5", "D2", "N2"}));
    h.openWindow();
    h.fakes.files.put(Form3Harness::Source1Path, crlf({":::house", "4.3", "D1", "N1", ":::zebra", "2", "DZ", "NZ"}));
    h.choose(Form3Harness::Source1Path, h.fakes.files.absolute("results.dat"));
    h.window->Command4_Click();

    QStringList listedWhileTold;
    h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) { listedWhileTold = entries(h.ui->Combo1); };
    h.w->Command5->click();

    QCOMPARE(listedWhileTold, (QStringList{"house", "zebra"}));
    QCOMPARE(h.ui->Label10->text(), "Words in database: 2");
    QCOMPARE(h.ui->Text2->text(), "4.3");
    QCOMPARE(h.form->wordTable().RecordName[1], "NZ");
}

void TestForm3Merge::fullSource2KeepsItsRecordsAndSaysWhatWasLeftOut() {
    Form3Harness h;
    h.openWindow();
    h.openSources(crlf({":::new", "1", "d", "n", ":::w100", "2", "D", "N"}), manyRecords(101));
    h.w->Command5->click();

    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"Done!\r\n\r\nUpdated: 1\r\nAdded: 0\r\nNot added (no room): 1"});
    const QByteArray written = h.fakes.files.bytes(Form3Harness::Source2Path);
    QCOMPARE(written.count(":::"), 101);
    QVERIFY(written.endsWith(":::w100\r\n2\r\nD\r\nN\r\n"));
    QCOMPARE(h.w->ImageCombo2->count(), 101);
}

void TestForm3Merge::refusesFilesOtherThanTheOpenedOnes_data() {
    QTest::addColumn<bool>("changeSource1");
    QTest::newRow("Source 2 chosen after Open") << false;
    QTest::newRow("Source 1 chosen after Open") << true;
}

void TestForm3Merge::refusesFilesOtherThanTheOpenedOnes() {
    QFETCH(bool, changeSource1);
    Form3Harness h;
    h.openWindow();
    h.openSources(crlf({":::house", "4.3"}), crlf({":::house", "5"}));
    const QString other = QStringLiteral("/home/typist/other.dat");
    const QByteArray otherBytes = crlf({":::other", "1", "d", "n"});
    h.fakes.files.put(other, otherBytes);
    h.fakes.dialogs.openFileAnswers << other;
    if (changeSource1)
        h.window->Command2_Click();
    else
        h.window->Command3_Click();

    h.w->Command5->click();
    QCOMPARE(h.fakes.files.writes, 0);
    QCOMPARE(h.fakes.files.bytes(other), otherBytes);
    QCOMPARE(h.fakes.dialogs.messages().size(), 1);
    QVERIFY(h.fakes.dialogs.messages().first().contains("press \"Open\" first"));

    // Once "Open" has read the chosen files, the merge goes ahead.
    h.window->Command4_Click();
    h.w->Command5->click();
    QCOMPARE(h.fakes.files.writes, 1);
    QVERIFY(h.fakes.dialogs.messages().last().startsWith("Done!"));
}

void TestForm3Merge::refusesSource2WithMoreRecordsThanFit() {
    Form3Harness h;
    h.openWindow();
    h.openSources(crlf({":::new", "1"}), manyRecords(102));
    QCOMPARE(h.w->ImageCombo2->count(), 101);
    h.w->Command5->click();
    QCOMPARE(h.fakes.files.writes, 0);
    QCOMPARE(h.fakes.files.bytes(Form3Harness::Source2Path), manyRecords(102));
    QCOMPARE(h.fakes.dialogs.messages(),
             QStringList{"/home/typist/mine.dat holds 102 records, but only the first 101 can be read. Writing it "
                         "back would lose the other 1, so nothing was merged."});
}

void TestForm3Merge::failedWriteChangesNothing() {
    Form3Harness h;
    h.setResults(crlf({":::mine", "1"}));
    h.openWindow();
    const QByteArray source2 = crlf({":::house", "5", "D2", "N2"});
    h.openSources(crlf({":::house", "4.3", "D1", "N1", ":::zebra", "2"}), source2);
    h.ui->Combo1->clear();
    h.fakes.files.failWrites = QStringLiteral("Permission denied");
    h.w->Command5->click();

    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"Could not write /home/typist/mine.dat: Permission denied"});
    QCOMPARE(h.fakes.files.bytes(Form3Harness::Source2Path), source2);
    QCOMPARE(entries(h.w->ImageCombo2), QStringList{"house"});
    QCOMPARE(h.ui->Combo1->count(), 0); // the main window was not reloaded

    // The tables still hold what "Open" read, so a later merge counts right.
    h.fakes.files.failWrites.clear();
    h.w->Command5->click();
    QCOMPARE(h.fakes.dialogs.messages().last(), "Done!\r\n\r\nUpdated: 1\r\nAdded: 1");
}

QTEST_MAIN(TestForm3Merge)
#include "test_form3_merge.moc"
