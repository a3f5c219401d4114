// Update Results: two results files opened side by side, each word marked
// against the other file, and Source 1's faster and new records merged into
// Source 2. Records are written "word time date name; word time...".
#include "tests/harness.h"

#include <QAbstractItemView>
#include <QTest>

namespace {
// Each entry's mark as the typist sees and hears it: "faster", "similar",
// "new", "slower"; "none" or "mismatch" where picture and words disagree.
QStringList marksOf(const QComboBox* list) {
    static const QStringList names{"mismatch", "none", "faster", "similar", "new", "slower"};
    QStringList shown;
    for (int mark : marks(list))
        shown << names.at(mark + 1);
    return shown;
}

// The record panels of both sources: "time date name | time date name".
QString panels(const Form1Harness& h) {
    return QStringList{h.w->Text3->text(), h.w->Text4->text(), h.w->Text5->text()}.join(u' ') + " | " +
           QStringList{h.w->Text6->text(), h.w->Text7->text(), h.w->Text8->text()}.join(u' ');
}

// The messages shown, their line breaks as "/".
QStringList told(const Form1Harness& h) {
    QStringList texts = h.fakes.dialogs.messages();
    for (QString& text : texts)
        text.replace("\r\n\r\n", "/").replace("\r\n", "/");
    return texts;
}

// Update Results opened on two files of these records.
struct Opened : Form1Harness {
    Opened(const QString& records1, const QString& records2) { openRecords(records1, records2); }
};

void clickMerge(Form1Harness& h) {
    h.w->Command5->click();
}
void clickOpen(Form1Harness& h) {
    h.w->Command4->click();
}
const QString NotOpened = QStringLiteral("The lists do not show the files named above. Please press \"Open\" first. "
                                         "Nothing was merged.");
} // namespace

class TestMerge : public QObject {
    Q_OBJECT

private slots:
    void marksCompareTimesAsNumbersAndNoRecordIsSlowest() {
        Opened h("a 9.5 d n; b 12s d n; c - d n; d - d n; e 0 d n; f 4.3 d n",
                 "a 10.2 d n; b 9 d n; c - d n; d 7.1 d n; e - d n; f 4.30 d n");
        QCOMPARE(marksOf(h.w->ImageCombo1),
                 QStringList({"faster", "slower", "similar", "slower", "faster", "similar"}));
        QCOMPARE(marksOf(h.w->ImageCombo2),
                 QStringList({"slower", "faster", "similar", "faster", "slower", "similar"}));
        QCOMPARE(panels(h), "9.5 d n | 10.2 d n");
        QVERIFY(h.w->Command5->isEnabled());
    }

    void letterCaseMakesAnotherWord() {
        Opened h("House 1 d n", "house 1 d n");
        QCOMPARE(marksOf(h.w->ImageCombo1) + marksOf(h.w->ImageCombo2), QStringList({"new", "new"}));
    }

    // Only a faster or a new record offers the merge.
    void aWordTwiceInSource2IsMarkedByItsLastRecord() {
        Opened h("a 5 d n", "a 9 d n; a 3 d n");
        QCOMPARE(marksOf(h.w->ImageCombo1), QStringList{"slower"});
        QCOMPARE(marksOf(h.w->ImageCombo2), QStringList({"slower", "faster"}));
        QTest::keyClick(h.w->ImageCombo2, Qt::Key_Down);
        QCOMPARE(panels(h), "5 d n | 3 d n");
        QVERIFY(!h.w->Command5->isEnabled());
    }

    // After the merge Source 2 is opened again: Source 1's records are then
    // similar, and the added word is listed.
    void mergeWritesFasterAndNewRecordsIntoSource2() {
        Opened h("house 4.3 D1 N1; zebra 2 d n", "house 5 D2 N2");
        clickMerge(h);
        QCOMPARE(told(h), QStringList{"Done!/Updated: 1/Added: 1"});
        QCOMPARE(h.fakes.files.bytes(h.source2Path), crlf(resultLines("house 4.3 D1 N1; zebra 2 d n")));
        QCOMPARE(marksOf(h.w->ImageCombo1), QStringList({"similar", "similar"}));
        QCOMPARE(marksOf(h.w->ImageCombo2), QStringList({"similar", "similar"}));
        QCOMPARE(panels(h), "4.3 D1 N1 | 4.3 D1 N1");
    }

    void aFailedWriteChangesNothing() {
        Opened h("house 4.3 D1 N1; zebra 2 d n", "house 5 D2 N2");
        const QByteArray before = h.fakes.files.bytes(h.source2Path);
        h.fakes.files.failWrites = "Permission denied";
        clickMerge(h);
        QCOMPARE(told(h), QStringList{"Could not write /home/typist/mine.dat: Permission denied"});
        QCOMPARE(h.fakes.files.bytes(h.source2Path), before);
        QCOMPARE(marksOf(h.w->ImageCombo1), QStringList({"faster", "new"}));
        QCOMPARE(entries(h.w->ImageCombo2), QStringList{"house"});
        // The same merge, once the disk takes it, updates and adds as before.
        h.fakes.files.failWrites.clear();
        clickMerge(h);
        QCOMPARE(told(h).constLast(), "Done!/Updated: 1/Added: 1");
    }

    void aSource2CutByTheListIsNotMergedInto() {
        Opened h("new 1 d n", numbered(102, "w%1 10 d n").join(u';'));
        const QByteArray before = h.fakes.files.bytes(h.source2Path);
        QCOMPARE(entries(h.w->ImageCombo2).size(), 101);
        clickMerge(h);
        QCOMPARE(told(h), QStringList{"/home/typist/mine.dat holds 102 records, but only the first 101 can be read. "
                                      "Writing it back would lose the other 1, so nothing was merged."});
        QCOMPARE(h.fakes.files.bytes(h.source2Path), before);
        QCOMPARE(h.fakes.files.writes, 0);
    }

    // Source 2 lacks its last line: the merge would cut it, so a copy comes first.
    void withoutACopyOfACutSource2ThereIsNoMerge() {
        Opened h("house 4.3 D1 N1", "house 5 D2");
        h.fakes.files.unreadable.insert(h.source2Path);
        clickMerge(h);
        QCOMPARE(told(h), QStringList{"Could not keep a copy of /home/typist/mine.dat as /home/typist/mine.dat.bak: "
                                      "unreadable. Nothing was merged."});
        QCOMPARE(h.fakes.files.writes, 0);
    }

    void aPathChangedSinceOpenIsNotMerged_data() {
        QTest::addColumn<QString>("source1");
        QTest::addColumn<QString>("source2");
        QTest::newRow("Source 1") << "/home/typist/other.dat"
                                  << "/home/typist/mine.dat";
        QTest::newRow("Source 2") << "/home/typist/friend.dat"
                                  << "/home/typist/other.dat";
    }

    void aPathChangedSinceOpenIsNotMerged() {
        QFETCH(QString, source1);
        QFETCH(QString, source2);
        Form1Harness h;
        h.fakes.files.put("/home/typist/other.dat", crlf(resultLines("other 1 d n")));
        h.openRecords("house 4.3 d n", "house 5 d n");
        h.choose(source1, source2);
        clickMerge(h);
        QCOMPARE(told(h), QStringList{NotOpened});
        QCOMPARE(h.fakes.files.writes, 0);
        clickOpen(h);
        clickMerge(h);
        QCOMPARE(told(h).constLast().left(5), "Done!");
    }

    void openIgnoresANameThatIsNoFileOrEmpty() {
        Form1Harness h;
        h.fakes.files.put("/home/typist/empty.dat", "");
        h.openRecords("house 4.3 d n", "house 5 d n");
        for (const char* name : {"/home/typist/gone.dat", "/home/typist/empty.dat"}) {
            h.w->Text1->setText(name);
            clickOpen(h);
        }
        QCOMPARE(entries(h.w->ImageCombo1), QStringList{"house"});
        QCOMPARE(panels(h), "4.3 d n | 5 d n");
        QCOMPARE(told(h), QStringList());
    }

    // Both files are read before anything changes: Source 1, rewritten on disk,
    // is not shown when Source 2 cannot be read, and nothing is merged.
    void anOpenThatFailsOnSource2ChangesNothing() {
        Opened h("house 4.3 d n", "house 5 d n");
        h.fakes.files.put(h.source1Path, crlf(resultLines("house 1 D0 N0; zebra 1 d n")));
        h.fakes.files.unreadable.insert(h.source2Path);
        clickOpen(h);
        QCOMPARE(told(h), QStringList{"Could not read /home/typist/mine.dat, so nothing was opened."});
        QCOMPARE(entries(h.w->ImageCombo1), QStringList{"house"});
        QCOMPARE(marksOf(h.w->ImageCombo1), QStringList{"faster"});
        // Picking the entry again shows the record the list was opened with.
        QTest::keyClick(h.w->ImageCombo1, Qt::Key_F4);
        QTest::keyClick(static_cast<QWidget*>(h.w->ImageCombo1->view()), Qt::Key_Return);
        QCOMPARE(panels(h), "4.3 d n | 5 d n");
        clickMerge(h);
        QCOMPARE(told(h).constLast(), NotOpened);
        QCOMPARE(h.fakes.files.writes, 0);
    }

    void mergeIntoResultsDatReloadsTheMainWindow() {
        Form1Harness h;
        h.source2Path = h.resultsPath();
        h.openRecords("house 4.3 D1 N1; zebra 2 DZ NZ", "house 5 D2 N2");
        QStringList listedWhileTold;
        h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) { listedWhileTold = h.listed(); };
        clickMerge(h);
        QCOMPARE(listedWhileTold, (QStringList{"house", "zebra"}));
        QCOMPARE(h.record(), "4.3 D1 N1");
    }

    void leavingGivesTheMainWindowBack() {
        Opened h("house 4.3 D1 N1", "garden 5");
        QVERIFY(!h.form->isEnabled());
        h.w->Command1->click(); // Back!
        QVERIFY(h.form->isEnabled());
        h.openWindow();
        QVERIFY(!h.form->isEnabled());
        h.window->close(); // the close box
        QVERIFY(h.form->isEnabled());
    }

    // Though the tables still hold the files, the lists start with "-" alone.
    void openedAgainItStartsAfresh() {
        Opened h("house 4.3 D1 N1", "garden 5");
        h.w->Command1->click(); // Back!
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(h.window.isNull());
        h.openWindow();
        QCOMPARE(entries(h.w->ImageCombo1) + entries(h.w->ImageCombo2), (QStringList{"-", "-"}));
        QCOMPARE(h.w->Text3->text() + h.w->Text6->text(), "");
        QVERIFY(!h.w->Command5->isEnabled());
    }

    // The browse dialogs start from the working folder; Cancel gives the box the
    // name the dialog held, and the next dialog starts from the last name chosen.
    void aCancelledBrowseKeepsTheNameTheDialogHeld() {
        Form1Harness h;
        h.openWindow();
        h.choose("", "");
        QCOMPARE(QStringList({h.w->Text1->text(), h.w->Text2->text()}), QStringList(2, "/home/typist/tapmeter"));
        h.choose(h.source1Path, "");
        QCOMPARE(h.fakes.dialogs.texts(FakeDialogs::Kind::OpenFile).constLast(), h.source1Path);
        QCOMPARE(h.w->Text2->text(), h.source1Path);
    }
};

QTEST_MAIN(TestMerge)
#include "test_merge.moc"
