#include "tests/harness.h"
#include "progress/history.h"
#include "progress/progressfigures.h"
#include "platform/qtappendfiles.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QChartView>
#include <QTableView>
#include <QTest>

// Every finished word is kept in history.csv, which reads back whatever a
// crash or a newer version left in it, and the Progress window sums it up.
class TestProgress : public QObject {
    Q_OBJECT

private slots:
    void historyWritesAndReadsBack_data();
    void historyWritesAndReadsBack();
    void windowShowsEachWordsFigures();
    void finishedWordsAreKeptAndAFailureIsToldOnce();
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
    QCOMPARE(chart->accessibleDescription(), "delta: 11 attempts, best 2 seconds, latest 2 seconds");
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
}

QTEST_MAIN(TestProgress)
#include "test_progress.moc"
