#include "tests/harness.h"

#include <QRegularExpression>
#include <QTest>

// Update Results, scripted. Each row writes Source 1 and Source 2 (records
// "word time date name; ..."), opens both, plays a script and compares one
// line:
//   Source 1 marks | Source 2 marks | the six record boxes | merge offered
//   | messages | Source 2 afterwards ("/" ends a line)
// Marks: F faster, = similar, N new, S slower. Script: merge (the button,
// which does nothing unless the merge is offered), down (Source 2's next
// entry), path1:F (file F of the typist's folder typed in), other (another
// Source 2 chosen, not opened), open, rewrite (Source 1 on disk), unreadable
// (Source 2), fail and mend (the disk).
class TestMerge : public QObject {
    Q_OBJECT

private slots:
    void script_data();
    void script();
    void mergeIntoResultsDatReloadsTheMainWindow();
    void leavingGivesTheMainWindowBackAndOpensAfresh();
};

namespace {

// Marks as letters; long lists show their ends and their length.
QString markLetters(const QComboBox* list) {
    QString letters;
    for (int mark : marks(list))
        letters += QString("?.F=NS").at(mark + 1);
    return letters.size() <= 5 ? letters
                               : letters.left(1) + ".." + letters.right(1) + QString(" (%1)").arg(letters.size());
}

} // namespace

void TestMerge::script_data() {
    QTest::addColumn<QString>("source1");
    QTest::addColumn<QString>("source2");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("snapshot");
    const auto row = [](const char* name, const char* source1, const QString& source2, const char* script,
                        const char* line) { QTest::newRow(name) << QString(source1) << source2 << script << line; };
    // Marks and the comparison of times.
    row("times are numbers; no record is slowest", "a 9.5 d n; b 12s d n; c - d n; d - d n; e 0 d n",
        "a 10.2 d n; b 9 d n; c - d n; d 7.1 d n; e - d n", "", "FS=SF | SF=FS | 9.5 d n 10.2 d n | 1 |  | same");
    row("letter case makes another word", "House 1 d n", "house 1 d n", "", "N | N | 1 d n 1 d n | 1 |  | same");
    row("twice in Source 2: the last decides", "a 5 d n", "a 9 d n; a 3 d n", "down",
        "S | SF | 5 d n 3 d n | 0 |  | same");
    // What the merge refuses, and what "Open" ignores.
    row("Source 2 with more records than fit", "new 1 d n", numbered(102, "w%1 10 d n").join(u';'), "merge",
        "N | N..N (101) | 1 d n 10 d n | 1 | /home/typist/mine.dat holds 102 records, but only the first 101 can "
        "be read. Writing it back would lose the other 1, so nothing was merged. | same");
    row("no copy of a Source 2 the merge would cut, no merge", "house 4.3 D1 N1", "house 5 D2", "unreadable merge",
        "F | S | 4.3 D1 N1 5 D2  | 1 | Could not keep a copy of /home/typist/mine.dat as /home/typist/mine.dat.bak: "
        "unreadable. Nothing was merged. | same");
    row("a path chosen since Open", "house 4.3 d n", "house 5 d n", "other merge open merge",
        "= | N= | 4.3 d n 1 d n | 1 | The lists do not show the files named above. Please press \"Open\" first. "
        "Nothing was merged. Done!/Updated: 0/Added: 1 | same");
    row("a failed write changes nothing", "house 4.3 D1 N1; zebra 2 d n", "house 5 D2 N2", "fail merge mend merge",
        "== | == | 4.3 D1 N1 4.3 D1 N1 | 1 | Could not write /home/typist/mine.dat: Permission denied "
        "Done!/Updated: 1/Added: 1 | :::house/4.3/D1/N1/:::zebra/2/d/n/");
    row("Open ignores what is no file, tells an unreadable Source 2 and merges nothing into it", "house 4.3 d n",
        "house 5 d n", "rewrite path1:gone.dat open path1:empty.dat open path1:friend.dat unreadable open merge",
        "F | S | 4.3 d n 5 d n | 1 | Could not read /home/typist/mine.dat, so nothing was opened. The lists do not "
        "show "
        "the files named above. Please press \"Open\" first. Nothing was merged. | same");
}

void TestMerge::script() {
    QFETCH(QString, source1);
    QFETCH(QString, source2);
    QFETCH(QString, script);
    Form1Harness h;
    h.fakes.files.put("/home/typist/empty.dat", "");
    h.fakes.files.put("/home/typist/other.dat", crlf(resultLines("other 1 d n")));
    h.openRecords(source1, source2);
    const QByteArray before = h.fakes.files.bytes(h.source2Path);
    play(script, {{"merge", [&](const QString&) { h.w->Command5->click(); }},
                  {"down", [&](const QString&) { QTest::keyClick(h.w->ImageCombo2, Qt::Key_Down); }},
                  {"path1", [&](const QString& name) { h.w->Text1->setText("/home/typist/" + name); }},
                  {"other", [&](const QString&) { h.choose(h.source1Path, "/home/typist/other.dat"); }},
                  {"open", [&](const QString&) { h.w->Command4->click(); }},
                  // Source 1 changed on disk: an "Open" that fails must not show it.
                  {"rewrite", [&](const QString&) { h.fakes.files.put(h.source1Path, crlf(resultLines("zebra 1"))); }},
                  {"unreadable", [&](const QString&) { h.fakes.files.unreadable.insert(h.source2Path); }},
                  {"fail", [&](const QString&) { h.fakes.files.failWrites = "Permission denied"; }},
                  {"mend", [&](const QString&) { h.fakes.files.failWrites.clear(); }}});
    const QByteArray after = h.fakes.files.bytes(h.source2Path);
    const QStringList snapshot{markLetters(h.w->ImageCombo1),
                               markLetters(h.w->ImageCombo2),
                               QStringList{h.w->Text3->text(), h.w->Text4->text(), h.w->Text5->text(),
                                           h.w->Text6->text(), h.w->Text7->text(), h.w->Text8->text()}
                                   .join(u' '),
                               QString::number(h.w->Command5->isEnabled()),
                               h.fakes.dialogs.messages().join(u' ').replace("\r\n\r\n", "/").replace("\r\n", "/"),
                               after == before ? "same" : QString::fromLatin1(after).replace("\r\n", "/")};
    QTEST(snapshot.join(" | "), "snapshot");
    // A refused merge writes nothing.
    QCOMPARE(h.fakes.files.writes,
             h.fakes.dialogs.messages().filter(QRegularExpression("^(Done|Could not write)")).size());
}

void TestMerge::mergeIntoResultsDatReloadsTheMainWindow() {
    Form1Harness h;
    h.source2Path = h.resultsPath();
    h.openRecords("house 4.3 D1 N1; zebra 2 DZ NZ", "house 5 D2 N2");
    QStringList listedWhileTold;
    h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) { listedWhileTold = h.listed(); };
    h.w->Command5->click();
    QCOMPARE(listedWhileTold, (QStringList{"house", "zebra"}));
    QCOMPARE(h.ui->Text2->text(), "4.3");
}

void TestMerge::leavingGivesTheMainWindowBackAndOpensAfresh() {
    Form1Harness h;
    h.openRecords("house 4.3 D1 N1", "garden 5");
    h.w->Command1->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(h.window.isNull() && h.form->isEnabled());
    // Opened again, it starts afresh although the tables still hold the files.
    h.openWindow();
    QCOMPARE(entries(h.w->ImageCombo1) + entries(h.w->ImageCombo2), (QStringList{"-", "-"}));
    QCOMPARE(h.w->Text3->text() + h.w->Text6->text(), "");
    QVERIFY(!h.w->Command5->isEnabled() && !h.form->isEnabled());
    // Its browse dialogs start from their first name again; Cancel gives the box the name the dialog held.
    h.choose("", "");
    QCOMPARE(QStringList({h.w->Text1->text(), h.w->Text2->text()}), QStringList(2, "/home/typist/tapmeter"));
    h.choose(h.source1Path, "");
    QCOMPARE(h.fakes.dialogs.texts(FakeDialogs::Kind::OpenFile).last(), h.source1Path);
    QCOMPARE(h.w->Text2->text(), h.source1Path);
    h.window->close();
    QVERIFY(h.form->isEnabled());
}

QTEST_MAIN(TestMerge)
#include "test_merge.moc"
