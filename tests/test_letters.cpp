#include "progress/history.h"
#include "tests/harness.h"

#include <QInputMethodEvent>
#include <QTest>

namespace {

const QByteArray Mark("\xef\xbb\xbf");

QByteArray utf8Lines(const QString& records) {
    return resultLines(records).join("\r\n").toUtf8() + "\r\n";
}

// A typing run at one word, the box ready for the first key.
struct Run : Form1Harness {
    explicit Run(const QString& word) {
        setSetting("CaseSensitive", "1");
        setResults(crlf({":::" + word, "-", "na", "na"}));
        start();
        fakes.dialogs.promptAnswers << "Ola";
    }

    // What an input method sends the box, through the event loop: the text
    // it is still composing, or the text it commits.
    void compose(const QString& preEdit) { send(new QInputMethodEvent(preEdit, {})); }
    void commit(const QString& text) { send(new QInputMethodEvent, text); }

    void send(QInputMethodEvent* event, const QString& committed = QString()) {
        event->setCommitString(committed);
        QCoreApplication::postEvent(ui->Text1, event);
        QCoreApplication::processEvents();
    }

    // Whether the word was finished: the record it took.
    bool finished() const { return ui->Text4->text() == "Ola"; }
    // Letters written, the seconds of the run and whether its clock runs.
    QString counters() const {
        return ui->Label4->text() + ' ' + ui->Label3->text() + (ui->Timer1->isActive() ? " running" : " stopped");
    }
    QString history() const { return QString::fromUtf8(fakes.appendFiles.files.value(History::ownFileName())); }
};

} // namespace

// Words and names of every script, as a typist meets them: results files in
// the code page and in UTF-8, letters composed in different ways, letter case
// across scripts, and input methods that compose letters.
class TestLetters : public QObject {
    Q_OBJECT

private slots:
    // A word and a name typed through to a record, saved and loaded again: every letter stays, in UTF-8 where the
    // code page lacks one, else one byte a letter as the file always was, whatever is added, typed or saved.
    void aTypedRecordIsSavedInTheFilesLettersAndReadBack_data() {
        const Table<QString, QString, QString> table("records", "word", "name");
        table.row("a Polish word and name, in UTF-8", "house 9 D Ann", "żółw", "Łukasz");
        table.row("a Western European list, byte for byte", "café 4.2 D José; smørrebrød - na na", "Straße", "Zoë");
    }

    void aTypedRecordIsSavedInTheFilesLettersAndReadBack() {
        QFETCH(QString, records);
        QFETCH(QString, word);
        QFETCH(QString, name);
        Form1Harness h(Files::Real);
        h.start(resultLines(records));
        const QStringList listed = h.listed() << word;
        h.fakes.dialogs.promptAnswers << word << name;

        h.ui->Command3->click();
        h.type(word);
        h.ui->Command4->click();
        const QStringList saved = resultLines(records) << ":::" + word << "0" << h.fakes.clock.now << name;
        h.ui->Command2->click();
        chooseEntry(h.ui->Combo1, int(listed.size() - 1));

        QCOMPARE(h.results(), crlf(saved));
        QCOMPARE(h.listed(), listed);
        QCOMPARE(h.record(), "0 " + h.fakes.clock.now + " " + name);
    }

    void aMergeWritesSource2InUtf8OnlyWhenItMust_data() {
        const Table<QByteArray, QByteArray, QByteArray> table("source1", "source2", "merged");
        const QByteArray houseCodePage(":::h\xe9\r\n9\r\nD\r\nJos\xe9\r\n");
        table.row("UTF-8 records that fit the code page", utf8Lines("hé 5 D2 Zoë"), houseCodePage,
                  QByteArray(":::h\xe9\r\n5\r\nD2\r\nZo\xeb\r\n"));
        table.row("a Polish name into the code page", utf8Lines("hé 5 D2 Łukasz"), houseCodePage,
                  utf8Lines("hé 5 D2 Łukasz"));
        table.row("a Greek word into the code page", utf8Lines("ελπίδα 3 D3 Eleni"), houseCodePage,
                  utf8Lines("hé 9 D José; ελπίδα 3 D3 Eleni"));
        table.row("code-page records into UTF-8 with a mark", houseCodePage, Mark + utf8Lines("hé 12 D0 Ola"),
                  Mark + utf8Lines("hé 9 D José"));
        table.row("code-page records into UTF-8", houseCodePage, utf8Lines("żółw 1 D Ola"),
                  utf8Lines("żółw 1 D Ola; hé 9 D José"));
    }

    void aMergeWritesSource2InUtf8OnlyWhenItMust() {
        QFETCH(QByteArray, source1);
        QFETCH(QByteArray, source2);
        QFETCH(QByteArray, merged);
        Form1Harness h;
        h.fakes.files.put(h.source1Path, source1);
        h.fakes.files.put(h.source2Path, source2);
        h.openSources(h.source1Path, h.source2Path);
        h.w->Command5->click();
        QCOMPARE(h.fakes.files.bytes(h.source2Path), merged);
        QCOMPARE(h.fakes.dialogs.messages().size(), 1);
    }

    // However an input method or a file composes "é", it is the same letter:
    // the indicator stays green and the word finishes.
    void composedAndDecomposedLettersFinishTheWord_data() {
        const Table<QString> table("wordAndTyped");
        table.row("decomposed into composed", "caf\u00e9|cafe\u0301");
        table.row("composed into decomposed", "cafe\u0301|caf\u00e9");
        table.row("two accents, one by one", "vi\u1ec7t|vie\u0323\u0302t");
    }

    void composedAndDecomposedLettersFinishTheWord() {
        QFETCH(QString, wordAndTyped);
        const QString word = wordAndTyped.section(u'|', 0, 0), typed = wordAndTyped.section(u'|', 1);
        Run h(word);
        QCOMPARE(h.ui->Label13->text(), "4"); // the word's length, shown beside it
        QStringList shown;
        for (QChar c : typed) {
            if (h.finished())
                break;
            typeKeys(h.ui->Text1, c);
            shown << h.indicator();
        }
        QCOMPARE(shown, QStringList(typed.size(), "green"));
        QVERIFY(h.finished());
        QCOMPARE(h.listed(), QStringList{word});
    }

    // Typed "cafè" for "café": red at the fourth letter, and the history notes
    // the letters as seen, accents composed.
    void aWrongAccentIsNotedAtItsLetter() {
        Run h("caf\u00e9s");
        h.type("cafe\u0300");
        QCOMPARE(h.indicator(), "red");
        h.ui->Text1->backspace();
        h.type("\u0301s");
        QVERIFY(h.finished());
        QVERIFY2(h.history().contains(",4:\u00e9>\u00e8\r\n"), qPrintable(h.history()));
    }

    // A dead key, a compose sequence or an East Asian input method commits its
    // letter at once: one change, like a key, and "한" finishes "한".
    void anInputMethodCommitIsOneChange() {
        Run h("\ud55c\uae00");
        h.compose("\u314e");
        h.compose("\ud558");
        h.compose("\ud55c");
        h.commit("\ud55c");
        QCOMPARE(h.counters(), "1 0 running");
        QCOMPARE(h.indicator(), "green");
        h.ticks(3);
        h.compose("\u3131");
        h.commit("\uae00");
        QVERIFY(h.finished());
        QCOMPARE(h.ui->Label9->text(), "0.3");
    }

    // What is still being composed is no letter: no clock, no count, no red.
    void preEditTextIsNoLetterYet() {
        Run h("cat");
        h.compose("x");
        QCOMPARE(h.counters(), "0 0 stopped");
        h.type("c");
        QCOMPARE(h.indicator(), "green");
        h.compose("\u00e1");
        QCOMPARE(h.counters(), "1 0 running");
        QCOMPARE(h.indicator(), "green");
        h.commit("a");
        h.type("t");
        QVERIFY(h.finished());
    }

    // A dead acute, then "e", as X delivers them without an input method: the
    // dead key is no change and "é" comes as one key.
    void aDeadKeyGivesOneLetter() {
        Run h("caf\u00e9");
        h.type("caf");
        QTest::sendKeyEvent(QTest::Click, h.ui->Text1, Qt::Key_Dead_Acute, QString(), Qt::NoModifier);
        QCOMPARE(h.counters(), "3 0 running");
        QTest::sendKeyEvent(QTest::Click, h.ui->Text1, Qt::Key_E, QString("\u00e9"), Qt::NoModifier);
        QVERIFY(h.finished());
        QCOMPARE(h.ui->Label9->text(), "0");
    }
};

QTEST_MAIN(TestLetters)
#include "test_letters.moc"
