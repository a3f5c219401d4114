// A typing run on the main window: the typist types, the clock ticks, and the
// window shows the match, the counters, the last score and the record.
#include "tests/harness.h"

#include <QInputMethodEvent>
#include <QTest>

namespace {
const QString Green = Form1Harness::Green;
const QString Red = Form1Harness::Red;
const QString Now = QStringLiteral("05/12/2026 18:22:05");
// Backspace typed as the character it sends.
const QString Backspace = QStringLiteral("\b");

// The main window on one word whose record is "time date name" ("-": none),
// with these preferences ("Sounds=1 CaseSensitive=0").
struct Run : Form1Harness {
    explicit Run(const QString& chosen, const QString& record = "- old Nm", const QString& preferences = {})
        : word(chosen) {
        for (const QString& preference : preferences.split(u' ', Qt::SkipEmptyParts))
            setSetting(preference.section(u'=', 0, 0), preference.section(u'=', 1));
        listen();
        start(QStringList{":::" + word} + record.split(u' '));
    }
    // Types the word's first letter, lets the clock tick, types the rest.
    void finish(int ticksAfterFirstLetter) {
        type(word.left(1));
        ticks(ticksAfterFirstLetter);
        type(word.mid(1));
    }
    // What an input method sends: text still being composed, and text committed.
    void compose(const QString& pending, const QString& committed) {
        QInputMethodEvent event(pending, {});
        event.setCommitString(committed);
        QApplication::sendEvent(ui->Text1, &event);
    }
    // The box, the counters each by its caption, the indicator and whether the clock runs.
    QString shown() const {
        return QStringLiteral(
                   "\"%1\" since last %2, total %3, per letter %4, typing %5, letters %6, words %7, fixes %8, "
                   "%9, clock %10")
            .arg(typed(), sinceLastLetter(), totalTime(), secondsPerLetter(), typingTime(), lettersWritten(),
                 wordsWritten(), fixes(), indicator(), clockRuns() ? "runs" : "held");
    }
    // How the typist finds the window while a box is open: its first words,
    // the indicator and whether the clock runs.
    QStringList whileTold;
    void watchBoxes() {
        fakes.dialogs.whileOpen = [this](const FakeDialogs::Box& box) {
            whileTold << box.text.section(u' ', 0, 2) + (clockRuns() ? ", clock runs, " : ", clock held, ") +
                             indicator();
        };
    }
    QString word;
};

// An empty box, every counter at 0, a green indicator and the clock held.
const QString Afresh = QStringLiteral(
    "\"\" since last 0, total 0, per letter 0, typing 0, letters 0, words 0, fixes 0, green, clock held");
} // namespace

class TestTypingRun : public QObject {
    Q_OBJECT

private slots:
    // The indicator: is the box a correct beginning of the word? A list
    // without words holds none, which nothing typed begins.
    void indicatorTellsWhetherTheBoxBeginsTheWord_data() {
        const Table<QString, bool, QString, QString> table("preferences", "wordRemoved", "pasted", "colour");
        table.row("capitals, case sensitive off", "CaseSensitive=0", false, "CA", Green);
        table.row("capitals, greyed counts as off", "CaseSensitive=2", false, "CA", Green);
        table.row("capitals, case sensitive", "CaseSensitive=1", false, "CA", Red);
        table.row("beyond the word", "", false, "cats", Red);
        table.row("no word in the list", "", true, "c", Red);
    }
    void indicatorTellsWhetherTheBoxBeginsTheWord() {
        QFETCH(QString, preferences);
        QFETCH(bool, wordRemoved);
        QFETCH(QString, pasted);
        Run h("cat", "- old Nm", preferences);
        if (wordRemoved)
            h.removeWord();
        h.paste(pasted);
        QTEST(h.indicator(), "colour");
        // A screen reader hears what the colour shows.
        QCOMPARE(h.indicatorSays(), h.indicator() == Green ? "correct so far" : "wrong letter");
        // Right or wrong, the first change starts the clock.
        QVERIFY(h.clockRuns());
    }

    // The counters: each change counts a letter and adds the time since the
    // last one; each tick adds a tenth to that time and to the total, without
    // drift; seconds per letter are cut to six characters.
    void timesAddUpInTenthsWithoutDrift() {
        Run h("house");
        h.type("h");
        h.ticks(3);
        h.type("o");
        h.ticks(10001);
        h.type("u");
        h.ticks(2);
        QCOMPARE(h.shown(), "\"hou\" since last 0.2, total 1000.6, per letter 333.46, typing 1000.4, letters 3, "
                            "words 1, fixes 0, green, clock runs");
    }
    // Letters come faster than the clock's interval: a clock that each of
    // them started anew would never tick. This test alone runs on the real clock.
    void aFastTypistsClockStillTicks() {
        Run h(QString(50, u'a') + "b");
        int ticks = 0;
        connect(h.ui->Timer1, &QTimer::timeout, this, [&] { ++ticks; });
        for (int i = 0; i < 50 && ticks == 0; ++i) {
            h.type("a");
            QTest::qWait(20);
        }
        QVERIFY(ticks > 0);
    }

    // Each sound as the typing goes; the record's sound ends before the name is asked for.
    void soundsFollowTheTyping_data() {
        // Sounds: the check box, 1 ticked, 2 greyed.
        const Table<QString, QString, QString> table("sounds", "keys", "heard");
        table.row("letters, a mistake, a reset", "1", "cx", "type type mistake type reset");
        table.row("greyed is silent", "2", "cx", "");
        table.row("a reset of the empty box", "1", "", "reset");
        table.row("a record", "1", "cat", "type type type type newrecord! name-asked reset reset");
    }
    void soundsFollowTheTyping() {
        QFETCH(QString, sounds);
        QFETCH(QString, keys);
        Run h("cat", "- old Nm", "Sounds=" + sounds);
        h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) { h.heard << "name-asked"; };
        h.type(keys);
        h.clickReset();
        QTEST(h.heard.join(u' '), "heard");
    }

    // Fixes: a fix is typing on after one or more Backspaces.
    void typingOnAfterBackspaceCountsOneFix() {
        Run h("cat");
        h.type(Backspace + "cxy" + Backspace + Backspace + "a");
        QCOMPARE(
            h.shown(),
            "\"ca\" since last 0, total 0, per letter 0, typing 0, letters 6, words 1, fixes 2, green, clock runs");
    }
    // Delete types nothing: it neither counts a fix nor ends the one pending,
    // and a reset leaves it pending too.
    void deleteIsNoTyping() {
        Run h("cattle");
        h.type("ca" + Backspace);
        // As X11 reports it, with the character 127.
        QTest::sendKeyEvent(QTest::Click, h.ui->Text1, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
        QCOMPARE(h.fixes(), "0");
        h.clickReset();
        h.type("c");
        QCOMPARE(h.fixes(), "1");
    }
    // Only what an input method commits is typing: a dead key still composing
    // is no letter and leaves the fix pending.
    void aLetterFromAnInputMethodMendsThePendingFix() {
        Run h("cat");
        h.type("x" + Backspace);
        h.compose("´", "");
        QCOMPARE(h.fixes(), "0");
        h.compose("", "é");
        QCOMPARE(h.shown(),
                 "\"é\" since last 0, total 0, per letter 0, typing 0, letters 3, words 1, fixes 1, red, clock runs");
    }

    // Reset: emptying the box counts one more change, which the reset clears.
    void resetEmptiesTheBoxAndHoldsTheClock() {
        Run h("house");
        h.type("hx" + Backspace + "o"); // one fix
        h.ticks(4);
        h.clickSmallReset();
        QCOMPARE(h.shown(), Afresh);
    }

    // "- STOPPED -" comes on each change while the count equals the limit,
    // before the indicator shows the change (painted black to see it).
    void automaticStopAfterWordsToldOnEveryChangeAtTheLimit() {
        Run h("one two three");
        h.automatic("Stop", "Words written", "2");
        h.watchBoxes();
        h.type("one ");
        h.ui->Shape1->setFillColor(Qt::black);
        h.type("two");
        QCOMPARE(h.whileTold, QStringList({"- STOPPED -, clock runs, other", "- STOPPED -, clock runs, green",
                                           "- STOPPED -, clock runs, green"}));
        QCOMPARE(h.shown(), "\"one two\" since last 0, total 0, per letter 0, typing 0, letters 7, words 2, fixes 0, "
                            "green, clock runs");
    }
    // The automatic action ("action, criterion, limit") at its limit, the
    // first letter typed, the clock ticking, the rest typed: a reset starts
    // afresh on the change or the tick that meets it, a stop by time is told
    // while the clock is held. A finished word empties the box, a change like
    // any other: a stop at 0 words is told before the record is asked for. The clock's own limit counts only under
    // "Time passed", and the total time counts from 0.1 in tenths: "1.50" and
    // "0" never show.
    void automaticActionAtItsLimit_data() {
        // Each box told while the run goes on, "/" between them.
        const Table<QString, QString, int, QString, QString> table("automatic", "keys", "ticks", "told", "shown");
        const QString running(
            "\"ab\" since last 3, total 3, per letter 1.5, typing 3, letters 2, words 1, fixes 0, green, clock runs");
        table.row("reset after letters", "Reset, Letters written, 3", "abx", 0, "", Afresh);
        table.row("reset after time", "Reset, Time passed, 0.3", "a", 3, "", Afresh);
        table.row(
            "stop after time", "Stop, Time passed, 1.5", "a", 16, "- STOPPED -, clock held, green",
            "\"a\" since last 1.6, total 1.6, per letter 0, typing 0, letters 1, words 1, fixes 0, green, clock runs");
        table.row("a word limit is no time limit", "Stop, Words written, 3", "ab", 30, "", running);
        table.row("1.50 is no 1.5", "Stop, Time passed, 1.50", "ab", 30, "", running);
        table.row("0 comes before the first tick", "Stop, Time passed, 0", "ab", 30, "", running);
        table.row("stop at 0 words on the emptied box", "Stop, Words written, 0", "abcdef", 5,
                  "- STOPPED -, clock runs, green/YOU BROKE THE, clock runs, green/- STOPPED -, clock held, green",
                  Afresh);
    }
    void automaticActionAtItsLimit() {
        QFETCH(QString, automatic);
        QFETCH(QString, keys);
        QFETCH(int, ticks);
        Run h("abcdef");
        const QStringList chosen = automatic.split(QStringLiteral(", "));
        h.automatic(chosen[0], chosen[1], chosen[2]);
        h.watchBoxes();
        h.type(keys.left(1));
        h.ticks(ticks);
        h.type(keys.mid(1));
        QTEST(h.whileTold.join(u'/'), "told");
        QTEST(h.shown(), "shown");
    }
    // The limits are set after the first criterion was shown: the box starts empty.
    void eachCriterionKeepsItsOwnLimit() {
        Run h("cat");
        const auto limitOf = [&h](const char* criterion) {
            h.chooseCriterion(criterion);
            return h.limit();
        };
        QCOMPARE(h.limit(), "");
        h.typeLimit("10");
        QCOMPARE(limitOf("Time passed"), "0");
        h.typeLimit("30");
        QCOMPARE(limitOf("Words written"), "10");
        QCOMPARE(limitOf("Time passed"), "30");
    }
    // An automatic reset before the record is made (at 0 words, on the emptied
    // box) clears the time the record takes; one while the name is asked for
    // (the clock ticks on under the box) leaves it.
    void automaticResetWhileTheRecordIsMade_data() {
        const Table<QString, QString, QString> table("criterion", "limit", "record");
        table.row("before, at 0 words", "Words written", "0", "0 " + Now + " Bo, last score 0");
        table.row("under the name prompt, by time", "Time passed", "1", "0.3 " + Now + " Bo, last score 0");
    }
    void automaticResetWhileTheRecordIsMade() {
        QFETCH(QString, criterion);
        QFETCH(QString, limit);
        Run h("cat", "4.3 old Nm");
        h.fakes.dialogs.promptAnswers << "Bo";
        h.automatic("Reset", criterion, limit);
        h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) { h.ticks(10); };
        h.finish(3);
        QTEST(h.record() + ", last score " + h.lastScore(), "record");
    }

    // A finished word and its record: the name is asked for while the clock
    // still runs, then the box empties and the run starts afresh.
    void firstFinishedWordIsTheRecord() {
        Run h("cat");
        h.fakes.dialogs.promptAnswers << "Typist";
        h.watchBoxes();
        h.finish(50);
        QCOMPARE(h.fakes.dialogs.texts(FakeDialogs::Kind::Prompt),
                 QStringList{"YOU BROKE THE RECORD!!!! 5 seconds! Please enter your name:"});
        QCOMPARE(h.whileTold, QStringList{"YOU BROKE THE, clock runs, green"});
        QCOMPARE(h.record() + ", last score " + h.lastScore(), "5 " + Now + " Typist, last score 5");
        QCOMPARE(h.shown(), Afresh);
        // Nothing is written before closing, which saves the record.
        QCOMPARE(h.fakes.files.writes, 0);
        QVERIFY(h.form->close());
        QCOMPARE(h.results(), crlf({":::cat", "5", Now, "Typist"}));
    }
    // 9.5 seconds against a stored 10.2 is a record, though "9.5" sorts after
    // "10.2" as a text; then 10.3 is none.
    void fasterTimesAreRecordsAsNumbersNotTexts() {
        Run h("cat", "10.2 old Nm");
        h.fakes.dialogs.promptAnswers << "Bo";
        h.finish(95);
        QCOMPARE(h.record(), "9.5 " + Now + " Bo");
        h.finish(103);
        QCOMPARE(h.lastScore(), "10.3");
        QCOMPARE(h.record(), "9.5 " + Now + " Bo");
    }
    // The word's record after typing in no time ("word: stored record"). Words
    // are compared letter by letter: ß is no "ss", its capital is ß.
    void recordAfterTyping_data() {
        // The word and its stored record, the name given when asked, and the record afterwards.
        const Table<QString, QString, QString, QString, QString> table("word", "preferences", "keys", "name", "record");
        table.row("capitals, case sensitive off", "straße: 9 old Nm", "CaseSensitive=0", "STRAßE", "",
                  "0 " + Now + " ");
        table.row("capitals, case sensitive on", "straße: 9 old Nm", "CaseSensitive=1", "STRAßE", "", "9 old Nm");
        table.row("emptying the box is no attempt at an empty word", ": 9 old Nm", "", "a" + Backspace + "a", "",
                  "9 old Nm");
        table.row("the name kept to one line", "cat: - old Nm", "", "cat", "Ann\nΩ Lee", "0 " + Now + " Ann Ω Lee");
    }
    void recordAfterTyping() {
        QFETCH(QString, word);
        QFETCH(QString, preferences);
        QFETCH(QString, keys);
        QFETCH(QString, name);
        Run h(word.section(u':', 0, 0), word.section(QStringLiteral(": "), 1), preferences);
        h.fakes.dialogs.promptAnswers << name;
        h.type(keys);
        QTEST(h.record(), "record");
    }
    // Pasted past the end and deleted back, the word is finished in no time.
    void aStoredZeroIsNeverBeaten() {
        Run h("cat", "0 old Nm");
        h.paste("cats");
        h.press(Qt::Key_Backspace);
        QCOMPARE(h.typed() + " | " + h.record(), " | 0 old Nm");
        QCOMPARE(h.fakes.dialogs.boxes.size(), 0);
    }
    void withNoWordChosenThereIsNoRecord() {
        Run h("cat");
        h.removeWord();
        h.ui->Combo1->setEditText("dog");
        h.word = "dog";
        h.finish(12);
        QCOMPARE(h.lastScore(), "1.2");
        QCOMPARE(h.fakes.dialogs.boxes.size(), 0);
    }
};

QTEST_MAIN(TestTypingRun)
#include "test_typingrun.moc"
