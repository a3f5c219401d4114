#include "tests/harness.h"

#include <QInputMethodEvent>
#include <QRegularExpression>
#include <QTest>

// A typing run, scripted. Each row starts the main window on one word,
// plays a script and compares one line that sums up the window afterwards:
//   box[state] Label1 Label17 Label2 Label3 Label4 Label14 Label18 | last score
//   | the word's record ("=" as stored) | sounds and boxes in order
// Script: t:abc one change per letter, p:abc the box set at once ("_" is a
// blank), K:abc key presses, BS DEL LEFT keys, k:N clock ticks, r1 and r6
// the two reset buttons, remove the word, add:abc a word added, edit:abc
// the list's text, im:pending/committed what an input method sends, paint
// the indicator black, act:N by:N limit:N the automatic action, its
// criterion and limit, ? shows the limit, said what the indicator tells a
// screen reader, hint the empty box's hint, @:step played while the next
// box is open. Setup: word=, stored=time (-), case= sounds= (preference values),
// answer=name. The state is the indicator's colour and whether the clock runs
// (">") or is held ("="); in the events a sound waited for ends in "!", and a
// box shows the state while it is open.
class TestTypingRun : public QObject {
    Q_OBJECT

private slots:
    void run_data();
    void run();
    void aFastTypistsClockStillTicks();
};

namespace {

QString state(const Form1Harness& h) {
    return "[" + h.indicator() + (h.ui->Timer1->isActive() ? ">" : "=") + "]";
}

QString boxEvent(const Form1Harness& h, const QString& text) {
    static const QRegularExpression record(R"(^YOU BROKE THE RECORD!!!! (.*) seconds! Please enter your name:$)");
    return (text == "- STOPPED -" ? "STOP" : QString(text).replace(record, "name(\\1)")) + state(h);
}

} // namespace

void TestTypingRun::run_data() {
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("snapshot");
    const auto row = [](const char* name, const char* setup, const char* script, const char* line) {
        QTest::newRow(name) << QString::fromUtf8(setup) << script << QString::fromUtf8(line);
    };
    // The indicator: is the box a correct beginning of the word?
    row("case blind", "case=0", "p:CA said", "CA[G>] 0 0 0 0 1 1 0 | 0 | = | correct so far");
    row("greyed counts as off", "case=2", "p:CA", "CA[G>] 0 0 0 0 1 1 0 | 0 | = | ");
    row("beyond the word", "", "p:cats said", "cats[R>] 0 0 0 0 1 1 0 | 0 | = | wrong letter");
    row("no word, some text", "", "remove p:a", "a[R>] 0 0 0 0 1 1 0 | 0 | = | ");
    // Sounds, counters and number texts.
    row("sounds greyed", "sounds=2", "t:cx", "cx[R>] 0 0 0 0 2 1 0 | 0 | = | ");
    row("tenths add up without drift", "word=house", "t:h k:3 t:ou k:2 t:s k:601",
        "hous[G>] 60.1 60.6 0.125 0.5 4 1 0 | 0 | = | ");
    row("seconds per letter cut to six characters", "word=abcdefgh", "t:a k:10001 t:bc",
        "abc[G>] 1000.1 1000.1 333.36 1000.1 3 1 0 | 0 | = | ");
    // Fixes: typing on after Backspace.
    row("Delete is no fix", "case=1", "BS K:cxy BS BS K:x LEFT DEL K:a", "ca[G>] 0 0 0 0 8 1 2 | 0 | = | ");
    row("a pending fix outlives a reset", "", "BS K:cx BS K:a BS r1 K:c", "c[G>] 0 0 0 0 1 1 1 | 0 | = | ");
    // Resets, by hand and automatic, and the automatic stop.
    row("reset", "word=house sounds=1", "t:hx k:4 r6", "[G=] 0 0 0 0 0 0 0 | 0 | = | type type mistake type reset");
    row("reset of an empty box: no nested pass", "word=house sounds=1", "r1", "[R=] 0 0 0 0 0 0 0 | 0 | = | reset");
    row("automatic reset by letters", "word=abcdef", "act:2 by:2 limit:3 t:abx", "[G=] 0 0 0 0 0 0 0 | 0 | = | ");
    row("automatic reset by time", "word=abcdef", "act:2 by:1 limit:0.3 t:ab k:3", "[G=] 0 0 0 0 0 0 0 | 0 | = | ");
    row("stop by words, while the count stays", "word=one_two_three", "act:1 by:0 limit:2 t:one_ paint t:two",
        "one two[G>] 0 0 0 0 7 2 0 | 0 | = | STOP[K>] STOP[G>] STOP[G>]");
    row("stop by time holds the clock", "word=house", "act:1 by:1 limit:1.5 t:h k:16",
        "h[G>] 1.6 1.6 0 0 1 1 0 | 0 | = | STOP[G=]");
    row("time limit 1.50 is no 1.5", "", "act:1 by:1 limit:1.50 t:ca k:30 p:", "[G>] 3 3 1 3 3 0 0 | 0 | = | ");
    row("time limit 0: ticks start at 0.1", "", "act:1 by:1 limit:0 t:ca k:30 p:", "[G>] 3 3 1 3 3 0 0 | 0 | = | ");
    // The limits are set after the first criterion was shown: the box starts empty.
    row("each criterion keeps its limit", "", "? limit:10 by:1 ? limit:30 by:0 ? by:1 ?",
        "[R=] 0 0 0 0 0 0 0 | 0 | = | limit: limit:0 limit:10 limit:30");
    row("no record yet", "answer=Typist", "t:c k:50 t:at", "[G=] 0 0 0 0 0 0 0 | 5 | 5 now Typist | name(5)[G>]");
    row("name kept to one storable line", "answer=Ann\nΩ_Lee", "t:c k:10 t:at",
        "[G=] 0 0 0 0 0 0 0 | 1 | 1 now Ann ? Lee | name(1)[G>]");
    row("record sound ends before the prompt", "sounds=1", "t:c k:5 t:at",
        "[G=] 0 0 0 0 0 0 0 | 0.5 | 0.5 now  | type type type type newrecord! name(0.5)[G>] reset");
    row("ticks and an automatic reset while the prompt is open", "answer=Bo", "act:2 by:1 limit:1 @:k:10 t:c k:3 t:at",
        "[G=] 0 0 0 0 0 0 0 | 0 | 0.3 now Bo | name(0.3)[G>]");
    // Words are compared letter by letter: ß is no "ss", its capital is ß.
    row("capitals finish a word case blind", "case=0 word=straße stored=9", "t:STRAßE",
        "[G=] 0 0 0 0 0 0 0 | 0 | 0 now  | name(0)[G>]");
    row("but not case sensitive", "case=1 word=straße stored=9", "t:STRAßE", "STRAßE[R>] 0 0 0 0 6 1 0 | 0 | = | ");
    // Emptying the box is no attempt at an empty word.
    row("Backspace or Reset empties the box", "word= stored=9", "t:a BS t:a r1", "[G=] 0 0 0 0 0 0 0 | 0 | = | ");
    // A letter an input method commits mends the pending fix.
    row("dead key, then the letter it makes", "", "K:x BS im:/é", "é[R>] 0 0 0 0 3 1 1 | 0 | = | ");
    row("dead key still pending", "", "K:x BS im:´/", "[G>] 0 0 0 0 2 0 0 | 0 | = | ");
    row("hints", "word=dog", "hint remove hint add:dog hint",
        "[R=] 0 0 0 0 0 0 0 | 0 | - na na | Type: dog Add a word first, with Add word Enter "
        "new word:[R=] Type: dog");
    row("pasted past the end, deleted back; stored 0 is never beaten", "stored=0", "p:cats BS",
        "[G=] 0 0 0 0 0 0 0 | 0 | = | ");
    row("no word selected: no record", "", "remove edit:dog t:d k:12 t:og", "[G=] 0 0 0 0 0 0 0 | 1.2 | = | ");
    row("stop on the emptied box before the record test", "", "act:1 by:0 limit:0 t:c k:5 t:at",
        "[G=] 0 0 0 0 0 0 0 | 0.5 | 0.5 now  | STOP[G>] name(0.5)[G>] STOP[G=]");
    row("reset on the emptied box before the record test", "stored=4.3 answer=Ann", "act:2 by:0 limit:0 t:c k:5 t:at",
        "[G=] 0 0 0 0 0 0 0 | 0 | 0 now Ann | name(0)[G=]");
}

void TestTypingRun::run() {
    QFETCH(QString, setup);
    QFETCH(QString, script);
    QMap<QString, QString> given{{"word", "cat"}, {"stored", "-"}};
    for (const QString& item : setup.split(u' ', Qt::SkipEmptyParts))
        given[item.section(u'=', 0, 0)] = item.section(u'=', 1).replace(u'_', u' ');
    Form1Harness h;
    h.setSetting("CaseSensitive", given.value("case"));
    h.setSetting("Sounds", given.value("sounds"));
    h.fakes.clock.now = "now";
    h.fakes.dialogs.promptAnswers << given.value("answer");
    const QStringList startLines{":::" + given["word"], given["stored"], "old", "Nm"};
    h.start(startLines);

    QStringList events, whileOpen;
    const auto key = [&](Qt::Key k) { return [&h, k](const QString&) { QTest::keyClick(h.ui->Text1, k); }; };
    const Steps steps{
        {"t", [&](const QString& letters) { h.type(letters); }},
        {"p", [&](const QString& text) { h.ui->Text1->setText(text); }},
        {"K", [&](const QString& keys) { QTest::keyClicks(h.ui->Text1, keys); }},
        {"k", [&](const QString& count) { h.ticks(count.toInt()); }},
        {"BS", key(Qt::Key_Backspace)},
        {"DEL", key(Qt::Key_Delete)},
        {"LEFT", key(Qt::Key_Left)},
        {"r1", [&](const QString&) { h.ui->Command1->click(); }},
        {"r6", [&](const QString&) { h.ui->Command6->click(); }},
        {"remove", [&](const QString&) { h.ui->Command5->click(); }},
        {"add",
         [&](const QString& word) {
             h.fakes.dialogs.promptAnswers.prepend(word);
             h.ui->Command3->click();
         }},
        {"im", // "pending/committed"
         [&](const QString& text) {
             QInputMethodEvent event(text.section(u'/', 0, 0), {});
             event.setCommitString(text.section(u'/', 1));
             QApplication::sendEvent(h.ui->Text1, &event);
         }},
        {"said", [&](const QString&) { events << h.ui->Shape1->accessibleDescription(); }},
        {"hint", [&](const QString&) { events << h.ui->Text1->placeholderText(); }},
        {"edit", [&](const QString& text) { h.ui->Combo1->setEditText(text); }},
        {"paint", [&](const QString&) { h.ui->Shape1->setFillColor(Qt::black); }},
        {"act", [&](const QString& action) { chooseEntry(h.ui->Combo2, action.toInt()); }},
        {"by", [&](const QString& criterion) { chooseEntry(h.ui->Combo3, criterion.toInt()); }},
        {"limit",
         [&](const QString& limit) {
             h.ui->Text5->selectAll();
             QTest::keyClick(h.ui->Text5, Qt::Key_Delete);
             typeKeys(h.ui->Text5, limit);
         }},
        {"?", [&](const QString&) { events << "limit:" + h.ui->Text5->text(); }},
        {"@", [&](const QString& later) { whileOpen << later; }},
    };
    h.fakes.sound.whilePlaying = [&](const QString& file, bool wait) { events << file.chopped(4) + (wait ? "!" : ""); };
    h.fakes.dialogs.whileOpen = [&](const FakeDialogs::Box& box) {
        events << boxEvent(h, box.text);
        if (!whileOpen.isEmpty())
            play(whileOpen.takeFirst(), steps);
    };
    play(script, steps);

    QStringList counters;
    for (const QLabel* label :
         {h.ui->Label1, h.ui->Label17, h.ui->Label2, h.ui->Label3, h.ui->Label4, h.ui->Label14, h.ui->Label18})
        counters << label->text();
    const QStringList recordShown{h.ui->Text2->text(), h.ui->Text3->text(), h.ui->Text4->text()};
    const QString shownRecord = recordShown == startLines.mid(1) ? "=" : recordShown.join(u' ');
    const QStringList snapshot{h.ui->Text1->text() + state(h) + " " + counters.join(u' '), h.ui->Label9->text(),
                               shownRecord, events.join(u' ')};
    QTEST(snapshot.join(" | "), "snapshot");
    // Nothing reaches the file before a save; closing saves the record the word panel shows.
    QCOMPARE(h.fakes.files.writes, 0);
    if (h.ui->Combo1->currentIndex() == 0) {
        QVERIFY(h.form->close());
        QCOMPARE(h.results(), crlf(QStringList{":::" + given["word"]} + recordShown));
    }
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

QTEST_MAIN(TestTypingRun)
#include "test_typingrun.moc"
