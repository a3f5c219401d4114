#include "platform/qtappendfiles.h"
#include "platform/windowstyle.h"
#include "progress/history.h"
#include "progress/progressfigures.h"
#include "tests/harness.h"

#include <QAbstractAxis>
#include <QCategoryAxis>
#include <QChartView>
#include <QClipboard>
#include <QDateTimeAxis>
#include <QGraphicsTextItem>
#include <QHeaderView>
#include <QLineSeries>
#include <QListWidget>
#include <QTableView>
#include <QToolTip>

namespace {
const QDateTime Noon(QDate(2026, 12, 5), QTime(12, 0), Qt::OffsetFromUTC, 3600);

Attempt attempt(const QString& word, const QString& seconds, const QDateTime& when = Noon,
                qint32 milliseconds = Attempt::NoMilliseconds, const QList<Mistake>& mistakes = {}) {
    return {when, word, seconds, seconds.toDouble(), 5, 1, false, milliseconds, true, mistakes};
}

// Attempts a minute apart from noon on, each written "word@milliseconds", with "*count" for several alike and
// "!wrong" for so many wrong letters in each: "cat*10@400 typo@600!1".
QList<Attempt> typed(const QString& attempts) {
    QList<Attempt> history;
    static const QRegularExpression group("(.+?)(?:\\*(\\d+))?@(\\d+)(?:!(\\d+))?");
    for (const QString& text : attempts.split(u' ', Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch found = group.match(text);
        const int milliseconds = found.captured(3).toInt();
        for (int i = 0; i < qMax(1, found.captured(2).toInt()); ++i)
            history << attempt(found.captured(1), QString::number(milliseconds / 1000.0),
                               Noon.addSecs(60 * history.size()), milliseconds,
                               QList<Mistake>(found.captured(4).toInt(), {1, U'a', U'b'}));
    }
    return history;
}

ProgressFigures figuresOf(const QList<Attempt>& history) {
    ProgressFigures figures;
    for (const Attempt& a : history)
        figures.add(a);
    figures.update();
    return figures;
}

// Each word with its need, in the order first typed.
QString needs(const ProgressFigures& figures) {
    QStringList texts;
    for (const WordProgress& word : figures.words())
        texts << word.word + ' ' + QString::number(word.need, 'f', 2);
    return texts.join(' ');
}

QByteArray historyOf(const QList<Attempt>& attempts) {
    QByteArray bytes = History::headerLine();
    for (const Attempt& a : attempts)
        bytes += History::line(a);
    return bytes;
}

// word, seconds, letters, fixes, record, then the milliseconds and the
// mistakes where the line kept them.
QStringList summaries(const QList<Attempt>& attempts) {
    QStringList texts;
    for (const Attempt& a : attempts)
        texts << QStringLiteral("%1 %2 %3 %4 %5").arg(a.word, a.seconds).arg(a.letters).arg(a.fixes).arg(a.record) +
                     (a.milliseconds != Attempt::NoMilliseconds ? QStringLiteral(" %1ms").arg(a.milliseconds) : "") +
                     (a.mistakesKept ? " [" + History::mistakesText(a.mistakes) + "]" : "");
    return texts;
}

struct ProgressControls : Controls {
    QComboBox* cboWord = find<QComboBox>("cboWord");
    QTableView* tblWords = find<QTableView>("tblWords");
    QChartView* chtAttempts = find<QChartView>("chtAttempts");
    // The table's cells of these columns, row after row.
    QString rows(const QList<int>& columns) const {
        QStringList cells;
        for (int row = 0; row < tblWords->model()->rowCount(); ++row)
            for (int column : columns)
                cells << tblWords->model()->index(row, column).data().toString();
        return cells.join(' ');
    }
};

// Opens Progress from the main window's menu, first starting the main window
// on these results and history where it has not started yet.
ProgressControls openProgress(Form1Harness& h, const QStringList& results = {}, const QList<Attempt>& history = {}) {
    if (!h.form) {
        h.fakes.appendFiles.files.insert(History::FileName, historyOf(history));
        h.start(results);
    }
    h.ui->mnuProgress->trigger();
    return {{shownWindow("ProgressWindow")}};
}
} // namespace

// Every finished word is kept in history.csv, which reads back whatever a
// crash or a newer version left in it, and the Progress window sums it up.
class TestProgress : public QObject {
    Q_OBJECT

private slots:
    void historyWritesAndReadsBack_data() {
        const Table<QByteArray, QStringList> table("before", "readBefore");
        const QByteArray header = History::headerLine();
        table.row("empty file", "", {});
        table.row("comma, quotes and a line break in a word, last line whole but unended",
                  header + History::line(attempt("a,\"b\"\nc", "4.7")).chopped(2), {"a,\"b\"\nc 4.7 5 1 0 []"});
        // Letters the notes or the file use themselves: blank, '>', ':', digits, comma, quote, line break.
        const QList<Mistake> odd = {{1, U',', U'"'},  {2, U' ', U'>'}, {3, U'>', U' '}, {4, U'>', U'>'},
                                    {12, U':', U'1'}, {5, 0, U'>'},    {6, 0, U' '},    {7, U'\U0001F600', U'\n'}};
        table.row("milliseconds and mistakes, then a line torn inside quotes",
                  header + History::line(attempt("ab", "0.1", Noon, 43, odd)) + "2026-12-05T12:00:00+01:00,\"a,\"\"b",
                  {"ab 0.1 5 1 0 43ms [1:,>\" 2: >> 3:>>  4:>>> 12::>1 5:>> 6:>  7:\U0001F600>\n]"});
        table.row("six-column lines of earlier files",
                  "date,word,seconds,letters,fixes,record\r\n2026-12-01T08:00:00+01:00,cat,0,3,0,1\r\n"
                  "2026-12-01T08:00:01+01:00,cat,0.1,3,0,0,73,2:a>s\r\n",
                  {"cat 0 3 0 1", "cat 0.1 3 0 0 73ms [2:a>s]"});
        // A date without its offset is of local time.
        table.row("newer version's extra columns, LF line ends",
                  "date,word,seconds,letters,fixes,record,milliseconds,mistakes,wpm\n"
                  "2026-12-01T08:00:00+01:00,cat,3.5,3,0,1,3512,,40\n2026-12-01T08:00:00,cat,3.5,3,0,1\n",
                  {"cat 3.5 3 0 1 3512ms []", "cat 3.5 3 0 1"});
        // Milliseconds or mistakes that do not read leave the rest of the line.
        table.row(
            "what does not read",
            header +
                "2026-12-01T08:00:00,cat,3.5,3,0,2\r\nyesterday,cat,3.5,3,0,1\r\n2026-12-01T08:00:00,cat,x,3,0,1\r\n"
                "2026-12-01T08:00:00,cat,-1,3,0,1\r\n2026-12-01T08:00:00,cat,3.5,-3,0,1\r\n"
                "2026-12-01T08:00:00,cat,3.5,3,0\r\n2026-12-01T08:00:00,cat,3.5,3,0,1,-4,2:a>\r\n"
                "2026-12-01T08:00:00,cat,3.5,3,0,1,x,0:a>s\r\n2026-12-01T08:00:00,cat,3.5,3,0,1,,2:a>s \r\n"
                "2026-12-01T08:00:00,cat,3.5,3,0,1,1e3,2:as\r\n",
            QStringList(4, "cat 3.5 3 0 1"));
    }

    // What the file held reads back; one more attempt appended through the
    // program's file service then reads back after it, below a single header.
    void historyWritesAndReadsBack() {
        QFETCH(QByteArray, before);
        QFETCH(QStringList, readBefore);
        QCOMPARE(summaries(History::read(before)), readBefore);
        // Read a byte at a time, as a file read in parts may end anywhere.
        QList<Attempt> inParts;
        History::Reader reader([&inParts](Attempt&& a) { inParts << a; });
        for (char byte : before)
            reader.read(QByteArrayView(&byte, 1));
        reader.finish();
        QCOMPARE(summaries(inParts), readBefore);
        QTemporaryDir folder;
        const QString path = folder.filePath(History::FileName);
        QVERIFY(writeFile(path, before));
        QString error;
        QVERIFY(QtAppendFiles().append(path, History::headerLine(), History::line(attempt("house", "5")), &error));
        const QByteArray after = readFile(path);
        QCOMPARE(summaries(History::read(after)), readBefore << QStringLiteral("house 5 5 1 0 []"));
        QCOMPARE(after.count("date,word,seconds,letters,fixes,record"), 1);
        QVERIFY(!before.isEmpty() ||
                after.startsWith("date,word,seconds,letters,fixes,record,milliseconds,mistakes\r\n"));
    }

    void needAndNextWord_data() {
        // Each word's need, in the order first typed, and the listed word to practise next.
        const Table<QString, QStringList, QString, QString> table("history", "listed", "needs", "next");
        table.row("slowness per letter against the good pace, plus wrong letters",
                  "cat*10@400 practice*10@1400 rhythm*10@2000 typo*10@600!1", {},
                  "cat 0.00 practice 0.00 rhythm 1.00 typo 1.00", "");
        table.row("a lucky attempt does not pin its word", QString("the@300 and@300 ").repeated(10) + "the@120",
                  {"the", "and"}, "the 0.00 and 0.00", "and");
        table.row("a slow word", "cat*10@400 practice*10@2800", {}, "cat 0.00 practice 1.00", "");
        table.row("a record lowers its word's need", "cat*10@400 practice*10@2800 practice@1400", {},
                  "cat 0.00 practice 0.90", "");
        const QStringList catNewtDog{"cat", "newt", "dog"}, easyHard{"easy", "hard"};
        table.row("a word never typed comes first", "cat*3@900!2", catNewtDog, "cat 2.00", "newt");
        table.row("then in the list's order", "cat*3@900!2 newt@600", catNewtDog, "cat 3.25 newt 0.00", "dog");
        table.row("then the neediest", "cat*3@900!2 newt@600 dog@600", catNewtDog, "cat 2.50 newt 0.00 dog 0.00",
                  "cat");
        table.row("a word going wrong comes again", "easy@600 hard*2@600!5", easyHard, "easy 0.00 hard 5.00", "hard");
        table.row("but not a fourth time in a row", "easy@600 hard*3@600!5", easyHard, "easy 0.00 hard 5.00", "easy");
        table.row("unless it is the only word listed", "easy@600 hard*3@600!5", {"hard"}, "easy 0.00 hard 5.00",
                  "hard");
    }

    // A word's need: how much slower a letter of it went of late than the
    // typist's good pace (reached by a quarter of the latest attempts over
    // all words), plus its wrong letters per attempt. A short word is not
    // behind a long one only because it takes less time. Listed words never
    // typed come first, and a word that keeps going wrong comes again, but
    // not a fourth time in a row while another word is listed.
    void needAndNextWord() {
        QFETCH(QString, history);
        QFETCH(QStringList, listed);
        const ProgressFigures figures = figuresOf(typed(history));
        QTEST(needs(figures), "needs");
        QTEST(figures.nextToPractise(listed), "next");
    }

    // The lists of wrong letters keep the ten most frequent: a letter pair
    // that comes again passes those that came once.
    void wrongLettersListedAreTheMostFrequent() {
        QList<Attempt> history;
        for (char32_t typed = U'a'; typed <= U'l'; ++typed)
            history << attempt("cat", "1", Noon, 1000, {{1, U'c', typed}});
        history << attempt("cat", "1", Noon, 1000, {{2, U'c', U'l'}});
        QStringList listed;
        const ProgressFigures figures = figuresOf(history);
        for (const MistakeCount& count : figures.lettersMissedMost())
            listed << QString::fromUcs4(&count.mistake.typed, 1) + QString::number(count.times);
        listed << "|";
        for (const MistakeCount& count : figures.find("cat")->mistakesByPosition)
            listed << QString::number(count.mistake.position) + 'x' + QString::number(count.times);
        QCOMPARE(listed.join(' '), "l2 a1 b1 c1 d1 e1 f1 g1 h1 i1 | 1x12 2x1");
    }

    // alpha is faster of late, beta has one attempt and no change yet, delta is
    // slower and listed out of order. Here a day starts three and a half hours
    // after UTC's: counted from midnight UTC, today and this week would take in
    // beta and delta's first attempt, made late on the days before.
    void windowShowsEachWordsFigures() {
        Form1Harness h;
        const QDateTime now(QDate(2026, 12, 5), QTime(22, 0)); // a Saturday
        QList<Attempt> history;
        for (int i = 0; i < 10; ++i)
            history << attempt("alpha", i % 2 ? "5" : "4", now.addDays(-20 + i));
        history << attempt("alpha", "6", now.addDays(-30)) << attempt("alpha", "6", now.addDays(-30))
                << attempt("beta, gamma", "3.2", QDateTime(QDate(2026, 12, 4), QTime(23, 50)), 3217);
        for (int i = 0; i < 10; ++i)
            history << attempt("delta", i < 5 ? "2" : "4", now.addSecs(-i * 60), i ? Attempt::NoMilliseconds : 1987);
        history << attempt("delta", "2", QDateTime(QDate(2026, 11, 29), QTime(23, 0)));
        h.fakes.clock.dateTime = now;
        const ProgressControls p = openProgress(h, resultLines("delta 2.5 na na;alpha - na na"), history);
        // word, attempts, best, average of the last 10, change, rank
        QCOMPARE(p.rows({0, 1, 2, 3, 4, 5}), "alpha 12 4 4.50  1 beta, gamma 1 3.22 3.22  2 "
                                             "delta 11 1.99 3.00  3");
        QCOMPARE(p.find<QLabel>("lblTotals")->text().replace(QChar::Nbsp, u' '),
                 "Attempts today: 10    This week: 11    All time: 24");
        // Preset to the main window's word, whose record the chart draws.
        QCOMPARE(p.cboWord->currentText(), "delta");
        QVERIFY(p.chtAttempts->accessibleDescription().startsWith("delta: 11 attempts, from 29 Nov 2026"));
        QVERIFY(p.chtAttempts->accessibleDescription().endsWith("best 1.99 seconds, latest 1.99 seconds"));
        // A listed word without a record gets no record line.
        QCOMPARE(p.chtAttempts->chart()->series().size(), 2);
        p.cboWord->setCurrentText("alpha");
        QCOMPARE(p.chtAttempts->chart()->series().size(), 1);
    }

    // Speed counts the letters after each word's first, as the clock starts
    // with the first; accuracy the letters typed that did not turn the text
    // wrong. Days are local: the attempt at 23:50 yesterday here is today in
    // UTC, and one of eight days ago is outside the last 7.
    void overallSpeedAndAccuracyByLocalDay() {
        Form1Harness h;
        const QDateTime now(QDate(2026, 12, 5), QTime(22, 0));
        h.fakes.clock.dateTime = now;
        QList<Attempt> history{attempt("cat", "0.1", QDateTime(QDate(2026, 11, 28), QTime(12, 0)), 100),
                               attempt("cat", "0.4", QDateTime(QDate(2026, 12, 4), QTime(23, 50)), 400),
                               attempt("house", "0.8", now.addSecs(-3600), 800),
                               attempt("house", "1.6", now.addSecs(-60), 1600, {{2, U'o', U'p'}})};
        for (Attempt& a : history)
            a.letters = a.word.size() + 2 * a.mistakes.size();
        const ProgressControls p = openProgress(h, resultLines("house - na na"), history);
        QCOMPARE(p.find<QLabel>("lblOverall")->text(),
                 "Today: 40 words a minute (200 letters a minute), 92 % right\n"
                 "Last 7 days: 43 words a minute (214 letters a minute), 93 % right");
        // The chooser's last entry shows all words, a point for each day.
        p.cboWord->setFocus();
        QTest::keyClick(p.cboWord, Qt::Key_End);
        QCOMPARE(p.chtAttempts->chart()->title(), "All words");
        QStringList points;
        for (QAbstractSeries* series : p.chtAttempts->chart()->series())
            for (const QPointF& point : qobject_cast<QLineSeries*>(series)->points())
                points << QDateTime::fromMSecsSinceEpoch(qint64(point.x())).date().toString("d") + ':' +
                              QString::number(point.y(), 'f', 0);
        QCOMPARE(points.join(' '), "28:240 4:60 5:40 28:100 4:100 5:92");
    }

    void chartNamesTheTimesAndKeepsAttemptsApart_data() {
        // What the chart tells, then the third point's tooltip.
        const Table<int, QString, QString> table("secondsApart", "axis", "told");
        table.row("first day", 40, "12:00 at 0, 12:02 at 4, 12:04 at 7",
                  "9 attempts, from 5 Dec 2026 12:00:00 to 5 Dec 2026 12:04:40|5 Dec 2026 12:00:40: 1 s");
        table.row("days", 86400, "5 Dec 2026 at 0, 6 Dec 2026 at 2, 9 Dec 2026 at 5, 12 Dec 2026 at 8",
                  "9 attempts, from 5 Dec 2026 12:00:00 to 12 Dec 2026 12:00:00|6 Dec 2026 12:00:00: 1 s");
    }

    // Two attempts in one second and seven more: each is a point of its own, in
    // the order made, and the axis names each minute or day once.
    void chartNamesTheTimesAndKeepsAttemptsApart() {
        QFETCH(int, secondsApart);
        const QDateTime noon(QDate(2026, 12, 5), QTime(12, 0));
        QList<Attempt> history{attempt("the", "1", noon)};
        for (int i = 0; i < 8; ++i)
            history << attempt("the", i == 3 ? "0.9" : "1", noon.addSecs(qint64(i) * secondsApart));
        Form1Harness h;
        QChartView* view = openProgress(h, resultLines("the - na na"), history).chtAttempts;
        auto* axis = qobject_cast<QCategoryAxis*>(view->chart()->axes(Qt::Horizontal).value(0));
        QStringList named;
        for (const QString& label : axis->categoriesLabels())
            named << label + " at " + QString::number(axis->endValue(label));
        QTEST(named.join(", "), "axis");
        QFETCH(QString, told);
        QCOMPARE(view->accessibleDescription(),
                 "the: " + told.section('|', 0, 0) + ", best 0.9 seconds, latest 1 seconds");
        auto* times = qobject_cast<QLineSeries*>(view->chart()->series().value(0));
        QList<qreal> across;
        for (const QPointF& point : times->points())
            across << view->chart()->mapToPosition(point).x();
        QCOMPARE(across.size(), 9);
        QVERIFY(std::adjacent_find(across.begin(), across.end(), std::greater_equal<qreal>()) == across.end());
        // The tooltip of the third point, reached from below, tells its moment.
        view->window()->resize(720, 620);
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QPoint at = view->mapFromScene(view->chart()->mapToPosition(times->at(2), times));
        QTest::mouseMove(view->viewport(), at + QPoint(0, 20));
        QTest::mouseMove(view->viewport(), at);
        QTRY_COMPARE(QToolTip::text(), told.section('|', 1));
    }

    // An unwritable history costs one message and typing goes on; a history
    // that could not be read is read again once the next word is kept. A
    // finished word adds itself to the open window, which does not read the
    // file again, and shows it, until the typist picks another word there; the
    // menu brings the main window's word back.
    void followsTheFinishedWordUntilTheTypistChooses() {
        Form1Harness h;
        h.fakes.clock.dateTime = Noon;
        h.fakes.appendFiles.failWrites = QStringLiteral("Permission denied");
        h.fakes.appendFiles.failReads = QStringLiteral("Input/output error");
        const ProgressControls p = openProgress(h, resultLines("one - na na;two - na na"), {attempt("two", "3")});
        QCOMPARE(p.find<QLabel>("lblTotals")->text(), "Could not read history.csv: Input/output error");
        h.type("oneone");
        QCOMPARE(h.fakes.dialogs.messages().join('|').count(History::ownFileName() + ": Permission denied"), 1);
        h.fakes.appendFiles.failWrites = h.fakes.appendFiles.failReads = QString();
        h.type("ox\bne");
        QCOMPARE(p.cboWord->currentText(), "one");
        // Each word's attempts and practice rank, in the table's order.
        QCOMPARE(p.rows({0, 1, 5}), "one 1 2 two 1 1");
        h.fakes.appendFiles.files[History::FileName] += History::line(attempt("one", "3")).repeated(5);

        p.cboWord->setFocus();
        QTest::keyClick(p.cboWord, Qt::Key_Down);
        h.type("ox\bne");
        QCOMPARE(p.cboWord->currentText(), "two");
        QCOMPARE(p.find<QListWidget>("lstLetters")->item(0)->text(), "n typed as x: 2 times");
        QCOMPARE(openProgress(h).cboWord->currentText(), "one");
        QTest::keyClick(h.ui->Combo1, Qt::Key_Down);
        h.type("two");
        QCOMPARE(p.chtAttempts->accessibleDescription().section(',', 0, 0), "two: 2 attempts");
        // Moving through the table is choosing too.
        p.tblWords->setFocus();
        QTest::keyClick(p.tblWords, Qt::Key_Home, Qt::ControlModifier);
        h.type("two");
        QCOMPARE(p.cboWord->currentText(), "one");
        QCOMPARE(p.rows({0, 1, 5}), "one 2 1 two 3 2");
        QCOMPARE(p.find<QLabel>("lblTotals")->text().replace(QChar::Nbsp, u' '),
                 "Attempts today: 5    This week: 5    All time: 5");
        // The table's menu (Shift+F10) sorts it, here by need, its last column; Back leaves.
        QVERIFY(QTest::qWaitForWindowActive(p.tblWords->window()));
        QStringList menu;
        QTimer::singleShot(0, [&menu] {
            if (QWidget* popup = QApplication::activePopupWidget()) {
                for (const QAction* action : popup->actions())
                    menu << action->text();
                for (Qt::Key key : {Qt::Key_Up, Qt::Key_Return, Qt::Key_Escape})
                    QTest::keyClick(popup, key);
            }
        });
        QTest::keyClick(p.tblWords, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(menu.value(0) + ' ' + QString::number(menu.size()), "Sort by Word 6");
        QCOMPARE(p.rows({0}), "one two");
        p.find<QPushButton>("cmdBack")->click();
        QVERIFY(!shownWindow("ProgressWindow"));
    }

    // A word of 20,000 letters neither widens the window nor the chooser: it is
    // shortened where it is shown and whole where it is told. One of 32 letters
    // is shown whole, one of 33 cut to 32 and "…".
    void longWordsAreShownShortened() {
        // An accent at the cut goes with its letter.
        const QString word = "<b>" + QString(28, u'w') + "e\u0301" + QString(20'000, u'w');
        const QString shown = "<b>" + QString(28, u'w') + u'\u2026';
        Form1Harness h;
        const ProgressControls p =
            openProgress(h, resultLines("cat - na na"),
                         {attempt(word, "3"), attempt(QString(32, u'a'), "1"), attempt(QString(33, u'b'), "1")});
        QCOMPARE(entries(p.cboWord).mid(1, 2), QStringList({QString(32, u'a'), QString(32, u'b') + u'\u2026'}));
        const QModelIndex cell = p.tblWords->model()->index(0, 0);
        QCOMPARE(QStringList({p.cboWord->currentText(), cell.data().toString(), p.chtAttempts->chart()->title()}),
                 QStringList({shown, shown, shown.toHtmlEscaped()}));
        for (const QVariant& whole :
             {p.cboWord->itemData(0, Qt::ToolTipRole), p.cboWord->itemData(0, Qt::AccessibleTextRole),
              cell.data(Qt::ToolTipRole), cell.data(Qt::AccessibleTextRole)})
            QCOMPARE(whole.toString(), word);
        QVERIFY(p.tblWords->window()->sizeHint().width() < 1000);
    }

    // Made larger, Progress gives the room to its chart, its lists and its
    // table; at the size it opens at the axis texts show whole.
    void growsWithItsWindowAndShowsTheDatesWhole() {
        QList<Attempt> history;
        for (int day = 0; day < 30; ++day)
            history << attempt("the", "1", QDateTime(QDate(2026, 11, 10 + day % 20), QTime(12, 0)));
        Form1Harness h;
        const ProgressControls p = openProgress(h, resultLines("the - na na"), history);
        auto* lstLetters = p.find<QListWidget>("lstLetters");
        QVERIFY(QTest::qWaitForWindowExposed(p.tblWords->window()));
        const QList<QSize> placed{p.chtAttempts->size(), lstLetters->size(), p.tblWords->size()};
        QStringList dates;
        for (QGraphicsItem* item : p.chtAttempts->scene()->items())
            if (auto* text = dynamic_cast<QGraphicsTextItem*>(item))
                dates << text->toPlainText();
        QVERIFY2(!dates.filter(QRegularExpression("\\.\\.\\.|\u2026")).size(), qPrintable(dates.join(", ")));

        p.tblWords->window()->resize(1000, 900);

        QTRY_VERIFY(p.tblWords->height() > placed[2].height());
        const QList<QSize> larger{p.chtAttempts->size(), lstLetters->size(), p.tblWords->size()};
        for (int i = 0; i < 3; ++i)
            QVERIFY2(larger[i].width() > placed[i].width() && larger[i].height() > placed[i].height(),
                     qPrintable(QString::number(i)));
    }

    // Each time the typed text turns wrong its first wrong letter is noted once,
    // and the finished word is kept with its exact time. In Progress, Enter on a
    // row and "Practise" choose a word in the main window; with the tick box
    // ticked each finished word leads on to the word that needs practice most,
    // not ticked nothing moves.
    void mistakesAreNotedAndPracticeGoesToTheNeediestWord() {
        Form1Harness h;
        const QDateTime earlier(QDate(2026, 12, 4), QTime(9, 0));
        h.fakes.appendFiles.files.insert(
            History::FileName, historyOf({attempt("eel", "0.5", earlier, 500, {{2, U'e', U'w'}, {4, 0, U'z'}}),
                                          attempt("eel", "1", earlier.addSecs(1), 1000, {{2, U'e', U'w'}}),
                                          attempt("dog", "1", earlier, 1000), attempt("gone", "0.1", earlier, 100),
                                          attempt("gone", "2", earlier.addSecs(1), 2000)}));
        h.start({":::cat", "-", "na", "na", ":::dog", "9", "na", "na", ":::eel", "-", "na", "na"});
        h.form->show();
        QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
        // A key every 0.4 s on the steady clock.
        const auto keys = [&h](const QString& text) {
            for (QChar key : text) {
                h.fakes.clock.steady += 400;
                typeKeys(QApplication::focusWidget(), key);
            }
        };
        const auto kept = [&h] { return h.fakes.appendFiles.files.value(History::ownFileName()); };
        keys("cxz\b\bar\bt");
        QVERIFY(kept().endsWith("2026-12-05T18:22:05-03:30,cat,0,9,2,1,3200,2:a>x 3:t>r\r\n"));
        // The focus leaves the typing box; choosing a word to practise puts it back.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);

        const ProgressControls p = openProgress(h);
        QStringList lists;
        for (const char* name : {"lstPositions", "lstLetters"})
            for (const QListWidgetItem* item : p.find<QListWidget>(name)->findItems("", Qt::MatchContains))
                lists << item->text();
        QCOMPARE(lists, (QStringList{"Letter 2 (a): 1 time", "Letter 3 (t): 1 time", "e typed as w: 2 times",
                                     "z typed past the end: 1 time", "a typed as x: 1 time", "t typed as r: 1 time"}));

        p.tblWords->setFocus();
        for (Qt::Key key : {Qt::Key_Home, Qt::Key_Down, Qt::Key_Return})
            QTest::keyClick(p.tblWords, key);
        QCOMPARE(h.ui->Combo1->currentText(), "dog");
        QTRY_COMPARE(QApplication::focusWidget(), h.ui->Text1);
        keys("dog");
        QCOMPARE(h.ui->Combo1->currentText(), "dog");
        // Under Update Results, which keeps the main window unavailable, the list stays as it is.
        h.openWindow();
        QTest::keyClick(p.tblWords, Qt::Key_Up);
        p.find<QPushButton>("cmdPractise")->click();
        QCOMPARE(h.ui->Combo1->currentText(), "dog");
        h.window->close();

        p.tblWords->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p.tblWords->window()));
        // A word no longer in the list is told, not chosen.
        QTest::keyClick(p.tblWords, Qt::Key_End, Qt::ControlModifier);
        p.find<QPushButton>("cmdPractise")->click();
        QVERIFY(h.fakes.dialogs.messages().value(0).startsWith("\"gone\" is no longer in the word list."));
        QCOMPARE(h.ui->Combo1->currentText(), "dog");
        QTest::keyClick(p.tblWords, Qt::Key_Up);
        p.find<QPushButton>("cmdPractise")->click();
        QCOMPARE(h.ui->Combo1->currentText(), "eel");
        p.find<QCheckBox>("chkPractise")->click();
        // Of the listed words cat needs practice most: two wrong letters in its only attempt.
        QTRY_COMPARE(QApplication::focusWidget(), h.ui->Text1);
        // A text longer than the word notes the extra letter.
        QGuiApplication::clipboard()->setText("eels");
        QTest::keyClick(h.ui->Text1, Qt::Key_V, Qt::ControlModifier);
        keys("\b");
        QVERIFY(kept().endsWith(",400,4:>s\r\n"));
        QCOMPARE(h.ui->Combo1->currentText(), "cat");
        h.start(); // the program's next run
        QVERIFY(openProgress(h).find<QCheckBox>("chkPractise")->isChecked());
    }

    // The chart's record line follows the word list: a record broken while
    // Progress is open moves it at once, a word removed takes it away.
    void recordLineFollowsTheWordList() {
        Form1Harness h;
        h.fakes.dialogs.promptAnswers << "Ann";
        const ProgressControls p = openProgress(h, resultLines("cat 9 na na;dog - na na"), {attempt("cat", "9.2")});
        h.type("c");
        h.ticks(4);
        h.type("at");
        QCOMPARE(p.chtAttempts->chart()->series().value(1)->name(), "Record, kept in tenths: 0.4 s");
        h.removeWord();
        QCOMPARE(p.chtAttempts->chart()->series().size(), 1);
    }

    void progressFollowsTheDrill_data() {
        // The words typed before, each once in history.csv (eel slowly), the steps, then the main window's word, the
        // word in Progress's chooser and the table's highlighted row.
        const Table<QString, QStringList, QString, QString, QString> table("typedBefore", "steps", "mainWord", "chosen",
                                                                           "highlighted");
        table.row("Progress shows the main window's word", "cat dog eel", {"choose dog in the main window"}, "dog",
                  "dog", "dog");
        table.row("until the typist chooses in Progress", "cat dog eel",
                  {"choose dog in the main window", "choose eel in Progress", "choose cat in the main window"}, "cat",
                  "eel", "eel");
        table.row("Practise takes the first word of the chooser", "dog eel",
                  {"choose dog in Progress", "click Practise"}, "dog", "dog", "dog");
        table.row("on a first day Practise on All words takes the neediest", "",
                  {"choose dog in the main window", "click Practise"}, "cat", "All words", "");
        table.row("the tick box chooses after counting the finished word", "", {"tick the box", "type cat"}, "dog",
                  "cat", "cat");
        table.row("Practise makes Progress follow the drill again", "cat dog eel eel",
                  {"tick the box", "choose dog in Progress", "click Practise", "type dog"}, "eel", "eel", "eel");
    }

    // Progress's chooser and the table's highlighted row show the main
    // window's word until the typist chooses another in Progress; "Practise"
    // takes the chosen word, or with "All words" the neediest, to the main
    // window, and makes Progress follow the drill again. With the tick box
    // ticked, each finished word counts before the next word is chosen.
    void progressFollowsTheDrill() {
        QFETCH(QString, typedBefore);
        QFETCH(QStringList, steps);
        Form1Harness h;
        h.setSetting("RecordName", "Ann");
        QList<Attempt> history;
        for (const QString& word : typedBefore.split(u' ', Qt::SkipEmptyParts))
            history << attempt(word, word == "eel" ? "9" : "1");
        const ProgressControls p = openProgress(h, resultLines("cat - na na;dog - na na;eel - na na"), history);
        for (const QString& step : steps) {
            const QString word = step.section(u' ', 1, 1);
            if (step.endsWith(" in Progress"))
                chooseEntry(p.cboWord, p.cboWord->findText(word));
            else if (step.endsWith(" in the main window"))
                chooseEntry(h.ui->Combo1, h.ui->Combo1->findText(word));
            else if (step.startsWith("type "))
                h.type(word);
            else if (step == "click Practise")
                p.find<QPushButton>("cmdPractise")->click();
            else if (step == "tick the box")
                p.find<QCheckBox>("chkPractise")->click();
            else
                QFAIL(qPrintable("no such step: " + step));
        }
        QTEST(h.ui->Combo1->currentText(), "mainWord");
        QTEST(p.cboWord->currentText(), "chosen");
        QTEST(p.tblWords->currentIndex().siblingAtColumn(0).data().toString(), "highlighted");
    }

    void progressOfAWord_data() {
        // Figures: best, average of the last 10, change.
        const Table<QString, QString> table("attempts", "figures");
        table.row("one", "w@3000", "3.00 3 none");
        table.row("ten: nothing to compare with", "w@6000 w*9@4000", "4.00 4.2 none");
        table.row("nineteen: not against fewer than 10", "w*9@6000 w*10@4000", "4.00 4 none");
        table.row("twenty: against the 10 before", "w*10@6000 w*10@4000", "4.00 4 -2");
        table.row("against the 10 before, not all", "w*5@9000 w*10@5000 w*10@4000", "4.00 4 -1");
    }

    void progressOfAWord() {
        QFETCH(QString, attempts);
        QList<Attempt> history = typed(attempts);
        std::reverse(history.begin(), history.end()); // read out of order
        const WordProgress word = figuresOf(history).words().value(0);
        QTEST(QStringList({timeText(word.best), QString::number(word.recentAverage),
                           word.change ? QString::number(*word.change) : "none"})
                  .join(u' '),
              "figures");
    }

    // An attempt dated before the latest (a clock put back), added once the
    // figures were worked out, goes in its place: the last ten stay the
    // latest by date, and the averages of runs take it in.
    void aLateAttemptTakesItsPlace() {
        ProgressFigures figures = figuresOf(typed("w*11@1000"));
        figures.add(attempt("w", "9", Noon.addSecs(30), 9000));
        figures.update();
        QCOMPARE(figures.find("w")->recentAverage, 1.0);
        QCOMPARE(figures.find("w")->averageSeconds(0, 2), 5.0);
    }

    // Sorted by a column, the table keeps the highlighted word on its row,
    // and a finished word's row moves to its place: up for a new best, down
    // as its attempts pass others'. Every word's practice rank follows.
    void theSortedTableFollowsEachFinishedWord() {
        Form1Harness h;
        h.setSetting("RecordName", "Ann");
        const ProgressControls p = openProgress(h, resultLines("dog - na na;cat - na na;eel - na na"),
                                                typed("cat*3@1000 dog@3000 eel*2@2000"));
        const auto sortBy = [&p](int column) {
            const QHeaderView* header = p.tblWords->horizontalHeader();
            QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                              {header->sectionViewportPosition(column) + 4, header->height() / 2});
        };
        const auto highlighted = [&p] { return p.tblWords->currentIndex().siblingAtColumn(0).data().toString(); };
        sortBy(2); // Best
        QCOMPARE(p.rows({0}), "cat eel dog");
        QCOMPARE(highlighted(), "dog");
        h.type("dog"); // the clock stands still: a best of 0 s
        QCOMPARE(p.rows({0}), "dog cat eel");
        sortBy(1); // Attempts
        QCOMPARE(p.rows({0, 1}), "dog 2 eel 2 cat 3");
        h.type("dog");
        QCOMPARE(p.rows({0, 1, 5}), "eel 2 2 dog 3 3 cat 3 1");
        QCOMPARE(highlighted(), "dog");
    }

    // "Change" compares the last 10 attempts with the 10 before them: nothing
    // at 19 attempts, a change once the 20th is typed; a change of less than
    // half a hundredth reads as "same".
    void changeWaitsForTwentyAttempts() {
        Form1Harness h;
        h.fakes.dialogs.promptAnswers << "Ann";
        QList<Attempt> history;
        for (int i = 0; i < 20; ++i)
            history << attempt("even", "3", Noon.addSecs(i), i < 10 ? 3004 : 3000)
                    << attempt("odd", "3", Noon.addSecs(i), i < 10 ? 3006 : 3000)
                    << attempt("cat", i < 9 ? "2" : "1", Noon.addSecs(i));
        history.removeLast();
        const ProgressControls p = openProgress(h, resultLines("cat 0.5 na na"), history);
        QCOMPARE(p.rows({0, 1, 4}), "cat 19  even 20 same odd 20 0.01 s faster");
        h.type("cat");
        QCOMPARE(p.rows({0, 1, 4}), "cat 20 1.00 s faster even 20 same odd 20 0.01 s faster");
    }

    void preferenceNotRememberedIsTold_data() {
        const Table<QString> table("key");
        table.row("tick box", "PractiseNeediestWord");
        table.row("name box", "RecordName");
    }

    // A preference that cannot be remembered is told once, at once; the box
    // keeps what the typist gave it for this run.
    void preferenceNotRememberedIsTold() {
        QFETCH(QString, key);
        Form1Harness h;
        h.fakes.settings.refusedKeys << key;
        const ProgressControls p = openProgress(h, resultLines("cat - na na"));
        typeKeys(p.find<QLineEdit>("txtName"), "Ann");
        p.find<QCheckBox>("chkPractise")->click();
        QCOMPARE(h.fakes.dialogs.messages(), QStringList{"Could not save the settings in Tapmeter.ini."});
        QVERIFY(p.find<QCheckBox>("chkPractise")->isChecked() && p.find<QLineEdit>("txtName")->text() == "Ann");
    }

    // A name in the box keeps each new record under it without a prompt, in the
    // record boxes, results.dat and the history, this run and the next.
    void filledNameBoxKeepsRecordsWithoutAsking() {
        Form1Harness h;
        const ProgressControls p = openProgress(h, resultLines("cat - na na;dog - na na"));
        typeKeys(p.find<QLineEdit>("txtName"), "Ann");
        h.type("cat");
        QCOMPARE(h.fakes.dialogs.texts(FakeDialogs::Kind::Prompt), QStringList());
        QCOMPARE(h.ui->Text4->text(), "Ann");
        h.ui->Command4->click();
        QVERIFY(h.results().startsWith(crlf({":::cat", "0", "05/12/2026 18:22:05", "Ann"})));

        h.start(); // the program's next run, Progress not open
        chooseEntry(h.ui->Combo1, 1);
        h.type("dog");
        QCOMPARE(h.fakes.dialogs.texts(FakeDialogs::Kind::Prompt), QStringList());
        QCOMPARE(h.ui->Text4->text(), "Ann");
        QCOMPARE(openProgress(h).find<QLineEdit>("txtName")->text(), "Ann");
    }

    // With "Case sensitive" off a capital is no mistake: the note names the
    // first letter that is truly wrong.
    void mistakeNotesFollowCaseSensitiveOff() {
        Form1Harness h;
        h.setSetting("CaseSensitive", "0");
        h.start(resultLines("cattle - na na"));
        h.type("CAx");
        h.press(Qt::Key_Backspace);
        h.type("ttle");
        QVERIFY(h.fakes.appendFiles.files.values().join().endsWith(",3:t>x\r\n"));
    }

    // Before the first finished word the chart of all words shows today.
    void aFirstDaysChartShowsToday() {
        Form1Harness h;
        h.fakes.clock.dateTime = Noon;
        const ProgressControls p = openProgress(h, resultLines("cat - na na"));
        const auto* dates = qobject_cast<QDateTimeAxis*>(p.chtAttempts->chart()->axes(Qt::Horizontal).value(0));
        QCOMPARE(dates->min().date(), Noon.date());
    }

    // Here a day starts at 03:30 UTC: 19:00 and 21:00 on one evening are one
    // day, though UTC puts the second on the next.
    void anEveningWestOfUtcIsChartedAsOneDay() {
        Form1Harness h;
        const QDateTime evening(QDate(2026, 12, 5), QTime(19, 0));
        const ProgressControls p = openProgress(
            h, resultLines("cat - na na"), {attempt("cat", "2", evening), attempt("cat", "1", evening.addSecs(7200))});
        const QAbstractAxis* axis = p.chtAttempts->chart()->axes(Qt::Horizontal).value(0);
        QCOMPARE(axis->titleText(), "Attempts on 5 Dec 2026");
    }

    void aWordFinishedForTheFirstTimeJoinsTheChooserAndTheSortedTable() {
        Form1Harness h;
        const ProgressControls p = openProgress(h, resultLines("hippopotamus - na na"), {attempt("zebra", "1")});
        h.type("hippopotamus");
        QCOMPARE(p.cboWord->currentText(), "hippopotamus");
        QCOMPARE(entries(p.cboWord), QStringList({"hippopotamus", "zebra", "All words"}));
        QCOMPARE(p.rows({0}), "hippopotamus zebra");
        // Its column widens to show it whole.
        QVERIFY(p.tblWords->sizeHintForIndex(p.tblWords->model()->index(0, 0)).width() < p.tblWords->columnWidth(0));
    }

    // Progress opens beside the main window, level with it, where the screen has the room.
    void opensBesideTheMainWindow() {
        Form1Harness h;
        h.start(resultLines("cat - na na"));
        h.form->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
        QWidget* progress = openProgress(h).tblWords->window();
        QVERIFY(QTest::qWaitForWindowExposed(progress));
        QVERIFY(!progress->frameGeometry().intersects(h.form->frameGeometry()));
        QCOMPARE(progress->frameGeometry().top(), h.form->frameGeometry().top());
    }

    // In a locale whose weeks begin on Sunday, a Wednesday's week holds its
    // Sunday; an attempt dated tomorrow is neither today's nor this week's.
    void thisWeekBeginsOnTheLocalesFirstDay_data() {
        const Table<Qt::DayOfWeek, int> table("firstDay", "thisWeek");
        table.row("Sunday", Qt::Sunday, 3);
        table.row("Monday", Qt::Monday, 2);
    }
    void thisWeekBeginsOnTheLocalesFirstDay() {
        QFETCH(Qt::DayOfWeek, firstDay);
        const QDate wednesday(2026, 12, 2);
        ProgressFigures figures;
        for (int day : {-3, -2, 0, 1})
            figures.add(attempt("w", "1", QDateTime(wednesday.addDays(day), QTime(12, 0))));
        figures.update();
        const AttemptTotals totals = figures.totals(wednesday, firstDay);
        QCOMPARE(totals.today, 1);
        QTEST(totals.thisWeek, "thisWeek");
        QCOMPARE(totals.allTime, 4);
    }
};

QTEST_MAIN(TestProgress)
#include "test_progress.moc"
