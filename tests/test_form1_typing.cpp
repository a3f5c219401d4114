#include "form1harness.h"

#include <QTest>

// The typing engine: every change of the typing box counts as a letter, adds
// the time since the last one, and colours the indicator.
class TestForm1Typing : public QObject {
    Q_OBJECT

private slots:
    void prefixCheck_data();
    void prefixCheck();
    void emptyTargetAcceptsOnlyAnEmptyBox();
    void wrongChangeSoundsAfterTheTypeCue();
    void greyedBoxesCountAsOff();
    void countersOfARun();
    void changesWithinOneTickAddNoTime();
    void secondsPerLetterIsCutToSixCharacters();
    void pasteCountsOneLetter();
    void firstChangeStartsTheClockAndLaterOnesDoNotRestartIt();
    void fixesAreCountedWhenTypingGoesOn();
    void backspaceInAnEmptyBoxStillArmsAFix();
    void deleteKeyIsNeverAFix();
    void pendingFixOutlivesAReset();
};

namespace {
void startWith(Form1Harness& h, const QStringList& words, bool caseSensitive, bool sounds = false) {
    QStringList lines;
    for (const QString& w : words)
        lines << ":::" + w << "-"
              << "na"
              << "na";
    h.setResults(crlf(lines));
    h.setSetting("CaseSensitive", caseSensitive ? "1" : "0");
    h.setSetting("Sounds", sounds ? "1" : "0");
    h.start();
}
} // namespace

void TestForm1Typing::prefixCheck_data() {
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("caseSensitive");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("green");
    QTest::newRow("c") << "cat" << true << "c" << true;
    QTest::newRow("ca") << "cat" << true << "ca" << true;
    QTest::newRow("cx") << "cat" << true << "cx" << false;
    QTest::newRow("CA, case blind") << "cat" << false << "CA" << true;
    QTest::newRow("CA, case sensitive") << "cat" << true << "CA" << false;
    QTest::newRow("beyond the word") << "cat" << false << "cats" << false;
    QTest::newRow("phrase with blank") << "ice cream" << true << "ice c" << true;
}

void TestForm1Typing::prefixCheck() {
    QFETCH(QString, word);
    QFETCH(bool, caseSensitive);
    QFETCH(QString, typed);
    QFETCH(bool, green);
    Form1Harness h;
    startWith(h, {word}, caseSensitive);
    h.ui->Text1->setText(typed);
    QCOMPARE(h.indicator(), green ? IndicatorGreen : IndicatorRed);
}

void TestForm1Typing::emptyTargetAcceptsOnlyAnEmptyBox() {
    Form1Harness h;
    h.start();
    h.type("a");
    QCOMPARE(h.indicator(), IndicatorRed);
    h.ui->Text1->setText("");
    QCOMPARE(h.indicator(), IndicatorGreen);
}

void TestForm1Typing::wrongChangeSoundsAfterTheTypeCue() {
    Form1Harness h;
    startWith(h, {"cat"}, true, true);
    h.type("cx");
    QCOMPARE(h.fakes.sound.fileNames(), (QStringList{"type.wav", "type.wav", "mistake.wav"}));
    for (const auto& play : h.fakes.sound.plays)
        QVERIFY(!play.wait);
}

void TestForm1Typing::greyedBoxesCountAsOff() {
    Form1Harness h;
    h.setResults(crlf({":::cat"}));
    h.setSetting("Sounds", "2");
    h.setSetting("CaseSensitive", "2");
    h.start();
    h.type("CAX");
    QVERIFY(h.fakes.sound.plays.isEmpty());
    h.ui->Text1->setText("CA");
    QCOMPARE(h.indicator(), IndicatorGreen);
}

void TestForm1Typing::countersOfARun() {
    Form1Harness h;
    startWith(h, {"house"}, false);
    h.type("h");
    h.ticks(3);
    h.type("o");
    h.ticks(2);
    h.type("u");
    QCOMPARE(h.ui->Label3->text(), "0.5");
    QCOMPARE(h.ui->Label4->text(), "3");
    QCOMPARE(h.ui->Label2->text(), "0.167");
    QCOMPARE(h.ui->Label14->text(), "1");
    QCOMPARE(h.form->sinceLastLetter(), 0.0);
    // The time display keeps its value until the next tick.
    QCOMPARE(h.ui->Label1->text(), "0.2");
    h.ticks(1);
    QCOMPARE(h.ui->Label1->text(), "0.1");
    QCOMPARE(h.ui->Label17->text(), "0.6");
}

void TestForm1Typing::changesWithinOneTickAddNoTime() {
    Form1Harness h;
    startWith(h, {"house"}, false);
    h.type("hou");
    QCOMPARE(h.ui->Label3->text(), "0");
    QCOMPARE(h.ui->Label4->text(), "3");
    h.ticks(1);
    h.type("s");
    QCOMPARE(h.ui->Label3->text(), "0.1");
}

void TestForm1Typing::secondsPerLetterIsCutToSixCharacters() {
    Form1Harness h;
    startWith(h, {"abcdefgh"}, false);
    h.ui->Label3->setText("1000");
    h.type("ab");
    h.ticks(1);
    h.type("c");
    QCOMPARE(h.ui->Label3->text(), "1000.1");
    QCOMPARE(h.ui->Label2->text(), "333.36");

    Form1Harness seven;
    startWith(seven, {"abcdefgh"}, false);
    seven.type("abcdef");
    seven.ui->Label3->setText("100");
    seven.type("g");
    QCOMPARE(seven.ui->Label2->text(), "14.286");
}

void TestForm1Typing::pasteCountsOneLetter() {
    Form1Harness h;
    startWith(h, {"hello world!"}, false);
    h.ui->Text1->setText("hello world");
    QCOMPARE(h.ui->Label4->text(), "1");
    QCOMPARE(h.ui->Label14->text(), "2");
    QCOMPARE(h.indicator(), IndicatorGreen);
}

void TestForm1Typing::firstChangeStartsTheClockAndLaterOnesDoNotRestartIt() {
    Form1Harness h;
    startWith(h, {"house"}, false);
    QVERIFY(!h.clockRunning());
    h.type("h");
    QVERIFY(h.clockRunning());
    const int timerId = h.form->timer()->timerId();
    h.type("o");
    QCOMPARE(h.form->timer()->timerId(), timerId);
}

void TestForm1Typing::fixesAreCountedWhenTypingGoesOn() {
    Form1Harness h;
    startWith(h, {"cat"}, true);
    QTest::keyClicks(h.ui->Text1, "cxyz");
    QCOMPARE(h.indicator(), IndicatorRed);
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
    QCOMPARE(h.ui->Text1->text(), "c");
    QCOMPARE(h.indicator(), IndicatorGreen);
    QCOMPARE(h.ui->Label4->text(), "7");
    QCOMPARE(h.ui->Label18->text(), "0");
    QTest::keyClick(h.ui->Text1, Qt::Key_A);
    QCOMPARE(h.ui->Label4->text(), "8");
    QCOMPARE(h.ui->Label18->text(), "1");
}

void TestForm1Typing::backspaceInAnEmptyBoxStillArmsAFix() {
    Form1Harness h;
    startWith(h, {"cat"}, true);
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
    QCOMPARE(h.ui->Label4->text(), "0");
    QVERIFY(h.form->backspacePending());
    QTest::keyClick(h.ui->Text1, Qt::Key_C);
    QCOMPARE(h.ui->Label18->text(), "1");
}

void TestForm1Typing::deleteKeyIsNeverAFix() {
    Form1Harness h;
    startWith(h, {"cat"}, true);
    QTest::keyClicks(h.ui->Text1, "cx");
    QTest::keyClick(h.ui->Text1, Qt::Key_Left);
    QTest::keyClick(h.ui->Text1, Qt::Key_Delete);
    QTest::keyClick(h.ui->Text1, Qt::Key_A);
    QCOMPARE(h.ui->Text1->text(), "ca");
    QCOMPARE(h.ui->Label18->text(), "0");
}

void TestForm1Typing::pendingFixOutlivesAReset() {
    Form1Harness h;
    startWith(h, {"cat"}, true);
    QTest::keyClicks(h.ui->Text1, "cx");
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
    h.form->Command1_Click();
    QCOMPARE(h.ui->Label18->text(), "0");
    QTest::keyClick(h.ui->Text1, Qt::Key_C);
    QCOMPARE(h.ui->Label18->text(), "1");
}

QTEST_MAIN(TestForm1Typing)
#include "test_form1_typing.moc"
