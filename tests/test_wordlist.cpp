// The main window's word list: Add word, Remove word, Save and Load on
// results.dat, the preferences, and closing.
#include "tests/harness.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QTest>

namespace {
const QStringList ThreeWords = resultLines("one 1 D1 N1; two 2 D2 N2; three 3 D3 N3");

struct WordList : Form1Harness {
    // Starts the main window on the screen, on results.dat as given (none: no
    // file); what the load tells waits for the window to be shown.
    void startShown(const std::optional<QByteArray>& results) {
        if (results)
            setResults(*results);
        start();
        form->show();
        QCoreApplication::processEvents();
    }
    void clickLoad() { ui->Command2->click(); }
    void clickSave() { ui->Command4->click(); }
    // Each save writes results.dat and this computer's own copy of it.
    int saves() const { return fakes.files.writes / 2; }
    QString wordCount() const { return ui->Label10->text(); }
    // The word chosen, its record, its length, the count of words, and the
    // typing box's hint.
    QString chosen() const {
        return QStringList{ui->Combo1->currentText(), record(), ui->Label13->text(), wordCount(), hint()}.join(" | ");
    }
    // The start of each message the typist was shown, in order.
    QStringList toldStarts(int length = 40) const {
        QStringList starts;
        for (const QString& text : fakes.dialogs.messages())
            starts << text.left(length);
        return starts;
    }
    // Chooses "Add Words" and picks words.txt holding these bytes.
    void addWordsFrom(const QByteArray& words) {
        fakes.files.put("words.txt", words);
        fakes.dialogs.openFileAnswers << fakes.files.absolute("words.txt");
        ui->mnuAddWords->trigger();
    }
};

struct Shown : WordList {
    explicit Shown(const std::optional<QByteArray>& results = std::nullopt) { startShown(results); }
};
} // namespace

class TestWordList : public QObject {
    Q_OBJECT

private slots:
    // What is beyond the list's 101 words is told once, kept in the file, and
    // no word is asked for.
    void theListHoldsNoMoreThan101Words() {
        const QByteArray file = crlf(resultLines(numbered(103, "w%1 - na na").join(u';')));
        Shown h(file);
        h.addWord("more");
        QCOMPARE(h.listed().constLast() + ", " + h.wordCount(), "w100, Words in database: 101");
        QCOMPARE(h.fakes.dialogs.texts(FakeDialogs::Kind::Prompt), QStringList());
        QCOMPARE(h.toldStarts(67),
                 QStringList({"results.dat holds 103 words, but the list keeps only the first 101.",
                              "The word list is full: it holds 101 words. Remove a word before add"}));
        QCOMPARE(h.results(), file);
    }

    void anUnreadableFileIsNeverSavedOverUntilLoadReadsIt() {
        WordList h;
        const QByteArray file = crlf(resultLines("house 4.3 D N"));
        h.fakes.files.unreadable.insert(h.resultsPath());
        h.startShown(file);
        h.clickSave();
        h.fakes.files.unreadable.clear();
        h.clickSave();
        QCOMPARE(h.saves(), 0);
        h.clickLoad();
        h.clickSave();
        QCOMPARE(h.toldStarts(),
                 QStringList({"results.dat cannot be read: it may not b", "Could not save results.dat: it could not",
                              "Could not save results.dat: it could not", "Saved!"}));
        QCOMPARE(h.results(), file);
    }

    // Load reads the file again: the words added since go, and an empty or
    // missing file leaves the list as it is.
    void loadDropsTheWordsAddedSinceFromAFileItReads() {
        Shown h(crlf(resultLines("cat - na na")));
        h.addWord("dog");
        h.clickLoad();
        QCOMPARE(h.listed().join(u' ') + ", " + h.wordCount(), "cat, Words in database: 1");
        h.addWord("dog");
        h.setResults({});
        h.clickLoad();
        h.fakes.files.files.clear();
        h.clickLoad();
        QCOMPARE(h.listed().join(u' ') + ", " + h.ui->Combo1->currentText(), "cat dog, dog");
        QCOMPARE(h.fakes.dialogs.messages(), QStringList());
    }

    // What the list cannot use would be lost by the first save: the file as it
    // was is kept as results.dat.bak first, once, and without that copy there
    // is no save.
    void aFileWithUnusableLinesIsCopiedBeforeItsFirstSave() {
        const QByteArray file = crlf({"junk", ":::house", "4.3", "D", "N", "extra"});
        Shown h(file);
        h.fakes.files.unreadable.insert(h.resultsPath());
        h.clickSave();
        QCOMPARE(h.saves(), 0);
        QVERIFY(!h.fakes.files.has("results.dat.bak"));
        h.fakes.files.unreadable.clear();
        h.clickSave();
        QVERIFY(h.form->close());
        QCOMPARE(h.toldStarts(), QStringList({"results.dat holds lines Tapmeter cannot ",
                                              "Could not save results.dat: no copy of i", "Saved!"}));
        QCOMPARE(h.results(), crlf(resultLines("house 4.3 D N")));
        QCOMPARE(h.fakes.files.bytes("results.dat.bak"), file);
    }

    // A copy is kept of a file as it is; once the file is gone, there is
    // nothing to copy and the save goes ahead.
    void aFileDeletedWhileItsCopyIsPendingIsSaved() {
        Shown h(crlf({"junk", ":::house", "4.3", "D", "N"}));
        h.fakes.files.files.clear();
        h.clickSave();
        QCOMPARE(h.toldStarts().constLast(), "Saved!");
        QCOMPARE(h.results(), crlf(resultLines("house 4.3 D N")));
    }

    // Add word takes a word as typed, blanks, letter case and every script
    // included; a line break or the very same word is asked for again.
    void wordsAreAddedAsTypedAndALineBreakOrAnExactDuplicateIsAskedAgain() {
        Shown h;
        h.fakes.dialogs.promptAnswers = {"ice\ncream", "ice\rcream", " ice cream ", " ice cream ",
                                         "House",      "Ωmega",      "house"};
        for (int i = 0; i < 5; ++i)
            h.ui->Command3->click(); // Add word
        QCOMPARE(h.fakes.dialogs.texts(FakeDialogs::Kind::Prompt), QStringList(8, "Enter new word:"));
        QCOMPARE(h.toldStarts(),
                 QStringList({"A word cannot contain a line break. Plea", "A word cannot contain a line break. Plea"}));
        QCOMPARE(h.listed(), QStringList({" ice cream ", "House", "Ωmega", "house"}));
        QCOMPARE(h.chosen(), "house | - na na | 5 | Words in database: 4 | Type: house");
        QVERIFY(!h.fakes.files.has("results.dat"));
        h.clickSave();
        QCOMPARE(h.results(), crlf(QStringList{"::: ice cream ", "-", "na", "na"} +
                                   resultLines("House - na na; Ωmega - na na; house - na na")));
    }

    void removingAWordChoosesTheLast_data() {
        const Table<int, QString> table("removed", "left");
        table.row("the first of three", 0, "two three | three | 3 D3 N3 | 5 | Words in database: 2 | Type: three");
        table.row("the last of three", 2, "one two | two | 2 D2 N2 | 3 | Words in database: 2 | Type: two");
    }

    void removingAWordChoosesTheLast() {
        QFETCH(int, removed);
        Shown h(crlf(ThreeWords));
        chooseEntry(h.ui->Combo1, removed);
        h.removeWord();
        QTEST(h.listed().join(u' ') + " | " + h.chosen(), "left");
        h.clickSave();
        QStringList kept = ThreeWords;
        kept.remove(4 * removed, 4);
        QCOMPARE(h.results(), crlf(kept));
    }

    void removingTheOnlyWordLeavesItsRecordShown() {
        Shown h(crlf(resultLines("only 7 D N")));
        QCOMPARE(h.hint(), "Type: only");
        h.removeWord();
        h.removeWord();
        QCOMPARE(h.chosen(), " | 7 D N | 0 | Words in database: 0 | Add a word first, with Add word");
    }

    // The list takes no typing; the arrow keys choose a word, which the empty
    // typing box names, to a screen reader too.
    void arrowsChooseTheWordToType() {
        Shown h(crlf(ThreeWords));
        QTest::keyClicks(h.ui->Combo1, "tw\b");
        QCOMPARE(h.hint(), "Type: one");
        QTest::keyClick(h.ui->Combo1, Qt::Key_Down);
        QCOMPARE(h.chosen(), "two | 2 D2 N2 | 3 | Words in database: 3 | Type: two");
        QCOMPARE(QAccessible::queryAccessibleInterface(h.ui->Text1)->text(QAccessible::Description), "Type: two");
    }

    // While Update Results keeps the main window unavailable, closing it is
    // refused without a save; once it is left, closing saves once and takes
    // About along.
    void closingWaitsUntilUpdateResultsIsLeft() {
        Shown h;
        h.openWindow();
        QVERIFY(!h.form->close());
        QVERIFY(h.window);
        QCOMPARE(h.saves(), 0);
        h.w->Command1->click(); // Back!
        h.ui->mnuAbout->trigger();
        QVERIFY(shownWindow("Form2"));
        QVERIFY(h.form->close());
        QVERIFY(!shownWindow("Form2"));
        QCOMPARE(h.saves(), 1);
    }

    void closingAfterAFailedSaveAsksFirst() {
        Shown h(crlf(resultLines("house 4.3 D N")));
        h.fakes.files.failWrites = "No space left on device";
        QVERIFY(!h.form->close());
        h.fakes.dialogs.confirmAnswers << true;
        QVERIFY(h.form->close());
        QCOMPARE(h.fakes.dialogs.texts(FakeDialogs::Kind::Confirm).value(1).left(51),
                 "Could not save results.dat: No space left on device");
        QCOMPARE(h.results(), crlf(resultLines("house 4.3 D N")));
    }

    void storedPreferences_data() {
        const Table<QString, Qt::CheckState> table("stored", "state");
        table.row("ticked", "1", Qt::Checked);
        table.row("greyed", "2", Qt::PartiallyChecked);
        table.row("not a number", "yes", Qt::Unchecked);
    }

    void storedPreferences() {
        QFETCH(QString, stored);
        QFETCH(Qt::CheckState, state);
        WordList h;
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
    void preferenceNotSavedIsTold_data() {
        const Table<QString> table("refused");
        table.row("Sounds", "Sounds");
        table.row("Case sensitive", "CaseSensitive");
    }
    // Each check box that cannot be stored is told at "Save", and results.dat is
    // saved all the same.
    void preferenceNotSavedIsTold() {
        QFETCH(QString, refused);
        WordList h;
        h.fakes.settings.refusedKeys << refused;
        h.start(resultLines("cat - na na"));
        h.clickSave();
        QCOMPARE(h.fakes.dialogs.messages(), QStringList{"Could not save the settings in Tapmeter.ini."});
        QCOMPARE(h.saves(), 1);
    }

    // A word picked with the mouse from the open list is typed next: the focus
    // goes on to the typing box, and the letters land there. The arrow keys on the
    // closed list leave the focus in it.
    void wordPickedFromTheOpenListIsTypedNext() {
        Shown h(crlf(resultLines("cat - na na;dog - na na;eel - na na")));
        QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
        h.ui->Combo1->setFocus();
        chooseEntry(h.ui->Combo1, 2);
        QCoreApplication::processEvents();
        QCOMPARE(QApplication::focusWidget(), h.ui->Combo1);
        h.ui->Combo1->showPopup();
        QAbstractItemView* list = h.ui->Combo1->view();
        QVERIFY(QTest::qWaitForWindowExposed(list->window()));
        const QPoint dog = list->visualRect(list->model()->index(1, 0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, dog);
        QCOMPARE(h.ui->Combo1->currentText(), "dog");
        QTRY_COMPARE(QApplication::focusWidget(), h.ui->Text1);
        typeKeys(QApplication::focusWidget(), "do");
        QCOMPARE(h.ui->Text1->text(), "do");
    }
    // Add Words reads a file of words, one a line, into the list as far as it
    // has room, UTF-8 as written.
    void wordsFromAFileAreAddedAndTheSkippedLinesTold() {
        Shown h(crlf(resultLines(numbered(97, "w%1 - na na").join(u';') + ";cat - na na")));
        h.addWordsFrom(
            QStringLiteral("ant\r\n\r\ncat\r\nżółw\r\n\r\nfly\r\nowl\r\nyak\r\nemu\r\nelk\r\ngnu\r\nasp\r\nbat\r\n")
                .toUtf8());
        h.clickSave();
        QCOMPARE(h.listed().mid(97), QStringList({"cat", "ant", "żółw", "fly"}));
        QCOMPARE(h.fakes.dialogs.messages().value(0),
                 "Words added: 3.\r\nEmpty lines skipped (2): line 2, line 5.\r\n"
                 "Lines skipped as already in the list (1): line 3 \"cat\".\r\n"
                 "Lines skipped as the list was full (7): line 7 \"owl\", line 8 \"yak\", line 9 \"emu\", "
                 "line 10 \"elk\", line 11 \"gnu\", and 2 more.");
        QVERIFY(h.results().endsWith(crlf(resultLines("cat - na na;ant - na na;żółw - na na;fly - na na"))));
    }

    void anUnreadableFileOfWordsAddsNothing() {
        Shown h(crlf(resultLines("cat - na na")));
        const QString path = h.fakes.files.absolute("words.txt");
        h.fakes.files.unreadable << path;
        h.addWordsFrom("ant\n");
        QCOMPARE(h.listed(), QStringList{"cat"});
        QCOMPARE(h.fakes.dialogs.messages(),
                 QStringList{path + " cannot be read: it may not be yours to read, not be a "
                                    "file, or the disk failed. No word was added."});
    }

    // With Progress open, the words added are practised first from "All words": never typed, they need it most.
    void progressTakesTheWordsAdded() {
        WordList h;
        h.setSetting("RecordName", "Ann");
        h.startShown(crlf(resultLines("cat - na na")));
        h.ui->mnuProgress->trigger();
        h.type("cat");
        h.addWordsFrom("ant\nbee\n");
        const QWidget* progress = shownWindow("ProgressWindow");
        auto* chooser = progress->findChild<QComboBox*>("cboWord");
        chooser->setFocus();
        QTest::keyClick(chooser, Qt::Key_End); // All words
        progress->findChild<QPushButton*>("cmdPractise")->click();
        QCOMPARE(h.ui->Combo1->currentText(), "ant");
    }
};

QTEST_MAIN(TestWordList)
#include "test_wordlist.moc"
