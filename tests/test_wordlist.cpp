#include "tests/harness.h"

#include <QTest>

// The word list, Save, Load, the menus and closing, scripted. Each row starts
// the main window on a results.dat ("/" ends a line, "!" makes it
// unreadable, empty: none), answers the prompts in order, plays a script and
// compares one line:
//   words listed | selected | Text2 Text3 Text4 Label13 | boxes | results.dat afterwards ("same": untouched)
//   and whether results.dat.bak holds it as it was at the start ("+copy")
// Script: add, remove, save, load, pick:N (the user's choice), typing and
// down (keys in the list), empty and gone (results.dat emptied or deleted),
// unreadable and readable (results.dat can no longer or again be read), fail (the disk fills up), yes (the answer to a
// question), about and update (the menus), leave (Update Results), close (closed or stays, and the files written so
// far: each save writes results.dat and this computer's own copy of it).
class TestWordList : public QObject {
    Q_OBJECT

private slots:
    void script_data();
    void script();
    void storedPreferences_data();
    void storedPreferences();
    void preferenceNotSavedIsTold_data();
    void preferenceNotSavedIsTold();
};

void TestWordList::script_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("snapshot");
    // A results.dat of words with no records.
    const auto many = [](int count) { return numbered(count, ":::w%1/-/na/na/").join(""); };
    const QString three = ":::one/1/D1/N1/:::two/2/D2/N2/:::three/3/D3/N3/";
    const auto row = [](const char* name, const QString& file, const QStringList& answers, const char* script,
                        const char* line) {
        QTest::newRow(name) << file << answers << script << QString::fromUtf8(line);
    };
    row("103 words: the first 101, told once, and no more", many(103), {"more"}, "add",
        "w0..w100 (101) | 0 | - na na 2 | M:results.dat holds 103 words, but the list keeps on M:The word list is "
        "full: "
        "it holds 101 words. Remove  | same");
    row("unreadable: told, never saved over until Load reads it", "!:::house/4.3/D/N/", {}, "save readable load save",
        "house | 0 | 4.3 D N 5 | M:results.dat cannot be read: it may not be yours to M:Could not save results.dat: "
        "it could not be read,  M:Saved! | same");
    // Load drops the words added since, unless there is nothing to read.
    row("Load, then nothing to load", ":::cat/-/na/na/", {"dog", "dog"}, "add load add empty load gone load",
        "cat,dog | 1 | - na na 3 | P:Enter new word: P:Enter new word: | none");
    row("saved twice, the copy keeps the file as it was", "junk/:::house/4.3/D/N/extra/", {}, "save close",
        "house | 0 | 4.3 D N 5 | M:results.dat holds lines Tapmeter cannot use; they  M:Saved! closed writes:4 | "
        ":::house/4.3/D/N/ +copy");
    row("no copy, no save", "junk/:::house/4.3/D/N/", {}, "unreadable save",
        "house | 0 | 4.3 D N 5 | M:results.dat holds lines Tapmeter cannot use; they  M:Could not save results.dat: no "
        "copy of it could be | same");
    row("About goes with it, Update Results must be left first, unsaved", "", {}, "about update close leave close",
        " | -1 |    0 | stays+About+Update writes:0 closed writes:2 | ");
    row("closing anyway after a failed save", ":::house/4.3/D/N/", {}, "fail yes close",
        "house | 0 | 4.3 D N 5 | C:Could not save results.dat: No space left on devic closed writes:1 | same");
    row("adding words: an exact duplicate asks again", "", {" ice cream ", " ice cream ", "House", "house"},
        "add add add add save",
        " ice cream ,House,house | 2 | - na na 5 | P:Enter new word: P:Enter new word: P:Enter new word: P:Enter new "
        "word: P:Enter new word: M:Saved! | ::: ice cream /-/na/na/:::House/-/na/na/:::house/-/na/na/");
    row("line breaks and letters outside the code page refused", "",
        {"ice\ncream", "ice\rcream", "Ωmega", "smørrebrød"}, "add",
        "smørrebrød | 0 | - na na 10 | P:Enter new word: M:A word cannot contain a line break. Please enter t P:Enter "
        "new word: M:A word cannot contain a line break. Please enter t P:Enter new word: M:The word contains a "
        "character that results.dat can P:Enter new word: | none");
    row("removing the first of three", three, {}, "pick:0 remove save",
        "two,three | 1 | 3 D3 N3 5 | M:Saved! | :::two/2/D2/N2/:::three/3/D3/N3/");
    row("removing the last of three", three, {}, "pick:2 remove save",
        "one,two | 1 | 2 D2 N2 3 | M:Saved! | :::one/1/D1/N1/:::two/2/D2/N2/");
    row("removing the only word keeps its record shown", ":::only/7/D/N/", {}, "remove remove",
        " | -1 | 7 D N 0 |  | same");
    row("the list takes no typing, but arrows choose", three, {}, "typing down",
        "one,two,three | 1 | 2 D2 N2 3 |  | same");
}

void TestWordList::script() {
    QFETCH(QString, file);
    QFETCH(QStringList, answers);
    QFETCH(QString, script);
    Form1Harness h;
    const bool unreadable = file.startsWith(u'!');
    if (!file.isEmpty())
        h.setResults(file.mid(unreadable).replace(u'/', "\r\n").toUtf8());
    if (unreadable)
        h.fakes.files.unreadable.insert(h.resultsPath());
    const std::optional<QByteArray> before =
        h.fakes.files.has("results.dat") ? std::optional(h.results()) : std::nullopt;
    h.fakes.dialogs.promptAnswers = answers;
    h.start();
    // What the load tells waits for the window to be on the screen.
    h.form->show();
    QCoreApplication::processEvents();

    const auto click = [](QPushButton* button) { return [button](const QString&) { button->click(); }; };
    play(script, {{"add", click(h.ui->Command3)},
                  {"remove", click(h.ui->Command5)},
                  {"save", click(h.ui->Command4)},
                  {"load", click(h.ui->Command2)},
                  {"pick", [&](const QString& entry) { chooseEntry(h.ui->Combo1, entry.toInt()); }},
                  {"typing", [&](const QString&) { QTest::keyClicks(h.ui->Combo1, "zz\b"); }},
                  {"down", [&](const QString&) { QTest::keyClick(h.ui->Combo1, Qt::Key_Down); }},
                  {"empty", [&](const QString&) { h.setResults({}); }},
                  {"gone", [&](const QString&) { h.fakes.files.files.clear(); }},
                  {"unreadable", [&](const QString&) { h.fakes.files.unreadable.insert(h.resultsPath()); }},
                  {"readable", [&](const QString&) { h.fakes.files.unreadable.clear(); }},
                  {"fail", [&](const QString&) { h.fakes.files.failWrites = "No space left on device"; }},
                  {"yes", [&](const QString&) { h.fakes.dialogs.confirmAnswers << true; }},
                  {"about", [&](const QString&) { h.ui->mnuAbout->trigger(); }},
                  {"update", [&](const QString&) { h.openWindow(); }},
                  {"leave", [&](const QString&) { h.w->Command1->click(); }},
                  // The other windows go with the main window. What closing saw goes among the boxes; no box of
                  // this program asks for a file.
                  {"close", [&](const QString&) {
                       const QString closed = h.form->close() ? "closed" : "stays";
                       const QString seen = closed + (shownWindow("Form2") ? "+About" : "") +
                                            (h.window ? "+Update" : "") +
                                            " writes:" + QString::number(h.fakes.files.writes);
                       h.fakes.dialogs.boxes << FakeDialogs::Box{FakeDialogs::Kind::OpenFile, seen};
                   }}});

    const QStringList listed = h.listed();
    QStringList boxes;
    for (const FakeDialogs::Box& box : h.fakes.dialogs.boxes)
        boxes << (box.kind == FakeDialogs::Kind::OpenFile ? "" : QString("MCP").at(int(box.kind)) + QString(":")) +
                     QString(box.text).replace("\r\n", "/").left(50);
    const QString fileAfter = !h.fakes.files.has("results.dat") ? "none"
                              : h.results() == before           ? "same"
                                                                : QString::fromLatin1(h.results()).replace("\r\n", "/");
    const QStringList snapshot{
        listed.size() > 4 ? listed.first() + ".." + listed.last() + QString(" (%1)").arg(listed.size())
                          : listed.join(u','),
        QString::number(h.ui->Combo1->currentIndex()),
        QStringList{h.ui->Text2->text(), h.ui->Text3->text(), h.ui->Text4->text(), h.ui->Label13->text()}.join(u' '),
        boxes.join(u' '), fileAfter + (before == h.fakes.files.bytes("results.dat.bak") ? " +copy" : "")};
    QTEST(snapshot.join(" | "), "snapshot");
    QCOMPARE(h.ui->Label10->text(), "Words in database: " + QString::number(listed.size()));
}

void TestWordList::storedPreferences_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<Qt::CheckState>("state");
    QTest::newRow("ticked") << "1" << Qt::Checked;
    QTest::newRow("greyed") << "2" << Qt::PartiallyChecked;
    QTest::newRow("not a number") << "yes" << Qt::Unchecked;
}

void TestWordList::storedPreferences() {
    QFETCH(QString, stored);
    QFETCH(Qt::CheckState, state);
    Form1Harness h;
    h.setSetting("Sounds", stored);
    h.setSetting("CaseSensitive", stored);
    h.start();
    QCOMPARE(QList({h.ui->Check1->checkState(), h.ui->Check2->checkState()}), QList({state, state}));
    // A click on a greyed box ticks or clears it like any other, and it never
    // greys again; closing stores both.
    for (int click = 0; click < 3; ++click)
        h.ui->Check1->click();
    QVERIFY(h.form->close());
    QCOMPARE(h.setting("Sounds"), state == Qt::Checked ? "0" : "1");
    QCOMPARE(h.setting("CaseSensitive"), QString::number(state == Qt::PartiallyChecked ? 2 : state == Qt::Checked));
}

void TestWordList::preferenceNotSavedIsTold_data() {
    QTest::addColumn<QString>("refused");
    QTest::newRow("Sounds") << "Sounds";
    QTest::newRow("Case sensitive") << "CaseSensitive";
}

// Each check box that cannot be stored is told at "Save", and results.dat is
// saved all the same.
void TestWordList::preferenceNotSavedIsTold() {
    QFETCH(QString, refused);
    Form1Harness h;
    h.fakes.settings.refusedKeys << refused;
    h.start(resultLines("cat - na na"));
    h.ui->Command4->click();
    QCOMPARE(h.fakes.dialogs.messages(), QStringList{"Could not save the settings in Tapmeter.ini."});
    // results.dat and this computer's own copy of it.
    QCOMPARE(h.fakes.files.writes, 2);
}

QTEST_MAIN(TestWordList)
#include "test_wordlist.moc"
