#include "tests/harness.h"
#include "progress/history.h"
#include "progress/progressfigures.h"
#include "platform/qtappendfiles.h"
#include "platform/windowstyle.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QCategoryAxis>
#include <QChartView>
#include <QLineSeries>
#include <QTableView>
#include <QTest>
#include <QToolTip>

// Every finished word is kept in history.csv, which reads back whatever a
// crash or a newer version left in it, and the Progress window sums it up.
class TestProgress : public QObject {
    Q_OBJECT

private slots:
    void historyWritesAndReadsBack_data();
    void historyWritesAndReadsBack();
    void windowShowsEachWordsFigures();
    void finishedWordsAreKeptAndAFailureIsToldOnce();
    void chartNamesTheTimesAndKeepsAttemptsApart_data();
    void chartNamesTheTimesAndKeepsAttemptsApart();
    void followsTheFinishedWordUntilTheTypistChooses();
    void longWordsAreShownShortened();
    void opensBesideTheMainWindow_data();
    void opensBesideTheMainWindow();
};

namespace {
const QDateTime Noon(QDate(2026, 12, 5), QTime(12, 0), Qt::OffsetFromUTC, 3600);

Attempt attempt(const QString& word, const QString& seconds, const QDateTime& when = Noon) {
    return {when, word, seconds, seconds.toDouble(), 5, 1, false};
}

QStringList summaries(const QList<Attempt>& attempts) {
    QStringList texts;
    for (const Attempt& a : attempts)
        texts << QStringLiteral("%1 %2 %3 %4 %5").arg(a.word, a.seconds).arg(a.letters).arg(a.fixes).arg(a.record);
    return texts;
}

// Opens Progress from the main window's menu.
QWidget* openProgress(Form1Harness& h) {
    h.form->findChild<QAction*>("mnuProgress")->trigger();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String("ProgressWindow"))
            return window;
    }
    return nullptr;
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
    row("comma and quotes in a word", header + History::line(attempt("a,\"b\"", "4.7")), {"a,\"b\" 4.7 5 1 0"});
    row("line break in a word", header + History::line(attempt("x\ny", "2")), {"x\ny 2 5 1 0"});
    row("torn last line", header + cat + cat.left(30), {"cat 3.5 5 1 0"});
    row("torn inside quotes", header + cat + "2026-12-05T12:00:00+01:00,\"a,\"\"b", {"cat 3.5 5 1 0"});
    row("last line whole but unended", header + cat.chopped(2), {"cat 3.5 5 1 0"});
    row("newer version's extra columns, LF line ends",
        "date,word,seconds,letters,fixes,record,wpm\n2026-12-01T08:00:00+01:00,cat,3.5,3,0,1,40\n", {"cat 3.5 3 0 1"});
    row("lines that do not read",
        header + "2026-12-01T08:00:00,cat,3.5,3,0,2\r\nyesterday,cat,3.5,3,0,1\r\n2026-12-01T08:00:00,cat,x,3,0,1\r\n"
                 "2026-12-01T08:00:00,cat,-1,3,0,1\r\n2026-12-01T08:00:00,cat,3.5,3,0\r\n");
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
    QCOMPARE(summaries(History::read(after)), readBefore << QStringLiteral("house 5 5 1 0"));
    QCOMPARE(after.count("date,word,seconds,letters,fixes,record"), 1);
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
    history += History::line(attempt("beta, gamma", "3.2", now.addDays(-4)));
    for (int i = 0; i < 10; ++i)
        history += History::line(attempt("delta", i < 5 ? "2" : "4", now.addSecs(-i * 60)));
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
    QCOMPARE(shown, (QStringList{"alpha", "12", "4", "4.50", "1.50 s faster", "beta, gamma", "1", "3.2", "3.20", "",
                                 "delta", "11", "2", "3.00", "1.00 s slower"}));
    QCOMPARE(window->findChild<QLabel*>("lblTotals")->text(), "Attempts today: 10    This week: 11    All time: 24");
    // Where weeks start on Sunday, last Sunday is this week's; a clock put back makes attempts of tomorrow.
    const AttemptTotals totals =
        attemptTotals({attempt("x", "1", now.addDays(-6)), attempt("x", "1", now.addDays(1))}, now.date(), Qt::Sunday);
    QCOMPARE(QList<int>({totals.today, totals.thisWeek, totals.allTime}), QList<int>({0, 1, 2}));
    // Preset to the main window's word, whose record the chart draws.
    QCOMPARE(window->findChild<QComboBox*>("cboWord")->currentText(), "delta");
    const QChartView* chart = window->findChild<QChartView*>("chtAttempts");
    QVERIFY(chart->accessibleDescription().startsWith("delta: 11 attempts, from 24 Nov 2026"));
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
    h.start({":::" + word, "-", "na", "na"});
    h.fakes.clock.dateTime = Noon;
    h.fakes.appendFiles.failWrites = QStringLiteral("Permission denied");
    h.type(word);
    h.type(word);

    h.fakes.appendFiles.failWrites.clear();
    QWidget* window = openProgress(h);
    h.ticks(12);
    h.type(word);
    QCOMPARE(h.fakes.appendFiles.files.value(History::FileName),
             History::headerLine() + "2026-12-05T12:00:00+01:00,\"\"\"H\xc3\xb8\"\", ok\",1.2,8,0,0\r\n");
    QCOMPARE(h.fakes.dialogs.messages().size(), 1);
    QVERIFY(h.fakes.dialogs.messages().first().contains("history.csv: Permission denied"));
    QCOMPARE(window->findChild<QLabel*>("lblTotals")->text(), "Attempts today: 1    This week: 1    All time: 1");
    window->close();
    QString error;
    QVERIFY(!QtAppendFiles().append("/dev/full", "", "a full disk\r\n", &error) && !error.isEmpty());
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
    window->resize(720, 620);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QPoint second = view->mapFromScene(view->chart()->mapToPosition(times->at(2), times));
    QTest::mouseMove(view->viewport(), second + QPoint(0, 20));
    QTest::mouseMove(view->viewport(), second);
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
    const auto attemptsOf = [table](const QString& word) {
        const QModelIndexList found = table->match(table->index(0, 0), Qt::DisplayRole, word, 1, Qt::MatchExactly);
        return found.isEmpty() ? QString() : found.first().siblingAtColumn(1).data().toString();
    };
    QCOMPARE(chooser->currentText(), "two");
    h.fakes.appendFiles.files[History::FileName] += History::line(attempt("one", "3")).repeated(5);
    h.type("one");
    QCOMPARE(chooser->currentText(), "one");
    QCOMPARE(table->index(0, 0).data().toString() + attemptsOf("one") + attemptsOf("two"), "one11");
    QCOMPARE(window->findChild<QLabel*>("lblTotals")->text(), "Attempts today: 2    This week: 2    All time: 2");

    chooser->setFocus();
    QTest::keyClick(chooser, Qt::Key_Down);
    QCOMPARE(chooser->currentText(), "two");
    h.type("one");
    QCOMPARE(chooser->currentText(), "two");
    QCOMPARE(attemptsOf("one"), "2");
    QCOMPARE(openProgress(h), window);
    QCOMPARE(chooser->currentText(), "one");
    QTest::keyClick(h.ui->Combo1, Qt::Key_Down);
    h.type("two");
    QCOMPARE(window->findChild<QChartView*>("chtAttempts")->accessibleDescription().section(',', 0, 0),
             "two: 2 attempts");
    // Moving through the table is choosing too.
    auto* rows = window->findChild<QTableView*>("tblWords");
    rows->setFocus();
    QTest::keyClick(rows, Qt::Key_Home);
    h.type("two");
    QCOMPARE(chooser->currentText(), "one");
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

void TestProgress::opensBesideTheMainWindow_data() {
    QTest::addColumn<QRect>("mainFrame");
    QTest::addColumn<QRect>("placed");
    const QRect middle(375, 366, 529, 292);
    QTest::newRow("right, made narrower") << middle << QRect(904, 366, 376, 620);
    QTest::newRow("left") << middle.translated(370, 0) << QRect(25, 366, 720, 620);
    QTest::newRow("below") << QRect(0, 0, 1280, 300) << QRect(0, 300, 720, 620);
    QTest::newRow("over the least of it") << QRect(300, 366, 800, 292) << QRect(0, 366, 720, 620);
}

// The Progress window of 720 by 620 with its frame, usable down to 331 by
// 454, on a screen of 1280 by 1024.
void TestProgress::opensBesideTheMainWindow() {
    QFETCH(QRect, mainFrame);
    QTEST(besideWindow(mainFrame, QSize(720, 620), QSize(331, 454), QRect(0, 0, 1280, 1024)), "placed");
}

QTEST_MAIN(TestProgress)
#include "test_progress.moc"
