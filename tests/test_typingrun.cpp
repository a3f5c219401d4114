#include "harness.h"

#include <QRegularExpression>
#include <QTest>

// A typing run, scripted. Each row starts the main window on one word,
// plays a script and compares one line that sums up the window afterwards:
//   box | indicator | clock | Label1 Label17 Label2 Label3 Label4 Label14 Label18 | last score | the word's record
//   | sounds and boxes in order
// Script: t:abc one change per letter, p:abc the box set at once ("_" is a
// blank), K:abc key presses, BS DEL LEFT keys, kN clock ticks, r1 and r6
// the two reset buttons, remove the word, edit:abc the list's text, paint
// the indicator black, @script played while the next box is open.
// Setup: stored=time case= sounds= (preference values), auto=action/criterion/limit, answer=name.
// In the events a sound waited for ends in "!", and a box shows the
// indicator and whether the clock runs (">") or is held ("=").
class TestTypingRun : public QObject {
    Q_OBJECT

private slots:
    void run_data();
    void run();
    void aFastTypistsClockStillTicks();
    void limitMemoryFollowsTheCriterion();
};

namespace {

QString colour(const QColor& c) {
    return c == IndicatorGreen ? "G" : c == IndicatorRed ? "R" : "K";
}

QString boxEvent(const Form1Harness& h, const QString& text) {
    static const QRegularExpression record(R"(^YOU BROKE THE RECORD!!!! (.*) seconds! Please enter your name:$)");
    QString shown = text == "- STOPPED -" ? "STOP" : QString(text).replace(record, "name(\\1)");
    return shown + "[" + colour(h.indicator()) + (h.clockRunning() ? ">" : "=") + "]";
}

void play(Form1Harness& h, const QString& script, QStringList& whileOpen) {
    for (QString token : script.split(u' ', Qt::SkipEmptyParts)) {
        token.replace(u'_', u' ');
        const QString arg = token.section(u':', 1);
        if (token.startsWith(u'@'))
            whileOpen << token.mid(1);
        else if (token.startsWith("t:"))
            h.type(arg);
        else if (token.startsWith("p:"))
            h.ui->Text1->setText(arg);
        else if (token.startsWith("K:"))
            QTest::keyClicks(h.ui->Text1, arg);
        else if (token.startsWith("edit:"))
            h.ui->Combo1->setEditText(arg);
        else if (token.startsWith(u'k'))
            h.ticks(token.mid(1).toInt());
        else if (token == "BS" || token == "DEL" || token == "LEFT")
            QTest::keyClick(h.ui->Text1, token == "BS"    ? Qt::Key_Backspace
                                         : token == "DEL" ? Qt::Key_Delete
                                                          : Qt::Key_Left);
        else if (token == "r1" || token == "r6")
            (token == "r1" ? h.ui->Command1 : h.ui->Command6)->click();
        else if (token == "remove")
            h.ui->Command5->click();
        else if (token == "paint")
            h.ui->Shape1->setFillColor(Qt::black);
        else
            QFAIL(qPrintable("unknown step " + token));
    }
}

} // namespace

void TestTypingRun::run_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("snapshot");
    const auto row = [](const char* name, const char* word, const char* setup, const char* script, const char* line) {
        QTest::newRow(name) << QString::fromUtf8(word) << QString::fromUtf8(setup) << script << line;
    };
    // The indicator: is the box a correct beginning of the word?
    row("beginning", "cat", "case=1", "p:ca", "ca | G | run | 0 0 0 0 1 1 0 | 0 | - old Nm | ");
    row("wrong letter", "cat", "case=1", "p:cx", "cx | R | run | 0 0 0 0 1 1 0 | 0 | - old Nm | ");
    row("emptied box begins any word", "cat", "case=1", "p:cx p:", " | G | run | 0 0 0 0 2 0 0 | 0 | - old Nm | ");
    row("case blind", "cat", "case=0", "p:CA", "CA | G | run | 0 0 0 0 1 1 0 | 0 | - old Nm | ");
    row("case sensitive", "cat", "case=1", "p:CA", "CA | R | run | 0 0 0 0 1 1 0 | 0 | - old Nm | ");
    row("greyed counts as off", "cat", "case=2", "p:CA", "CA | G | run | 0 0 0 0 1 1 0 | 0 | - old Nm | ");
    row("beyond the word", "cat", "", "p:cats", "cats | R | run | 0 0 0 0 1 1 0 | 0 | - old Nm | ");
    row("no word, some text", "", "", "p:a", "a | R | run | 0 0 0 0 1 1 0 | 0 |  | ");
    row("pasted phrase", "hello world!", "", "p:hello_world",
        "hello world | G | run | 0 0 0 0 1 2 0 | 0 | - old Nm | ");
    // Sounds, counters and number texts.
    row("sounds on", "cat", "sounds=1", "t:cx", "cx | R | run | 0 0 0 0 2 1 0 | 0 | - old Nm | type type mistake");
    row("sounds greyed", "cat", "sounds=2", "t:cx", "cx | R | run | 0 0 0 0 2 1 0 | 0 | - old Nm | ");
    row("a run's counters", "house", "", "t:h k3 t:ou k2 t:s",
        "hous | G | run | 0.2 0.5 0.125 0.5 4 1 0 | 0 | - old Nm | ");
    row("tenths add up without drift", "house", "", "t:h k3 t:ou k2 t:s k601",
        "hous | G | run | 60.1 60.6 0.125 0.5 4 1 0 | 0 | - old Nm | ");
    row("seconds per letter cut to six characters", "abcdefgh", "", "t:a k10001 t:bc",
        "abc | G | run | 1000.1 1000.1 333.36 1000.1 3 1 0 | 0 | - old Nm | ");
    row("thousandths, half to even", "abcdefghij", "", "t:a k5 t:bcdefgh",
        "abcdefgh | G | run | 0.5 0.5 0.062 0.5 8 1 0 | 0 | - old Nm | ");
    row("100 s over 7 letters", "abcdefghij", "", "t:a k1000 t:bcdefg",
        "abcdefg | G | run | 100 100 14.286 100 7 1 0 | 0 | - old Nm | ");
    row("blanks around and between", "x", "", "p:__hello___world__",
        "  hello   world   | R | run | 0 0 0 0 1 2 0 | 0 | - old Nm | ");
    row("a tab separates no words", "x", "", "p:a\tb", "a\tb | R | run | 0 0 0 0 1 1 0 | 0 | - old Nm | ");
    // Fixes: typing on after Backspace.
    row("Backspace in an empty box", "cat", "case=1", "BS K:cxy", "cxy | R | run | 0 0 0 0 3 1 1 | 0 | - old Nm | ");
    row("Delete is no fix", "cat", "case=1", "BS K:cxy BS BS K:x LEFT DEL K:a",
        "ca | G | run | 0 0 0 0 8 1 2 | 0 | - old Nm | ");
    row("a pending fix outlives a reset", "cat", "", "K:ca BS r1 K:c", "c | G | run | 0 0 0 0 1 1 1 | 0 | - old Nm | ");
    // Resets, by hand and automatic, and the automatic stop.
    row("reset", "house", "sounds=1", "t:hx k4 r6",
        " | G | stop | 0 0 0 0 0 0 0 | 0 | - old Nm | type type mistake type reset");
    row("reset of an empty box: no nested pass", "house", "sounds=1", "r1",
        " | R | stop | 0 0 0 0 0 0 0 | 0 | - old Nm | reset");
    row("automatic reset by letters", "abcdef", "auto=2/2/3", "t:abx", " | G | stop | 0 0 0 0 0 0 0 | 0 | - old Nm | ");
    row("automatic reset by time", "abcdef", "auto=2/1/0.3", "t:ab k3",
        " | G | stop | 0 0 0 0 0 0 0 | 0 | - old Nm | ");
    row("stop by words, while the count stays", "one two three", "auto=1/0/2", "t:one_ paint t:two",
        "one two | G | run | 0 0 0 0 7 2 0 | 0 | - old Nm | STOP[K>] STOP[G>] STOP[G>]");
    row("stop by time holds the clock", "house", "auto=1/1/1.5", "t:h k16",
        "h | G | run | 1.6 1.6 0 0 1 1 0 | 0 | - old Nm | STOP[G=]");
    row("time limit 1.50 is no 1.5", "house", "auto=1/1/1.50",
        "t:ho k30 p:", " | G | run | 3 3 1 3 3 0 0 | 0 | - old Nm | ");
    row("time limit 01.5", "house", "auto=1/1/01.5", "t:ho k30 p:", " | G | run | 3 3 1 3 3 0 0 | 0 | - old Nm | ");
    row("time limit 0: the first tick shows 0.1", "house", "auto=1/1/0",
        "t:ho k30 p:", " | G | run | 3 3 1 3 3 0 0 | 0 | - old Nm | ");
    row("words 0 acts on the emptied box", "house", "auto=1/0/0",
        "t:ho k30 p:", " | G | run | 3 3 1 3 3 0 0 | 0 | - old Nm | STOP[G>]");
    row("letters 02", "house", "auto=1/2/02", "t:ho k30 p:", " | G | run | 3 3 1 3 3 0 0 | 0 | - old Nm | ");
    row("no limit typed", "house", "auto=1/0/", "t:ho k30 p:", " | G | run | 3 3 1 3 3 0 0 | 0 | - old Nm | ");
    // A finished word: the last score, and a record when it beats the stored time.
    row("no record yet", "cat", "answer=Typist", "t:c k50 t:at",
        " | G | stop | 0 0 0 0 0 0 0 | 5 | 5 now Typist | name(5)[G>]");
    row("no record yet, time 0", "cat", "answer=Ann", "t:cat",
        " | G | stop | 0 0 0 0 0 0 0 | 0 | 0 now Ann | name(0)[G>]");
    row("equal time", "cat", "stored=4.3", "t:c k43 t:at", " | G | stop | 0 0 0 0 0 0 0 | 4.3 | 4.3 old Nm | ");
    row("a tenth faster", "cat", "stored=4.3 answer=Ann", "t:c k42 t:at",
        " | G | stop | 0 0 0 0 0 0 0 | 4.2 | 4.2 now Ann | name(4.2)[G>]");
    row("numbers decide, not texts", "cat", "stored=10.2 answer=Ann", "t:c k95 t:at",
        " | G | stop | 0 0 0 0 0 0 0 | 9.5 | 9.5 now Ann | name(9.5)[G>]");
    row("stored 0 is never beaten", "cat", "stored=0", "t:cat", " | G | stop | 0 0 0 0 0 0 0 | 0 | 0 old Nm | ");
    row("empty stored time counts as 0", "cat", "stored=", "t:cat", " | G | stop | 0 0 0 0 0 0 0 | 0 |  old Nm | ");
    row("decimal comma reads as its whole part", "cat", "stored=4,7", "t:c k45 t:at",
        " | G | stop | 0 0 0 0 0 0 0 | 4.5 | 4,7 old Nm | ");
    row("cancelled prompt: empty name", "cat", "", "t:c k10 t:at",
        " | G | stop | 0 0 0 0 0 0 0 | 1 | 1 now  | name(1)[G>]");
    row("name kept to one storable line", "cat", "answer=Ann\nΩ_Lee", "t:c k10 t:at",
        " | G | stop | 0 0 0 0 0 0 0 | 1 | 1 now Ann ? Lee | name(1)[G>]");
    row("record sound ends before the prompt", "cat", "sounds=1", "t:c k5 t:at",
        " | G | stop | 0 0 0 0 0 0 0 | 0.5 | 0.5 now  | type type type type newrecord! name(0.5)[G>] reset");
    row("ticks and an automatic reset while the prompt is open", "cat", "auto=2/1/1 answer=Bo", "@k10 t:c k3 t:at",
        " | G | stop | 0 0 0 0 0 0 0 | 0 | 0.3 now Bo | name(0.3)[G>]");
    row("capitals finish a word case blind", "cat", "case=0 stored=9", "t:CAT",
        " | G | stop | 0 0 0 0 0 0 0 | 0 | 0 now  | name(0)[G>]");
    row("but not case sensitive", "cat", "case=1 stored=9", "t:CAT", "CAT | R | run | 0 0 0 0 3 1 0 | 0 | 9 old Nm | ");
    row("pasted past the end, deleted back", "cat", "stored=0", "p:cats BS",
        " | G | stop | 0 0 0 0 0 0 0 | 0 | 0 old Nm | ");
    row("no word selected: no record", "cat", "", "remove edit:dog t:d k12 t:og",
        " | G | stop | 0 0 0 0 0 0 0 | 1.2 | - old Nm | ");
    row("stop on the emptied box before the record test", "cat", "auto=1/0/0", "t:c k5 t:at",
        " | G | stop | 0 0 0 0 0 0 0 | 0.5 | 0.5 now  | STOP[G>] name(0.5)[G>] STOP[G=]");
    row("reset on the emptied box before the record test", "cat", "stored=4.3 auto=2/0/0 answer=Ann", "t:c k5 t:at",
        " | G | stop | 0 0 0 0 0 0 0 | 0 | 0 now Ann | name(0)[G=]");
}

void TestTypingRun::run() {
    QFETCH(QString, word);
    QFETCH(QString, setup);
    QFETCH(QString, script);
    QMap<QString, QString> given{{"stored", "-"}};
    for (const QString& item : setup.split(u' ', Qt::SkipEmptyParts))
        given[item.section(u'=', 0, 0)] = item.section(u'=', 1).replace(u'_', u' ');
    Form1Harness h;
    h.setSetting("CaseSensitive", given.value("case"));
    h.setSetting("Sounds", given.value("sounds"));
    h.fakes.clock.now = "now";
    h.fakes.dialogs.promptAnswers << given.value("answer");
    if (word.isEmpty())
        h.start();
    else
        h.start({":::" + word, given["stored"], "old", "Nm"});
    if (given.contains("auto")) {
        const QStringList automatic = given["auto"].split(u'/');
        h.setAutomatic(automatic[0].toInt(), automatic[1].toInt(), automatic[2]);
    }

    QStringList events;
    QStringList whileOpen;
    h.fakes.sound.whilePlaying = [&](const QString& file, bool wait) { events << file.chopped(4) + (wait ? "!" : ""); };
    h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box& box) {
        events << boxEvent(h, box.text);
        if (!whileOpen.isEmpty())
            play(h, whileOpen.takeFirst(), whileOpen);
    };
    play(h, script, whileOpen);

    QStringList counters;
    for (const QLabel* label :
         {h.ui->Label1, h.ui->Label17, h.ui->Label2, h.ui->Label3, h.ui->Label4, h.ui->Label14, h.ui->Label18})
        counters << label->text();
    const WordTable& table = h.form->wordTable();
    const QString record = QStringList{table.FastestTime[0], table.RecordDate[0], table.RecordName[0]}.join(u' ');
    const QStringList snapshot{h.ui->Text1->text(), colour(h.indicator()), h.clockRunning() ? "run" : "stop",
                               counters.join(u' '), h.ui->Label9->text(),  word.isEmpty() ? "" : record,
                               events.join(u' ')};
    QTEST(snapshot.join(" | "), "snapshot");
    // The word panel shows the table's record; nothing reaches the file before a save.
    if (h.ui->Combo1->currentIndex() == 0)
        QCOMPARE(QStringList({h.ui->Text2->text(), h.ui->Text3->text(), h.ui->Text4->text()}).join(u' '), record);
    QCOMPARE(h.fakes.files.writes, 0);
}

void TestTypingRun::aFastTypistsClockStillTicks() {
    // Letters come faster than the clock's interval: a clock that each of
    // them started anew would never tick.
    Form1Harness h;
    h.start({":::" + QString(50, u'a') + "b"});
    int ticks = 0;
    connect(h.ui->Timer1, &QTimer::timeout, this, [&] { ++ticks; });
    for (int i = 0; i < 50 && ticks == 0; ++i) {
        h.type("a");
        QTest::qWait(20);
    }
    QVERIFY(ticks > 0);
}

void TestTypingRun::limitMemoryFollowsTheCriterion() {
    Form1Harness h;
    h.start();
    // The limits are set after the first criterion was shown: the box starts empty.
    QCOMPARE(h.ui->Text5->text(), "");
    h.ui->Text5->setText("10");
    h.ui->Combo3->setCurrentIndex(1);
    QCOMPARE(h.ui->Text5->text(), "0");
    h.ui->Text5->setText("30");
    h.ui->Combo3->setCurrentIndex(0);
    QCOMPARE(h.ui->Text5->text(), "10");
    h.ui->Combo3->setCurrentIndex(1);
    QCOMPARE(h.ui->Text5->text(), "30");
}

QTEST_MAIN(TestTypingRun)
#include "test_typingrun.moc"
