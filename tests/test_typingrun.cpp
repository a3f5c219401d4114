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
    // The counters, each by its caption.
    QString counters() const {
        return QStringLiteral("since last %1, total %2, per letter %3, typing %4, letters %5, words %6, fixes %7")
            .arg(sinceLastLetter(), totalTime(), secondsPerLetter(), typingTime(), lettersWritten(), wordsWritten(),
                 fixes());
    }
    // The box, the counters, the indicator and whether the clock runs.
    QString shown() const {
        return '"' + typed() + "\" " + counters() + ", " + indicator() +
               (clockRuns() ? ", clock runs" : ", clock held");
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

const QString Zero = QStringLiteral("since last 0, total 0, per letter 0, typing 0, letters 0, words 0, fixes 0");
// An empty box, every counter at 0, a green indicator and the clock held.
const QString Afresh = "\"\" " + Zero + ", green, clock held";
} // namespace

class TestTypingRun : public QObject {
    Q_OBJECT

private slots:
    // The indicator: is the box a correct beginning of the word? A list
    // without words holds none, which nothing typed begins.
    void indicatorTellsWhetherTheBoxBeginsTheWord_data() {
        QTest::addColumn<QString>("preferences");
        QTest::addColumn<bool>("wordRemoved");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("colour");
        QTest::addColumn<QString>("says"); // to a screen reader
        const auto row = [](const char* name, const char* preferences, bool removed, const char* pasted, bool right) {
            QTest::newRow(name) << QString(preferences) << removed << QString(pasted) << (right ? Green : Red)
                                << (right ? "correct so far" : "wrong letter");
        };
        row("capitals, case sensitive off", "CaseSensitive=0", false, "CA", true);
        row("capitals, greyed counts as off", "CaseSensitive=2", false, "CA", true);
        row("capitals, case sensitive", "CaseSensitive=1", false, "CA", false);
        row("beyond the word", "", false, "cats", false);
        row("no word in the list", "", true, "c", false);
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
        QTEST(h.indicatorSays(), "says");
        // Right or wrong, the first change starts the clock.
        QVERIFY(h.clockRuns());
    }

    // The counters: each change counts a letter and adds the time since the
    // last one; each tick adds a tenth to that time and to the total.
    void timesAddUpInTenthsWithoutDrift() {
        Run h("house");
        h.type("h");
        h.ticks(3);
        h.type("ou");
        h.ticks(2);
        h.type("s");
        h.ticks(601);
        QCOMPARE(h.shown(), "\"hous\" since last 60.1, total 60.6, per letter 0.125, typing 0.5, letters 4, words 1, "
                            "fixes 0, green, clock runs");
    }
    void secondsPerLetterIsCutToSixCharacters() {
        Run h("abcdefgh");
        h.type("a");
        h.ticks(10001);
        h.type("bc");
        QCOMPARE(h.secondsPerLetter() + " per letter, typing " + h.typingTime(), "333.36 per letter, typing 1000.1");
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
        QTest::addColumn<QString>("sounds"); // the check box: 1 ticked, 2 greyed
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("heard");
        const auto row = [](const char* name, const char* sounds, const char* keys, const char* heard) {
            QTest::newRow(name) << QString(sounds) << QString(keys) << QString(heard).split(u' ', Qt::SkipEmptyParts);
        };
        row("letters, a mistake, a reset", "1", "cx", "type type mistake type reset");
        row("greyed is silent", "2", "cx", "");
        row("a reset of the empty box", "1", "", "reset");
        row("a record", "1", "cat", "type type type type newrecord! name-asked reset reset");
    }
    void soundsFollowTheTyping() {
        QFETCH(QString, sounds);
        QFETCH(QString, keys);
        Run h("cat", "- old Nm", "Sounds=" + sounds);
        h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box&) { h.heard << "name-asked"; };
        h.type(keys);
        h.clickReset();
        QTEST(h.heard, "heard");
    }

    // Fixes: a fix is typing on after one or more Backspaces.
    void typingOnAfterBackspaceCountsOneFix() {
        Run h("cat");
        h.type(Backspace + "cxy" + Backspace + Backspace + "a");
        QCOMPARE(
            h.shown(),
            "\"ca\" since last 0, total 0, per letter 0, typing 0, letters 6, words 1, fixes 2, green, clock runs");
    }
    // Delete types nothing: it neither counts a fix nor ends the one pending.
    void deleteIsNoTyping() {
        Run h("cattle");
        h.type("ca" + Backspace);
        // As X11 reports it, with the character 127.
        QTest::sendKeyEvent(QTest::Click, h.ui->Text1, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
        QCOMPARE(h.fixes(), "0");
        h.type("a");
        QCOMPARE(h.fixes(), "1");
    }
    void aPendingFixOutlivesAReset() {
        Run h("cat");
        h.type("ca" + Backspace);
        h.clickReset();
        h.type("c");
        QCOMPARE(h.fixes(), "1");
    }
    void aLetterFromAnInputMethodMendsThePendingFix() {
        Run h("cat");
        h.type("x" + Backspace);
        h.compose("", "é");
        QCOMPARE(h.shown(),
                 "\"é\" since last 0, total 0, per letter 0, typing 0, letters 3, words 1, fixes 1, red, clock runs");
    }
    void aDeadKeyStillComposingIsNoLetter() {
        Run h("cat");
        h.type("x" + Backspace);
        h.compose("´", "");
        QCOMPARE(h.counters(), "since last 0, total 0, per letter 0, typing 0, letters 2, words 0, fixes 0");
    }

    // Reset: emptying the box counts one more change, which the reset clears.
    void resetEmptiesTheBoxAndHoldsTheClock() {
        Run h("house");
        h.type("hx" + Backspace + "o"); // one fix
        h.ticks(4);
        h.clickSmallReset();
        QCOMPARE(h.shown(), Afresh);
    }

    // The automatic reset: by letters on the change that reaches the limit, by time on the tick.
    void automaticResetAfterLetters() {
        Run h("abcdef");
        h.automatic("Reset", "Letters written", "3");
        h.type("abx");
        QCOMPARE(h.shown(), Afresh);
    }
    void automaticResetAfterTime() {
        Run h("abcdef");
        h.automatic("Reset", "Time passed", "0.3");
        h.type("ab");
        h.ticks(3);
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
        QCOMPARE(h.counters(), "since last 0, total 0, per letter 0, typing 0, letters 7, words 2, fixes 0");
    }
    void automaticStopAfterTimeHoldsTheClockWhileTold() {
        Run h("house");
        h.automatic("Stop", "Time passed", "1.5");
        h.watchBoxes();
        h.type("h");
        h.ticks(16);
        QCOMPARE(h.whileTold, QStringList{"- STOPPED -, clock held, green"});
        QCOMPARE(
            h.shown(),
            "\"h\" since last 1.6, total 1.6, per letter 0, typing 0, letters 1, words 1, fixes 0, green, clock runs");
    }
    // The clock's own limit counts only under "Time passed", and the total
    // time counts from 0.1 in tenths: "1.50" and "0" never show.
    void noStopWhereTheTimeNeverMeetsTheLimit_data() {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QString>("limit");
        QTest::newRow("a word limit is no time limit") << "Words written"
                                                       << "3";
        QTest::newRow("1.50 is no 1.5") << "Time passed"
                                        << "1.50";
        QTest::newRow("0 comes before the first tick") << "Time passed"
                                                       << "0";
    }
    void noStopWhereTheTimeNeverMeetsTheLimit() {
        QFETCH(QString, criterion);
        QFETCH(QString, limit);
        Run h("cat");
        h.automatic("Stop", criterion, limit);
        h.type("ca");
        h.ticks(30);
        h.clearBox();
        QCOMPARE(h.fakes.dialogs.boxes.size(), 0);
        QCOMPARE(h.shown(),
                 "\"\" since last 3, total 3, per letter 1, typing 3, letters 3, words 0, fixes 0, green, clock runs");
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
    // A finished word empties the box, a change like any other: a stop at 0
    // words is told before the record is asked for, and again after.
    void automaticStopOnTheEmptiedBoxComesBeforeTheRecord() {
        Run h("cat");
        h.automatic("Stop", "Words written", "0");
        h.watchBoxes();
        h.finish(5);
        QCOMPARE(h.whileTold, QStringList({"- STOPPED -, clock runs, green", "YOU BROKE THE, clock runs, green",
                                           "- STOPPED -, clock held, green"}));
        QCOMPARE(h.record(), "0.5 " + Now + " ");
    }
    // An automatic reset before the record is made (at 0 words, on the emptied
    // box) clears the time the record takes; one while the name is asked for
    // (the clock ticks on under the box) leaves it.
    void automaticResetWhileTheRecordIsMade_data() {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QString>("limit");
        QTest::addColumn<QString>("record");
        QTest::newRow("before, at 0 words") << "Words written"
                                            << "0"
                                            << "0 " + Now + " Bo, last score 0";
        QTest::newRow("under the name prompt, by time") << "Time passed"
                                                        << "1"
                                                        << "0.3 " + Now + " Bo, last score 0";
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
        QTest::addColumn<QString>("word"); // and its stored record
        QTest::addColumn<QString>("preferences");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("name"); // given when asked
        QTest::addColumn<QString>("record");
        const auto row = [](const char* name, const char* word, const char* preferences, const QString& keys,
                            const char* given, const QString& record) {
            QTest::newRow(name) << QString(word) << QString(preferences) << keys << QString(given) << record;
        };
        row("capitals, case sensitive off", "straße: 9 old Nm", "CaseSensitive=0", "STRAßE", "", "0 " + Now + " ");
        row("capitals, case sensitive on", "straße: 9 old Nm", "CaseSensitive=1", "STRAßE", "", "9 old Nm");
        row("emptying the box is no attempt at an empty word", ": 9 old Nm", "", "a" + Backspace + "a", "", "9 old Nm");
        row("a stored zero is never beaten", "cat: 0 old Nm", "", "cat", "", "0 old Nm");
        row("the name kept to one line", "cat: - old Nm", "", "cat", "Ann\nΩ Lee", "0 " + Now + " Ann Ω Lee");
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
    void withNoWordChosenThereIsNoRecord() {
        Run h("cat");
        h.removeWord();
        h.ui->Combo1->setEditText("dog");
        h.word = "dog";
        h.finish(12);
        QCOMPARE(h.lastScore(), "1.2");
        QCOMPARE(h.fakes.dialogs.boxes.size(), 0);
    }
    void closingSavesTheRecordAndNothingIsWrittenBefore() {
        Run h("cat", "4.3 old Nm");
        h.fakes.dialogs.promptAnswers << "Ann";
        h.finish(12);
        QCOMPARE(h.fakes.files.writes, 0);
        QVERIFY(h.form->close());
        QCOMPARE(h.results(), crlf({":::cat", "1.2", Now, "Ann"}));
    }
};

QTEST_MAIN(TestTypingRun)
#include "test_typingrun.moc"
