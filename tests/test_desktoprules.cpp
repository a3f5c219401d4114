// What a Linux desktop brings that a typist never thinks about: letters from
// input methods, locales that write dates their own way, file names with
// wildcards, named pipes, Esc, icons compiled into the program.
#include "datetext.h"
#include "form2.h"
#include "harness.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

#include <sys/stat.h>

#include <tuple>

class TestDesktopRules : public QObject {
    Q_OBJECT

private slots:
    void finishTestComparesLetterByLetter_data();
    void finishTestComparesLetterByLetter();
    void inputMethodLetterCountsAFix_data();
    void inputMethodLetterCountsAFix();
    void recordDateInEveryLocale();
    void everyWindowHasTheIcon();
    void escapeLeavesTheWindow_data();
    void escapeLeavesTheWindow();
    void pickingTheShownEntryShowsItsRecordAgain_data();
    void pickingTheShownEntryShowsItsRecordAgain();
    void wildcardsInSourcePathsAreLetters();
    void aboutReadsOnlyRegularFiles();
};

void TestDesktopRules::finishTestComparesLetterByLetter_data() {
    QTest::addColumn<QString>("caseSensitive");
    QTest::addColumn<QString>("word");  // null: no results.dat, an empty list
    QTest::addColumn<QString>("typed"); // '\b' is Backspace
    QTest::addColumn<bool>("finished");
    QTest::addColumn<bool>("green");
    const std::tuple<const char*, const char*, const char*, const char*, bool, bool> rows[] = {
        {"ß case blind: strasse is another word", "0", "straße", "strasse", false, false},
        {"ß case blind: capitals finish", "0", "straße", "STRAßE", true, true},
        {"ß case sensitive: capitals do not", "1", "straße", "STRAßE", false, false},
        {"empty word: Backspace empties the box", "0", "", "a\b", false, true},
        {"empty list: Backspace empties the box", "0", nullptr, "a\b", false, true},
        {"empty word: a letter, then Reset", "0", "", "a", false, false},
    };
    for (const auto& [name, caseSensitive, word, typed, finished, green] : rows) {
        QTest::newRow(name) << QString(caseSensitive) << (word ? QString::fromUtf8(word) : QString())
                            << QString::fromUtf8(typed) << finished << green;
    }
}

void TestDesktopRules::finishTestComparesLetterByLetter() {
    QFETCH(QString, caseSensitive);
    QFETCH(QString, word);
    QFETCH(QString, typed);
    QFETCH(bool, finished);
    Form1Harness h;
    h.setSetting("CaseSensitive", caseSensitive);
    if (!word.isNull())
        h.setResults(":::" + word.toLatin1() + "\r\n9\r\n");
    h.start();
    for (QChar c : typed) {
        if (c == u'\b')
            QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
        else
            h.type(c);
    }
    QCOMPARE(h.fakes.dialogs.prompts().size(), finished ? 1 : 0);
    QTEST(h.indicator() == IndicatorGreen, "green");
    // Emptying the box is no attempt at the word either.
    h.ui->Command1->click();
    QCOMPARE(h.fakes.dialogs.prompts().size(), finished ? 1 : 0);
}

void TestDesktopRules::inputMethodLetterCountsAFix_data() {
    QTest::addColumn<QString>("preedit");
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QString>("fixes");
    QTest::newRow("dead key, then the letter it makes") << QString() << QString::fromUtf8("é") << QString("1");
    QTest::newRow("dead key still pending") << QString::fromUtf8("´") << QString() << QString("0");
}

void TestDesktopRules::inputMethodLetterCountsAFix() {
    QFETCH(QString, preedit);
    QFETCH(QString, committed);
    Form1Harness h;
    h.start();
    QTest::keyClick(h.ui->Text1, Qt::Key_X);
    QTest::keyClick(h.ui->Text1, Qt::Key_Backspace);
    QInputMethodEvent event(preedit, {});
    event.setCommitString(committed);
    QApplication::sendEvent(h.ui->Text1, &event);
    QTEST(h.ui->Label18->text(), "fixes");
}

// No locale leaves a trace of the time zone it names, or of the brackets,
// comma or blank around it; and half a second past midnight is midnight.
void TestDesktopRules::recordDateInEveryLocale() {
    static const QRegularExpression remnant(QStringLiteral(R"(\(\s*\)|\[\s*\]|^\s|[\s,]$|\s\s|UTC)"));
    const QDate day(2026, 12, 7);
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QString date = locale.toString(day, QLocale::ShortFormat);
        const QString text = generalDateTimeText(QDateTime(day, QTime(18, 22, 5), Qt::UTC), locale);
        QVERIFY2(text.startsWith(date + ' ') && text.size() > date.size() + 1 && !text.contains(remnant),
                 qPrintable(locale.name() + ": " + text));
        QCOMPARE(generalDateTimeText(QDateTime(day, QTime(0, 0, 0, 500)), locale), date);
    }
    // Qt prints the day-period letter B of some locales as it is.
    QCOMPARE(generalDateTimeText(QDateTime(day, QTime(18, 22, 5)), QLocale("zh_TW")),
             QString::fromUtf8("2026/12/7 下午6:22:05"));
}

void TestDesktopRules::everyWindowHasTheIcon() {
    QCOMPARE(QImage(":/icons/tapmeter-32.png").size(), QSize(32, 32));
    Form1Harness h;
    h.openWindow();
    h.form->mnuAbout_Click();
    for (const QWidget* window : QWidgetList{h.form.get(), h.form->aboutWindow(), h.form->updateWindow()})
        QCOMPARE(window->windowIcon().pixmap(32).size(), QSize(32, 32));
}

void TestDesktopRules::escapeLeavesTheWindow_data() {
    QTest::addColumn<bool>("about");
    QTest::addColumn<QString>("focus");
    QTest::newRow("About, in its text") << true << "Text1";
    QTest::newRow("Update Results, in a record box") << false << "Text3";
    QTest::newRow("Update Results, on a list") << false << "ImageCombo1";
}

void TestDesktopRules::escapeLeavesTheWindow() {
    QFETCH(bool, about);
    QFETCH(QString, focus);
    Form1Harness h;
    h.start();
    h.form->show();
    if (about)
        h.form->mnuAbout_Click();
    else
        h.openWindow();
    const QPointer<QWidget> window = about ? static_cast<QWidget*>(h.form->aboutWindow()) : h.window.data();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget* box = window->findChild<QWidget*>(focus);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Escape);
    QTRY_VERIFY(window.isNull());
    QVERIFY(h.form->isEnabled());
}

void TestDesktopRules::pickingTheShownEntryShowsItsRecordAgain_data() {
    QTest::addColumn<int>("list");
    QTest::newRow("Source 1") << 1;
    QTest::newRow("Source 2") << 2;
}

void TestDesktopRules::pickingTheShownEntryShowsItsRecordAgain() {
    QFETCH(int, list);
    Form1Harness h;
    h.openRecords("house 4.3 D1 N1", "garden 5 D2 N2");
    QComboBox* combo = list == 1 ? h.w->ImageCombo1 : h.w->ImageCombo2;
    QLineEdit* time = list == 1 ? h.w->Text3 : h.w->Text6;
    const QString shown = time->text();
    time->setText("typed over");
    emit combo->activated(combo->currentIndex());
    QCOMPARE(time->text(), shown);
}

void TestDesktopRules::wildcardsInSourcePathsAreLetters() {
    Form1Harness h(Files::Real);
    const QString friendPath = h.root.filePath("friend?.dat");
    const QString minePath = h.root.filePath("mine*.dat");
    QVERIFY(writeFile(friendPath, crlf(resultLines("house 4.3"))) &&
            writeFile(minePath, crlf(resultLines("garden 5"))));
    h.start();
    h.openSources(friendPath, minePath);
    QCOMPARE(entries(h.w->ImageCombo1) + entries(h.w->ImageCombo2), (QStringList{"house", "garden"}));
}

// A named pipe would hold the window until someone writes to it.
void TestDesktopRules::aboutReadsOnlyRegularFiles() {
    Form1Harness h(Files::Real);
    QVERIFY(mkfifo("pipe", 0600) == 0 && mkfifo("whatsnew.txt", 0600) == 0);
    QVERIFY(QFile::link("pipe", "information.txt"));
    Form2 about(h.services);
    for (const char* box : {"Text1", "Text2"})
        QCOMPARE(about.findChild<QPlainTextEdit*>(box)->toPlainText(), "");
}

QTEST_MAIN(TestDesktopRules)
#include "test_desktoprules.moc"
