#include "tests/harness.h"
#include "progress/history.h"
#include "progress/progressfigures.h"
#include "platform/qtappendfiles.h"
#include "platform/windowstyle.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCategoryAxis>
#include <QChartView>
#include <QClipboard>
#include <QLineSeries>
#include <QListWidget>
#include <QTableView>
#include <QRegularExpression>
#include <QTest>
#include <QToolTip>

// Every finished word is kept in history.csv, which reads back whatever a
// crash or a newer version left in it, and the Progress window sums it up.
class TestProgress : public QObject {
    Q_OBJECT

private slots:
    void historyWritesAndReadsBack_data();
    void historyWritesAndReadsBack();
    void figuresRankWordsAndCountMistakes();
    void windowShowsEachWordsFigures();
    void finishedWordsAreKeptAndAFailureIsToldOnce();
    void chartNamesTheTimesAndKeepsAttemptsApart_data();
    void chartNamesTheTimesAndKeepsAttemptsApart();
    void followsTheFinishedWordUntilTheTypistChooses();
    void longWordsAreShownShortened();
    void longPracticeIsDrawnInRuns();
    void opensBesideTheMainWindow_data();
    void opensBesideTheMainWindow();
    void mistakesAreNotedAndPracticeGoesToTheNeediestWord();
    void keyboardWorksTheWindow();
    void totalsCountFromLocalMidnight();
};

namespace {
const QDateTime Noon(QDate(2026, 12, 5), QTime(12, 0), Qt::OffsetFromUTC, 3600);

Attempt attempt(const QString& word, const QString& seconds, const QDateTime& when = Noon,
                qint32 milliseconds = Attempt::NoMilliseconds, const QList<Mistake>& mistakes = {}) {
    return {when, word, seconds, seconds.toDouble(), 5, 1, false, milliseconds, true, mistakes};
}

// word, seconds, letters, fixes, record, then the milliseconds and the
// mistakes where the line kept them.
QStringList summaries(const QList<Attempt>& attempts) {
    QStringList texts;
    for (const Attempt& a : attempts) {
        texts << QStringLiteral("%1 %2 %3 %4 %5").arg(a.word, a.seconds).arg(a.letters).arg(a.fixes).arg(a.record) +
                     (a.milliseconds != Attempt::NoMilliseconds ? QStringLiteral(" %1ms").arg(a.milliseconds) : "") +
                     (a.mistakesKept ? " [" + History::mistakesText(a.mistakes) + "]" : "");
    }
    return texts;
}

// Moves the mouse onto a point of the chart's first line, from below it.
void pointAt(QChartView* view, int point) {
    view->window()->resize(720, 620);
    QVERIFY(QTest::qWaitForWindowExposed(view->window()));
    auto* times = qobject_cast<QXYSeries*>(view->chart()->series().value(0));
    const QPoint at = view->mapFromScene(view->chart()->mapToPosition(times->at(point), times));
    QTest::mouseMove(view->viewport(), at + QPoint(0, 20));
    QTest::mouseMove(view->viewport(), at);
}

// Opens Progress from the main window's menu.
QWidget* openProgress(Form1Harness& h) {
    h.form->findChild<QAction*>("mnuProgress")->trigger();
    return shownWindow("ProgressWindow");
}
} // namespace

void TestProgress::historyWritesAndReadsBack_data() {
    QTest::addColumn<QByteArray>("before"); // null: no file yet
    QTest::addColumn<QStringList>("readBefore");
    const auto row = [](const char* name, const QByteArray& before, const QStringList& read = {}) {
        QTest::newRow(name) << before << read;
    };
    const QByteArray header = History::headerLine();
    const QByteArray cat = History::line(attempt("cat", "3.5"));
    row("new file", QByteArray());
    row("empty file", "");
    row("header only", header);
    row("comma and quotes in a word", header + History::line(attempt("a,\"b\"", "4.7")), {"a,\"b\" 4.7 5 1 0 []"});
    row("line break in a word", header + History::line(attempt("x\ny", "2")), {"x\ny 2 5 1 0 []"});
    row("torn last line", header + cat + cat.left(30), {"cat 3.5 5 1 0 []"});
    row("torn inside quotes", header + cat + "2026-12-05T12:00:00+01:00,\"a,\"\"b", {"cat 3.5 5 1 0 []"});
    row("last line whole but unended", header + cat.chopped(2), {"cat 3.5 5 1 0 []"});
    // Letters the notes or the file use themselves: blank, '>', ':', digits, comma, quote, line break.
    const QList<Mistake> odd = {{1, U',', U'"'},  {2, U' ', U'>'}, {3, U'>', U' '}, {4, U'>', U'>'},
                                {12, U':', U'1'}, {5, 0, U'>'},    {6, 0, U' '},    {7, U'\U0001F600', U'\n'}};
    row("milliseconds and mistakes", header + History::line(attempt("ab", "0.1", Noon, 43, odd)),
        {"ab 0.1 5 1 0 43ms [1:,>\" 2: >> 3:>>  4:>>> 12::>1 5:>> 6:>  7:\U0001F600>\n]"});
    row("six-column lines of earlier files",
        "date,word,seconds,letters,fixes,record\r\n2026-12-01T08:00:00+01:00,cat,0,3,0,1\r\n"
        "2026-12-01T08:00:01+01:00,cat,0.1,3,0,0,73,2:a>s\r\n",
        {"cat 0 3 0 1", "cat 0.1 3 0 0 73ms [2:a>s]"});
    row("milliseconds or mistakes that do not read",
        header +
            "2026-12-01T08:00:00+01:00,cat,3.5,3,0,1,-4,2:a>\r\n2026-12-01T08:00:00+01:00,cat,3.5,3,0,1,x,0:a>s\r\n"
            "2026-12-01T08:00:00+01:00,cat,3.5,3,0,1,,2:a>s \r\n2026-12-01T08:00:00+01:00,cat,3.5,3,0,1,1e3,2:as\r\n",
        QStringList(4, "cat 3.5 3 0 1"));
    row("newer version's extra columns, LF line ends",
        "date,word,seconds,letters,fixes,record,milliseconds,mistakes,wpm\n"
        "2026-12-01T08:00:00+01:00,cat,3.5,3,0,1,3512,,40\n",
        {"cat 3.5 3 0 1 3512ms []"});
    row("a date without its offset, of local time", header + "2026-12-01T08:00:00,cat,3.5,3,0,1\r\n",
        {"cat 3.5 3 0 1"});
    row("lines that do not read",
        header + "2026-12-01T08:00:00,cat,3.5,3,0,2\r\nyesterday,cat,3.5,3,0,1\r\n2026-12-01T08:00:00,cat,x,3,0,1\r\n"
                 "2026-12-01T08:00:00,cat,-1,3,0,1\r\n2026-12-01T08:00:00,cat,3.5,-3,0,1\r\n"
                 "2026-12-01T08:00:00,cat,3.5,3,0\r\n");
}

// What the file held reads back; one more attempt appended through the
// program's file service then reads back after it, below a single header.
void TestProgress::historyWritesAndReadsBack() {
    QFETCH(QByteArray, before);
    QFETCH(QStringList, readBefore);
    QCOMPARE(summaries(History::read(before)), readBefore);

    QTemporaryDir folder;
    const QString path = folder.filePath(History::FileName);
    QVERIFY(before.isNull() || writeFile(path, before));
    QtAppendFiles files;
    QString error;
    QVERIFY(files.append(path, History::headerLine(), History::line(attempt(QStringLiteral("house"), "5")), &error));
    QByteArray after;
    QVERIFY(files.read(path, &after, &error));
    QCOMPARE(summaries(History::read(after)), readBefore << QStringLiteral("house 5 5 1 0 []"));
    QCOMPARE(after.count("date,word,seconds,letters,fixes,record"), 1);
    QVERIFY(!before.isEmpty() || after.startsWith("date,word,seconds,letters,fixes,record,milliseconds,mistakes\r\n"));
}

// The word that needs practice most leads: slowness against the word's own
// best and wrong beginnings per attempt count alike, both over the last 10
// attempts, of equals the less practised first. The change compares the last
// 10 with the 10 before them, not with all earlier ones.
void TestProgress::figuresRankWordsAndCountMistakes() {
    QList<Attempt> history;
    const auto add = [&history](const char* word, int count, qint32 milliseconds, const QList<Mistake>& mistakes = {},
                                const QString& seconds = "9.9") {
        for (int i = 0; i < count; ++i)
            history << attempt(word, seconds, Noon.addSecs(history.size()), milliseconds, mistakes);
    };
    add("typo", 3, 1000, {{2, U'y', U't'}, {3, U'p', U'o'}});
    add("typo", 1, 1000, {{3, U'p', U'i'}, {5, 0, U's'}});
    Attempt unkept = attempt("typo", "1", Noon.addSecs(-1), 1000, {});
    unkept.mistakesKept = false;
    history << unkept;
    add("steady", 12, 1000);
    add("long", 5, 9000, {{1, U'l', U'k'}});
    add("long", 10, 3000);
    add("long", 10, 2000);
    add("slow", 1, 500);
    add("slow", 10, 1000);
    add("tie", 1, 12345, {{1, U't', U'r'}});
    add("short", 1, Attempt::NoMilliseconds, {}, "0");
    add("short", 1, Attempt::NoMilliseconds, {}, "0.1");

    const QList<WordProgress> words = progressByWord(history);
    QStringList ranked; // word, need, change, best
    for (qsizetype index : byNeed(words)) {
        const WordProgress& w = words[index];
        ranked << QStringLiteral("%1 %2 %3 %4")
                      .arg(w.word, QString::number(w.need, 'f', 2),
                           w.change ? QString::number(*w.change, 'f', 2) : QStringLiteral("-"), timeText(w.best));
    }
    QCOMPARE(ranked, (QStringList{"typo 2.00 - 1.00", "tie 1.00 - 12.3", "slow 1.00 0.50 0.50", "short 0.50 - 0",
                                  "steady 0.00 0.00 1.00", "long 0.00 -1.00 2.00"}));
    const auto counted = [](const QList<MistakeCount>& counts) {
        QStringList texts;
        for (const MistakeCount& count : counts)
            texts << History::mistakesText({count.mistake}) + QStringLiteral("x%1").arg(count.times);
        return texts.join(' ');
    };
    QCOMPARE(counted(mistakesByPosition(words.first())), "3:p>x4 2:y>x3 5:>x1");
    QCOMPARE(counted(lettersMissedMost(history)), "0:l>kx5 0:p>ox3 0:y>tx3 0:>sx1 0:p>ix1 0:t>rx1");
}

// alpha is faster of late, beta has one attempt and no change yet, delta is
// slower and listed out of order.
void TestProgress::windowShowsEachWordsFigures() {
    Form1Harness h;
    QByteArray history = History::headerLine();
    const QDateTime now(QDate(2026, 12, 5), QTime(18, 0)); // a Saturday
    for (int i = 0; i < 10; ++i)
        history += History::line(attempt("alpha", i % 2 ? "5" : "4", now.addDays(-20 + i)));
    history += History::line(attempt("alpha", "6", now.addDays(-30))).repeated(2);
    history += History::line(attempt("beta, gamma", "3.2", now.addDays(-4), 3217));
    for (int i = 0; i < 10; ++i)
        history += History::line(
            attempt("delta", i < 5 ? "2" : "4", now.addSecs(-i * 60), i ? Attempt::NoMilliseconds : 1987));
    history += History::line(attempt("delta", "2", now.addDays(-11)));
    h.fakes.appendFiles.files.insert(History::FileName, history);
    h.fakes.clock.dateTime = now;
    h.start({":::delta", "2.5", "na", "na", ":::alpha", "-", "na", "na"});

    QWidget* window = openProgress(h);
    QVERIFY(window);
    const QAbstractItemModel* table = window->findChild<QTableView*>("tblWords")->model();
    QStringList shown; // word, attempts, best, average of the last 10, change
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column)
            shown << table->index(row, column).data().toString();
    }
    QCOMPARE(shown, (QStringList{"alpha", "12", "4", "4.50", "1.50 s faster", "2", "beta, gamma", "1", "3.22", "3.22",
                                 "", "3", "delta", "11", "1.99", "3.00", "1.00 s slower", "1"}));
    QCOMPARE(window->findChild<QLabel*>("lblTotals")->text(), "Attempts today: 10    This week: 11    All time: 24");
    // Where weeks start on Sunday, last Sunday is this week's; a clock put back makes attempts of tomorrow.
    // Days start at local midnight (the test runs in a zone far from UTC).
    const AttemptTotals totals = attemptTotals({attempt("x", "1", now.addDays(-6)), attempt("x", "1", now.addDays(1)),
                                                attempt("x", "1", QDateTime(now.date(), QTime(0, 30))),
                                                attempt("x", "1", QDateTime(now.date().addDays(-1), QTime(23, 30)))},
                                               now.date(), Qt::Sunday);
    QCOMPARE(QList<int>({totals.today, totals.thisWeek, totals.allTime}), QList<int>({1, 3, 4}));
    // Preset to the main window's word, whose record the chart draws.
    QCOMPARE(window->findChild<QComboBox*>("cboWord")->currentText(), "delta");
    QCOMPARE(window->findChild<QListWidget*>("lstPositions")->item(0)->text(), "No wrong letters kept yet");
    const QChartView* chart = window->findChild<QChartView*>("chtAttempts");
    QVERIFY(chart->accessibleDescription().startsWith("delta: 11 attempts, from 24 Nov 2026"));
    QVERIFY(chart->accessibleDescription().endsWith("best 1.99 seconds, latest 1.99 seconds"));
    // A listed word without a record gets no record line.
    QCOMPARE(chart->chart()->series().size(), 2);
    window->findChild<QComboBox*>("cboWord")->setCurrentText("alpha");
    QCOMPARE(chart->chart()->series().size(), 1);
    window->close();
}

// An unwritable history costs one message; typing goes on, and once the file
// can be written again the next finished word is kept and shown.
void TestProgress::finishedWordsAreKeptAndAFailureIsToldOnce() {
    const QString word = QStringLiteral("\"H\u00f8\", ok");
    Form1Harness h;
    const QByteArray kept = History::headerLine() + History::line(attempt("cat", "3"));
    h.fakes.appendFiles.files.insert(History::FileName, kept);
    h.start({":::" + word, "-", "na", "na"});
    h.fakes.clock.dateTime = Noon;
    h.fakes.appendFiles.failWrites = QStringLiteral("Permission denied");
    h.type(word);
    h.type(word);

    // A history that could not be read is read again after the next word.
    h.fakes.appendFiles.failWrites.clear();
    h.fakes.appendFiles.failReads = QStringLiteral("Input/output error");
    QWidget* window = openProgress(h);
    const QLabel* totals = window->findChild<QLabel*>("lblTotals");
    QCOMPARE(totals->text(), "Could not read history.csv: Input/output error");
    h.fakes.appendFiles.failReads.clear();
    h.fakes.clock.steady = 5000;
    h.type(word.left(1));
    h.ticks(12);
    h.fakes.clock.steady = 6234;
    h.type(word.mid(1));
    QCOMPARE(h.fakes.appendFiles.files.value(History::FileName),
             kept + "2026-12-05T12:00:00+01:00,\"\"\"H\xc3\xb8\"\", ok\",1.2,8,0,0,1234,\r\n");
    QCOMPARE(h.fakes.dialogs.messages().size(), 1);
    QVERIFY(h.fakes.dialogs.messages().first().contains("history.csv: Permission denied"));
    QCOMPARE(totals->text(), "Attempts today: 2    This week: 2    All time: 2");
    window->close();
}

void TestProgress::chartNamesTheTimesAndKeepsAttemptsApart_data() {
    QTest::addColumn<int>("secondsApart");
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<qreal>>("at");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("third");
    QTest::newRow("first day") << 40 << QStringList{"12:00", "12:02", "12:04"} << QList<qreal>{0, 4, 7}
                               << "9 attempts, from 5 Dec 2026 12:00:00 to 5 Dec 2026 12:04:40"
                               << "5 Dec 2026 12:00:40: 1 s";
    QTest::newRow("days") << 86400 << QStringList{"5 Dec 2026", "6 Dec 2026", "9 Dec 2026", "12 Dec 2026"}
                          << QList<qreal>{0, 2, 5, 8} << "9 attempts, from 5 Dec 2026 12:00:00 to 12 Dec 2026 12:00:00"
                          << "6 Dec 2026 12:00:00: 1 s";
}

// Two attempts in one second and seven more: each is a point of its own, in
// the order made, and the axis names each minute or day once.
void TestProgress::chartNamesTheTimesAndKeepsAttemptsApart() {
    QFETCH(int, secondsApart);
    const QDateTime noon(QDate(2026, 12, 5), QTime(12, 0));
    QByteArray history = History::headerLine() + History::line(attempt("the", "1", noon));
    for (int i = 0; i < 8; ++i)
        history += History::line(attempt("the", i == 3 ? "0.9" : "1", noon.addSecs(qint64(i) * secondsApart)));
    Form1Harness h;
    h.fakes.appendFiles.files.insert(History::FileName, history);
    h.start(resultLines("the - na na"));
    QWidget* window = openProgress(h);
    auto* view = window->findChild<QChartView*>("chtAttempts");
    auto* axis = qobject_cast<QCategoryAxis*>(view->chart()->axes(Qt::Horizontal).value(0));
    QVERIFY(axis);
    QTEST(axis->categoriesLabels(), "labels");
    QList<qreal> at;
    for (const QString& label : axis->categoriesLabels())
        at << axis->endValue(label);
    QTEST(at, "at");
    QFETCH(QString, told);
    QCOMPARE(view->accessibleDescription(), "the: " + told + ", best 0.9 seconds, latest 1 seconds");
    auto* times = qobject_cast<QLineSeries*>(view->chart()->series().value(0));
    QList<qreal> across;
    for (const QPointF& point : times->points())
        across << view->chart()->mapToPosition(point).x();
    QCOMPARE(across.size(), 9);
    QVERIFY(std::adjacent_find(across.begin(), across.end(), std::greater_equal<qreal>()) == across.end());
    // The tooltip of the third point tells its moment.
    pointAt(view, 2);
    QFETCH(QString, third);
    QTRY_COMPARE(QToolTip::text(), third);
    window->close();
}

// A finished word adds itself to the open window, which does not read the
// file again, and shows it, until the typist picks another word there; the
// menu brings the main window's word back.
void TestProgress::followsTheFinishedWordUntilTheTypistChooses() {
    Form1Harness h;
    h.fakes.appendFiles.files.insert(History::FileName, History::headerLine() + History::line(attempt("two", "3")));
    h.fakes.clock.dateTime = Noon;
    h.start(resultLines("one - na na;two - na na"));
    QWidget* window = openProgress(h);
    auto* chooser = window->findChild<QComboBox*>("cboWord");
    const QAbstractItemModel* table = window->findChild<QTableView*>("tblWords")->model();
    // Each word's attempts and practice rank, in the table's order.
    const auto rows = [table] {
        QString shown;
        for (int row = 0; row < table->rowCount(); ++row)
            shown += QStringLiteral("%1 %2 #%3 ")
                         .arg(table->index(row, 0).data().toString(), table->index(row, 1).data().toString(),
                              table->index(row, 5).data().toString());
        return shown.trimmed();
    };
    const auto typeOneWithAMistake = [&h] {
        h.type("ox");
        h.ui->Text1->setText("o");
        h.type("ne");
    };
    QCOMPARE(chooser->currentText(), "two");
    h.fakes.appendFiles.files[History::FileName] += History::line(attempt("one", "3")).repeated(5);
    typeOneWithAMistake();
    QCOMPARE(chooser->currentText(), "one");
    QCOMPARE(rows(), "one 1 #1 two 1 #2");
    QCOMPARE(window->findChild<QLabel*>("lblTotals")->text(), "Attempts today: 2    This week: 2    All time: 2");

    chooser->setFocus();
    QTest::keyClick(chooser, Qt::Key_Down);
    typeOneWithAMistake();
    QCOMPARE(chooser->currentText(), "two");
    QCOMPARE(window->findChild<QListWidget*>("lstLetters")->item(0)->text(), "n typed as x: 2 times");
    QCOMPARE(openProgress(h), window);
    QCOMPARE(chooser->currentText(), "one");
    QTest::keyClick(h.ui->Combo1, Qt::Key_Down);
    h.type("two");
    QCOMPARE(window->findChild<QChartView*>("chtAttempts")->accessibleDescription().section(',', 0, 0),
             "two: 2 attempts");
    // Moving through the table is choosing too.
    auto* view = window->findChild<QTableView*>("tblWords");
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Home);
    h.type("two");
    QCOMPARE(chooser->currentText(), "one");
    QCOMPARE(rows(), "one 2 #2 two 3 #1");
    window->close();
}

// A word of 20,000 letters neither widens the window nor the chooser: it is
// shortened where it is shown and whole where it is told.
void TestProgress::longWordsAreShownShortened() {
    // An accent at the cut goes with its letter.
    const QString word = "<b>" + QString(28, u'w') + "e\u0301" + QString(20'000, u'w');
    const QString shown = "<b>" + QString(28, u'w') + u'\u2026';
    Form1Harness h;
    h.fakes.appendFiles.files.insert(History::FileName, History::headerLine() + History::line(attempt(word, "3")));
    h.start(resultLines("cat - na na"));
    QWidget* window = openProgress(h);
    auto* chooser = window->findChild<QComboBox*>("cboWord");
    const QAbstractItemModel* table = window->findChild<QTableView*>("tblWords")->model();
    const QModelIndex cell = table->index(0, 0);
    QCOMPARE(QStringList({chooser->currentText(), cell.data().toString(),
                          window->findChild<QChartView*>("chtAttempts")->chart()->title()}),
             QStringList({shown, shown, shown.toHtmlEscaped()}));
    for (const QVariant& whole : {chooser->itemData(0, Qt::ToolTipRole), chooser->itemData(0, Qt::AccessibleTextRole),
                                  cell.data(Qt::ToolTipRole), cell.data(Qt::AccessibleTextRole)})
        QCOMPARE(whole.toString(), word);
    QVERIFY(window->sizeHint().width() < 1000);
    window->close();
}

// 2,500 attempts are drawn as 834 averages of three in a row.
void TestProgress::longPracticeIsDrawnInRuns() {
    const QDateTime noon(QDate(2026, 12, 5), QTime(12, 0));
    QByteArray history = History::headerLine();
    for (int i = 0; i < 2500; ++i)
        history += History::line(attempt("the", i % 2 ? "2" : "1", noon.addSecs(i * 60)));
    Form1Harness h;
    h.fakes.appendFiles.files.insert(History::FileName, history);
    h.start(resultLines("the - na na"));
    QWidget* window = openProgress(h);
    auto* view = window->findChild<QChartView*>("chtAttempts");
    auto* times = qobject_cast<QLineSeries*>(view->chart()->series().value(0));
    QCOMPARE(times->name() + ' ' + QString::number(times->count()), "Average time of each 3 attempts in a row 834");
    QCOMPARE(times->at(0), QPointF(1, 4 / 3.0));
    pointAt(view, 0);
    QTRY_COMPARE(QToolTip::text(), "5 Dec 2026 12:00:00 to 5 Dec 2026 12:02:00: 1.33 s on average");
    window->close();
}

void TestProgress::opensBesideTheMainWindow_data() {
    QTest::addColumn<QRect>("mainFrame");
    QTest::addColumn<QRect>("placed");
    const QRect middle(375, 366, 529, 292);
    QTest::newRow("right, made narrower") << middle << QRect(904, 366, 376, 620);
    QTest::newRow("left") << middle.translated(370, 0) << QRect(25, 366, 720, 620);
    QTest::newRow("below") << QRect(0, 0, 1280, 300) << QRect(0, 300, 720, 620);
    QTest::newRow("over the least of it") << QRect(300, 366, 800, 292) << QRect(0, 366, 331, 620);
}

// The Progress window of 720 by 620 with its frame, usable down to 331 by
// 454, on a screen of 1280 by 1024.
void TestProgress::opensBesideTheMainWindow() {
    QFETCH(QRect, mainFrame);
    QTEST(besideWindow(mainFrame, QSize(720, 620), QSize(331, 454), QRect(0, 0, 1280, 1024)), "placed");
}

// Each time the typed text turns wrong its first wrong letter is noted once,
// and the finished word is kept with its exact time. In Progress, Enter on a
// row and "Practise" choose a word in the main window; with the tick box
// ticked each finished word leads on to the word that needs practice most,
// not ticked nothing moves.
void TestProgress::mistakesAreNotedAndPracticeGoesToTheNeediestWord() {
    Form1Harness h;
    const QDateTime earlier(QDate(2026, 12, 4), QTime(9, 0));
    h.fakes.appendFiles.files.insert(
        History::FileName,
        History::headerLine() + History::line(attempt("eel", "0.5", earlier, 500, {{2, U'e', U'w'}, {4, 0, U'z'}})) +
            History::line(attempt("eel", "1", earlier.addSecs(1), 1000, {{2, U'e', U'w'}})) +
            History::line(attempt("dog", "1", earlier, 1000)) + History::line(attempt("gone", "0.1", earlier, 100)) +
            History::line(attempt("gone", "2", earlier.addSecs(1), 2000)));
    h.start({":::cat", "-", "na", "na", ":::dog", "9", "na", "na", ":::eel", "-", "na", "na"});
    h.form->show();
    QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
    // A key every 0.4 s on the steady clock.
    const auto keys = [&h](const QString& text) {
        for (QChar key : text) {
            h.fakes.clock.steady += 400;
            key == '\b' ? QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace)
                        : QTest::keyClicks(QApplication::focusWidget(), key);
        }
    };
    keys("cxz\b\bar\bt");
    QVERIFY(h.fakes.appendFiles.files.value(History::FileName)
                .endsWith("2026-12-05T18:22:05-03:30,cat,0,9,2,1,3200,2:a>x 3:t>r\r\n"));
    // The focus leaves the typing box; choosing a word to practise puts it back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

    QWidget* window = openProgress(h);
    QCOMPARE(entries(window->findChild<QComboBox*>("cboWord")), QStringList({"cat", "dog", "eel", "gone"}));
    QStringList lists;
    for (const char* name : {"lstPositions", "lstLetters"}) {
        const auto* list = window->findChild<QListWidget*>(name);
        QVERIFY(!list->accessibleName().isEmpty());
        for (int row = 0; row < list->count(); ++row)
            lists << list->item(row)->text();
    }
    QCOMPARE(lists, (QStringList{"Letter 2 (a): 1 time", "Letter 3 (t): 1 time", "e typed as w: 2 times",
                                 "z typed past the end: 1 time", "a typed as x: 1 time", "t typed as r: 1 time"}));

    auto* table = window->findChild<QTableView*>("tblWords");
    table->setFocus();
    for (Qt::Key key : {Qt::Key_Home, Qt::Key_Down, Qt::Key_Return})
        QTest::keyClick(table, key);
    QCOMPARE(h.ui->Combo1->currentText(), "dog");
    QTRY_COMPARE(QApplication::focusWidget(), h.ui->Text1);
    keys("dog");
    QCOMPARE(h.ui->Combo1->currentText(), "dog");
    QVERIFY(h.fakes.appendFiles.files.value(History::FileName).endsWith(",dog,0,3,0,1,800,\r\n"));

    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    // A word no longer in the list is told, not chosen.
    QTest::keyClick(table, Qt::Key_End, Qt::ControlModifier);
    window->findChild<QPushButton*>("cmdPractise")->click();
    QVERIFY(h.fakes.dialogs.messages().last().startsWith("\"gone\" is no longer in the word list."));
    QCOMPARE(h.ui->Combo1->currentText(), "dog");
    QTest::keyClick(table, Qt::Key_Up);
    window->findChild<QPushButton*>("cmdPractise")->click();
    QCOMPARE(h.ui->Combo1->currentText(), "eel");
    window->findChild<QCheckBox*>("chkPractise")->click();
    QCOMPARE(h.setting("PractiseNeediestWord"), "1");
    // Of the listed words cat needs practice most: two wrong letters in its only attempt.
    QTRY_COMPARE(QApplication::focusWidget(), h.ui->Text1);
    // A text longer than the word notes the extra letter.
    QGuiApplication::clipboard()->setText("eels");
    QTest::keyClick(h.ui->Text1, Qt::Key_V, Qt::ControlModifier);
    keys("\b");
    QVERIFY(h.fakes.appendFiles.files.value(History::FileName).endsWith(",400,4:>s\r\n"));
    QCOMPARE(h.ui->Combo1->currentText(), "cat");
    window->close();
    QVERIFY(openProgress(h)->findChild<QCheckBox*>("chkPractise")->isChecked());
}

// Arrows in the table and in the word list switch the chart, the table's menu
// (Shift+F10) sorts it, a finished word leaves the chart on its word, and Back
// leaves.
void TestProgress::keyboardWorksTheWindow() {
    Form1Harness h;
    QByteArray history = History::headerLine();
    for (const char* word : {"bb", "cc", "aa", "bb", "cc", "bb"})
        history += History::line(attempt(word, "3"));
    h.fakes.appendFiles.files.insert(History::FileName, history);
    h.start({":::cc", "-", "na", "na"});
    h.ui->mnuProgress->trigger();
    QWidget* window = shownWindow("ProgressWindow");
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto* table = window->findChild<QTableView*>("tblWords");
    const auto charted = [window] {
        return window->findChild<QChartView*>()->accessibleDescription().section(':', 0, 0);
    };
    QCOMPARE(charted(), "cc");
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Home);
    QCOMPARE(charted(), "aa");
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(charted(), "bb");
    QStringList menu;
    QTimer::singleShot(0, [&menu] {
        QWidget* popup = QApplication::activePopupWidget();
        for (const QAction* action : popup->actions())
            menu << action->text();
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Down);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    QTest::keyClick(table, Qt::Key_F10, Qt::ShiftModifier);
    QCOMPARE(menu.first(), "Sort by Word");
    QCOMPARE(menu.size(), table->model()->columnCount());
    QStringList order;
    for (int row = 0; row < table->model()->rowCount(); ++row)
        order << table->model()->index(row, 0).data().toString();
    QCOMPARE(order, (QStringList{"aa", "cc", "bb"}));
    QTest::keyClick(window->findChild<QComboBox*>("cboWord"), Qt::Key_Down);
    QCOMPARE(charted(), "cc");
    h.type("cc");
    QCOMPARE(charted(), "cc");
    // The first time of a word without a record is its record.
    const QString kept = QString::fromUtf8(h.fakes.appendFiles.files.value(History::FileName));
    QVERIFY(kept.contains(QRegularExpression(",cc,[0-9.]+,2,0,1,[0-9]*,\r\n$")));
    window->findChild<QPushButton*>("cmdBack")->click();
    QVERIFY(!shownWindow("ProgressWindow"));
}

// Here a day starts three and a half hours after UTC's: a day or a week
// counted from midnight UTC takes in attempts of the day before.
void TestProgress::totalsCountFromLocalMidnight() {
    Form1Harness h;
    QByteArray history = History::headerLine();
    for (const QDateTime& when :
         {QDateTime(QDate(2026, 11, 29), QTime(23, 0)), QDateTime(QDate(2026, 12, 4), QTime(23, 50)),
          QDateTime(QDate(2026, 12, 5), QTime(12, 0))})
        history += History::line(attempt("cat", "3", when));
    h.fakes.appendFiles.files.insert(History::FileName, history);
    h.fakes.clock.dateTime = QDateTime(QDate(2026, 12, 5), QTime(22, 0));
    h.start();
    h.ui->mnuProgress->trigger();
    QCOMPARE(shownWindow("ProgressWindow")->findChild<QLabel*>("lblTotals")->text(),
             "Attempts today: 1    This week: 2    All time: 3");
}

QTEST_MAIN(TestProgress)
#include "test_progress.moc"
