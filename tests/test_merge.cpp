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

// Update Results, opened on two files of these records unless none are given.
struct Opened : Form1Harness {
    Opened() = default;
    Opened(const QString& records1, const QString& records2) { openRecords(records1, records2); }
    void clickMerge() { w->Command5->click(); }
    void clickOpen() { w->Command4->click(); }
    // The record panels of both sources: "time date name | time date name".
    QString panels() const {
        return QStringList{w->Text3->text(), w->Text4->text(), w->Text5->text()}.join(u' ') + " | " +
               QStringList{w->Text6->text(), w->Text7->text(), w->Text8->text()}.join(u' ');
    }
    // The marks of both lists: "faster new | slower".
    QString marks() const { return marksOf(w->ImageCombo1).join(u' ') + " | " + marksOf(w->ImageCombo2).join(u' '); }
    // The messages shown, their line breaks as "/".
    QStringList told() const {
        QStringList texts = fakes.dialogs.messages();
        for (QString& text : texts)
            text.replace("\r\n\r\n", "/").replace("\r\n", "/");
        return texts;
    }
};

const QString NotOpened = QStringLiteral("The lists do not show the files named above. Please press \"Open\" first. "
                                         "Nothing was merged.");
} // namespace

class TestMerge : public QObject {
    Q_OBJECT

private slots:
    // Letter case makes another word.
    void marksCompareTimesAsNumbersAndNoRecordIsSlowest() {
        Opened h("a 9.5 d n; b 12s d n; c - d n; d - d n; e 0 d n; f 4.3 d n; G 1 d n",
                 "a 10.2 d n; b 9 d n; c - d n; d 7.1 d n; e - d n; f 4.30 d n; g 1 d n");
        QCOMPARE(h.marks(), "faster slower similar slower faster similar new | "
                            "slower faster similar faster slower similar new");
        QCOMPARE(h.panels(), "9.5 d n | 10.2 d n");
        QVERIFY(h.w->Command5->isEnabled());
    }

    // Only a faster or a new record offers the merge.
    void aWordTwiceInSource2IsMarkedByItsLastRecord() {
        Opened h("a 5 d n", "a 9 d n; a 3 d n");
        QCOMPARE(h.marks(), "slower | slower faster");
        QTest::keyClick(h.w->ImageCombo2, Qt::Key_Down);
        QCOMPARE(h.panels(), "5 d n | 3 d n");
        QVERIFY(!h.w->Command5->isEnabled());
    }

    // After the merge Source 2 is opened again: Source 1's records are then
    // similar, and the added word is listed. Source 2 here is results.dat: the
    // main window lists its records before the typist is told.
    void mergeWritesFasterAndNewRecordsIntoSource2() {
        Opened h;
        h.source2Path = h.resultsPath();
        h.openRecords("house 4.3 D1 N1; zebra 2 d n", "house 5 D2 N2");
        QStringList listedWhileTold;
        h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) { listedWhileTold = h.listed(); };
        h.clickMerge();
        QCOMPARE(h.told(), QStringList{"Done!/Updated: 1/Added: 1"});
        QCOMPARE(h.fakes.files.bytes(h.source2Path), crlf(resultLines("house 4.3 D1 N1; zebra 2 d n")));
        QCOMPARE(h.marks(), "similar similar | similar similar");
        QCOMPARE(h.panels(), "4.3 D1 N1 | 4.3 D1 N1");
        QCOMPARE(listedWhileTold.join(u' ') + " | " + h.record(), "house zebra | 4.3 D1 N1");
    }

    void aFailedWriteChangesNothing() {
        Opened h("house 4.3 D1 N1; zebra 2 d n", "house 5 D2 N2");
        h.fakes.files.failWrites = "Permission denied";
        h.clickMerge();
        QCOMPARE(h.told(), QStringList{"Could not write /home/typist/mine.dat: Permission denied"});
        QCOMPARE(h.marks(), "faster new | slower");
        // The same merge, once the disk takes it, updates and adds as before.
        h.fakes.files.failWrites.clear();
        h.clickMerge();
        QCOMPARE(h.told().constLast(), "Done!/Updated: 1/Added: 1");
    }

    void aSource2CutByTheListIsNotMergedInto() {
        Opened h("new 1 d n", numbered(102, "w%1 10 d n").join(u';'));
        QCOMPARE(entries(h.w->ImageCombo2).size(), 101);
        h.clickMerge();
        QCOMPARE(h.told(), QStringList{"/home/typist/mine.dat holds 102 records, but only the first 101 can be read. "
                                       "Writing it back would lose the other 1, so nothing was merged."});
        QCOMPARE(h.fakes.files.writes, 0);
    }

    // Source 2 lacks its last line: the merge would cut it, so a copy comes first.
    void withoutACopyOfACutSource2ThereIsNoMerge() {
        Opened h("house 4.3 D1 N1", "house 5 D2");
        h.fakes.files.unreadable.insert(h.source2Path);
        h.clickMerge();
        QCOMPARE(h.told(), QStringList{"Could not keep a copy of /home/typist/mine.dat as /home/typist/mine.dat.bak: "
                                       "unreadable. Nothing was merged."});
        QCOMPARE(h.fakes.files.writes, 0);
    }

    void aPathChangedSinceOpenIsNotMerged_data() {
        // The source whose path is changed.
        const Table<int> table("changed");
        table.row("Source 1", 1);
        table.row("Source 2", 2);
    }
    void aPathChangedSinceOpenIsNotMerged() {
        QFETCH(int, changed);
        Opened h("house 4.3 d n", "house 5 d n");
        const QString other = QStringLiteral("/home/typist/other.dat");
        h.fakes.files.put(other, crlf(resultLines("other 1 d n")));
        h.choose(changed == 1 ? other : h.source1Path, changed == 2 ? other : h.source2Path);
        h.clickMerge();
        QCOMPARE(h.told(), QStringList{NotOpened});
        QCOMPARE(h.fakes.files.writes, 0);
        h.clickOpen();
        h.clickMerge();
        QCOMPARE(h.told().constLast().left(5), "Done!");
    }

    void openIgnoresANameThatIsNoFileOrEmpty() {
        Opened h("house 4.3 d n", "house 5 d n");
        h.fakes.files.put("/home/typist/empty.dat", "");
        for (const char* name : {"/home/typist/gone.dat", "/home/typist/empty.dat"}) {
            h.w->Text1->setText(name);
            h.clickOpen();
        }
        QCOMPARE(entries(h.w->ImageCombo1), QStringList{"house"});
        QCOMPARE(h.panels(), "4.3 d n | 5 d n");
        QCOMPARE(h.told(), QStringList());
    }

    // Both files are read before anything changes: Source 1, rewritten on disk,
    // is not shown when Source 2 cannot be read, and nothing is merged.
    void anOpenThatFailsOnSource2ChangesNothing() {
        Opened h("house 4.3 d n", "house 5 d n");
        h.fakes.files.put(h.source1Path, crlf(resultLines("house 1 D0 N0; zebra 1 d n")));
        h.fakes.files.unreadable.insert(h.source2Path);
        h.clickOpen();
        QCOMPARE(h.told(), QStringList{"Could not read /home/typist/mine.dat, so nothing was opened."});
        QCOMPARE(h.marks(), "faster | slower");
        // Picking the entry again shows the record the list was opened with.
        QTest::keyClick(h.w->ImageCombo1, Qt::Key_F4);
        QTest::keyClick(static_cast<QWidget*>(h.w->ImageCombo1->view()), Qt::Key_Return);
        QCOMPARE(h.panels(), "4.3 d n | 5 d n");
        h.clickMerge();
        QCOMPARE(h.told().constLast(), NotOpened);
        QCOMPARE(h.fakes.files.writes, 0);
    }

    // Back! and the close box give the main window back; opened again, though
    // the tables still hold the files, the lists start with "-" alone.
    void leavingGivesTheMainWindowBackAndTheWindowStartsAfresh() {
        Opened h("house 4.3 D1 N1", "garden 5");
        QVERIFY(!h.form->isEnabled());
        h.w->Command1->click(); // Back!
        QVERIFY(h.form->isEnabled());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(h.window.isNull());
        h.openWindow();
        QVERIFY(!h.form->isEnabled());
        QCOMPARE(entries(h.w->ImageCombo1) + entries(h.w->ImageCombo2), (QStringList{"-", "-"}));
        QCOMPARE(h.w->Text3->text() + h.w->Text6->text(), "");
        QVERIFY(!h.w->Command5->isEnabled());
        h.window->close(); // the close box
        QVERIFY(h.form->isEnabled());
    }

    // The browse dialogs start from the working folder; Cancel gives the box the
    // name the dialog held, and the next dialog starts from the last name chosen.
    void aCancelledBrowseKeepsTheNameTheDialogHeld() {
        Opened h;
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
