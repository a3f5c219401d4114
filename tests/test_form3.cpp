#include "form3harness.h"

#include <QTest>

#include <tuple>

namespace {

QStringList panels(const Ui::Form3* w) {
    return {w->Text3->text(), w->Text4->text(), w->Text5->text(), w->Text6->text(), w->Text7->text(), w->Text8->text()};
}

QString manyRecords(int count) {
    QStringList records;
    for (int i = 0; i < count; ++i)
        records << QStringLiteral("w%1 10 d n").arg(i);
    return records.join(u';');
}

} // namespace

class TestForm3 : public QObject {
    Q_OBJECT

private slots:
    void leavingGivesTheMainWindowBack();
    void browseCancelKeepsTheDialogsName();
    void marksEveryEntry_data();
    void marksEveryEntry();
    void recordPanelsFollowTheSelection();
    void openIgnoresWhatIsNoFile();
    void mergeRewritesSource2AndReports();
    void fullSource2TakesNoNewWords();
    void mergeIntoResultsDatReloadsTheMainWindow();
    void refusesPathChangedSinceOpen();
    void refusesSource2WithMoreRecordsThanFit();
    void failedWriteChangesNothing();
};

void TestForm3::leavingGivesTheMainWindowBack() {
    Form3Harness h;
    h.openRecords("house 4.3 D1 N1", "garden 5");
    h.w->Command1->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(h.window.isNull() && h.form->isEnabled());

    // Opened again, it starts afresh although the tables still hold the files.
    h.openWindow();
    QCOMPARE(entries(h.w->ImageCombo1) + entries(h.w->ImageCombo2), (QStringList{"-", "-"}));
    QCOMPARE(panels(h.w).join(""), "");
    QVERIFY(!h.w->Command5->isEnabled() && !h.form->isEnabled());
    h.window->close();
    QVERIFY(h.form->isEnabled());
}

void TestForm3::browseCancelKeepsTheDialogsName() {
    Form3Harness h;
    h.openWindow();
    h.choose("", "");
    QCOMPARE(QStringList({h.w->Text1->text(), h.w->Text2->text()}), QStringList(2, "/home/typist/tapmeter"));
    h.choose(h.source1Path, "");
    QCOMPARE(h.fakes.dialogs.lastInitialFileName, h.source1Path);
    QCOMPARE(h.w->Text2->text(), h.source1Path);
}

void TestForm3::marksEveryEntry_data() {
    QTest::addColumn<QString>("source1");
    QTest::addColumn<QString>("source2");
    QTest::addColumn<QList<int>>("marks1");
    QTest::addColumn<QList<int>>("marks2");
    QTest::addColumn<bool>("mergeOffered");
    const std::tuple<const char*, const char*, const char*, QList<int>, QList<int>, bool> rows[] = {
        {"faster against slower", "house 4.3", "house 5", {MarkFaster}, {MarkSlower}, true},
        {"equal times", "a 4.3; b -", "b -; a 4.30", {MarkSimilar, MarkSimilar}, {MarkSimilar, MarkSimilar}, false},
        {"letter case makes another word", "House 1", "house 1", {MarkNew}, {MarkNew}, true},
        {"twice in Source 2: the last decides", "a 5", "a 9; a 3", {MarkSlower}, {MarkSlower, MarkFaster}, false},
    };
    for (const auto& [name, source1, source2, marks1, marks2, offered] : rows)
        QTest::newRow(name) << QString(source1) << QString(source2) << marks1 << marks2 << offered;
}

void TestForm3::marksEveryEntry() {
    QFETCH(QString, source1);
    QFETCH(QString, source2);
    QFETCH(QList<int>, marks1);
    QFETCH(QList<int>, marks2);
    QFETCH(bool, mergeOffered);
    Form3Harness h;
    h.openRecords(source1, source2);
    QCOMPARE(marks(h.w->ImageCombo1), marks1);
    QCOMPARE(marks(h.w->ImageCombo2), marks2);
    QCOMPARE(h.w->Command5->isEnabled(), mergeOffered);
}

void TestForm3::recordPanelsFollowTheSelection() {
    Form3Harness h;
    h.openRecords("house 4.3 D1 N1", "a 1 Da Na; c 3 Dc Nc");
    QCOMPARE(panels(h.w), (QStringList{"4.3", "D1", "N1", "1", "Da", "Na"}));
    QTest::keyClick(h.w->ImageCombo2, Qt::Key_Down);
    QCOMPARE(panels(h.w), (QStringList{"4.3", "D1", "N1", "3", "Dc", "Nc"}));
}

void TestForm3::openIgnoresWhatIsNoFile() {
    Form3Harness h;
    h.openRecords("house 4.3", "house 5");
    h.fakes.files.put("/home/typist/empty.dat", "");
    for (const char* path : {"/home/typist/gone.dat", "/home/typist/empty.dat"}) {
        h.w->Text1->setText(path);
        h.window->Command4_Click();
        QCOMPARE(entries(h.w->ImageCombo1), QStringList{"house"});
    }
    // An unreadable Source 2: the Source 1 read before it changes nothing either.
    h.w->Text1->setText(h.source1Path);
    h.fakes.files.put(h.source1Path, crlf(resultLines("zebra 1")));
    h.fakes.files.unreadable.insert(h.source2Path);
    h.window->Command4_Click();
    h.window->ImageCombo1_Click();
    QCOMPARE(h.w->Text3->text(), "4.3");
}

void TestForm3::mergeRewritesSource2AndReports() {
    Form3Harness h;
    h.openRecords("house 4.3 D1 N1; zebra 2 DZ NZ; apple - na na", "garden 1 DG NG; house 5 D2 N2");
    h.w->Command5->click();
    QCOMPARE(h.fakes.files.bytes(h.source2Path),
             crlf(resultLines("garden 1 DG NG; house 4.3 D1 N1; zebra 2 DZ NZ; apple - na na")));
    QCOMPARE(h.fakes.files.writes, 1);
    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"Done!\r\n\r\nUpdated: 1\r\nAdded: 2"});
    // "Open" ran again on the new file; the merge, once offered, stays so.
    QCOMPARE(marks(h.w->ImageCombo1), (QList<int>{MarkSimilar, MarkSimilar, MarkSimilar}));
    QVERIFY(h.w->Command5->isEnabled());
}

void TestForm3::fullSource2TakesNoNewWords() {
    Form3Harness h;
    h.openRecords("new 1; w100 2 D N; new 0.5", manyRecords(101));
    h.w->Command5->click();
    // No slot beyond the 101st; a word left out twice counts once.
    QCOMPARE(h.fakes.files.bytes(h.source2Path), crlf(resultLines(manyRecords(100) + ";w100 2 D N")));
    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"Done!\r\n\r\nUpdated: 1\r\nAdded: 0\r\nNot added (no room): 1"});
}

void TestForm3::mergeIntoResultsDatReloadsTheMainWindow() {
    Form3Harness h;
    h.source2Path = h.fakes.files.absolute("results.dat");
    h.openRecords("house 4.3 D1 N1; zebra 2 DZ NZ", "house 5 D2 N2");
    QStringList listedWhileTold;
    h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) { listedWhileTold = entries(h.ui->Combo1); };
    h.w->Command5->click();
    QCOMPARE(listedWhileTold, (QStringList{"house", "zebra"}));
    QCOMPARE(h.form->wordTable().FastestTime[0], "4.3");
}

void TestForm3::refusesPathChangedSinceOpen() {
    Form3Harness h;
    h.openRecords("house 4.3", "house 5");
    h.fakes.files.put("/home/typist/other.dat", crlf(resultLines("other 1")));
    h.fakes.dialogs.openFileAnswers << "/home/typist/other.dat";
    h.window->Command3_Click();
    h.w->Command5->click();
    QCOMPARE(h.fakes.files.writes, 0);
    QVERIFY(h.fakes.dialogs.messages().value(0).contains("press \"Open\" first"));
    // Once "Open" has read the chosen file, the merge goes ahead.
    h.window->Command4_Click();
    h.w->Command5->click();
    QCOMPARE(h.fakes.files.writes, 1);
}

void TestForm3::refusesSource2WithMoreRecordsThanFit() {
    Form3Harness h;
    h.openRecords("new 1", manyRecords(102));
    h.w->Command5->click();
    QCOMPARE(h.fakes.files.writes, 0);
    QCOMPARE(h.fakes.dialogs.messages(),
             QStringList{"/home/typist/mine.dat holds 102 records, but only the first 101 can be read. Writing it "
                         "back would lose the other 1, so nothing was merged."});
}

void TestForm3::failedWriteChangesNothing() {
    Form3Harness h;
    h.setResults(crlf(resultLines("mine 1")));
    h.openRecords("house 4.3 D1 N1; zebra 2", "house 5 D2 N2");
    h.ui->Combo1->clear();
    h.fakes.files.failWrites = QStringLiteral("Permission denied");
    h.w->Command5->click();
    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"Could not write /home/typist/mine.dat: Permission denied"});
    QCOMPARE(h.ui->Combo1->count(), 0); // the main window was not reloaded
    // The tables still hold what "Open" read, so a later merge counts right.
    h.fakes.files.failWrites.clear();
    h.w->Command5->click();
    QCOMPARE(h.fakes.dialogs.messages().last(), "Done!\r\n\r\nUpdated: 1\r\nAdded: 1");
}

QTEST_MAIN(TestForm3)
#include "test_form3.moc"
