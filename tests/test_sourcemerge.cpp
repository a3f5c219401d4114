#include "comparison.h"
#include "sourcemerge.h"

#include "resultsformat.h"
#include "sourcerecords.h"

#include <QTest>

#include <tuple>

class TestSourceMerge : public QObject {
    Q_OBJECT

private slots:
    void compareTimes_data();
    void compareTimes();
    void merge_data();
    void merge();
};

void TestSourceMerge::compareTimes_data() {
    // Each row reads "a op b", '<' when a is the faster time.
    QTest::addColumn<QStringList>("row");
    for (const char* row : {"4.3 < 5", "5 > 4.3", "9.5 < 10.2", "4.3 = 4.30", "12s > 9", "- = -", "- > 7.1", "0 < -"})
        QTest::newRow(row) << QString(row).split(u' ');
}

void TestSourceMerge::compareTimes() {
    QFETCH(QStringList, row);
    const TimeOrder order = row[1] == "<" ? TimeOrder::Faster : row[1] == ">" ? TimeOrder::Slower : TimeOrder::Equal;
    QCOMPARE(CompareTimes(row[0], row[2]), order);
}

void TestSourceMerge::merge_data() {
    QTest::addColumn<QString>("source1");
    QTest::addColumn<QString>("source2");
    QTest::addColumn<QString>("merged");
    QTest::addColumn<int>("updated");
    QTest::addColumn<int>("added");
    const std::tuple<const char*, const char*, const char*, const char*, int, int> rows[] = {
        {"numbers, not text order", "house 9.5 D1 N1", "house 10.2 D2 N2", "house 9.5 D1 N1", 1, 0},
        {"slower left alone", "house 5 D1 N1", "house 4.3 D2 N2", "house 4.3 D2 N2", 0, 0},
        {"equal left alone", "house 4.30 D1 N1", "house 4.3 D2 N2", "house 4.3 D2 N2", 0, 0},
        {"any record replaces none", "house 99 D1 N1", "house - na na", "house 99 D1 N1", 1, 0},
        {"none never replaces a record", "house - na na", "house 99 D2 N2", "house 99 D2 N2", 0, 0},
        {"new words in order", "zebra 3 Z Z; house 5 D1 N1; apple - na na", "house 4 D2 N2",
         "house 4 D2 N2; zebra 3 Z Z; apple - na na", 0, 2},
        {"letter case makes another word", "House 1 D1 N1", "house 2 D2 N2", "house 2 D2 N2; House 1 D1 N1", 0, 1},
        {"new word twice, faster twin", "house 5 D1 N1; house 4 D3 N3", "", "house 4 D3 N3", 1, 1},
        {"new word twice, slower twin", "house 4 D1 N1; house 5 D3 N3", "", "house 4 D1 N1", 0, 1},
        {"word twice in Source 2: the first is updated", "house 2 D1 N1", "house 3 D2 N2; house 9 D3 N3",
         "house 2 D1 N1; house 9 D3 N3", 1, 0},
    };
    for (const auto& [name, source1, source2, merged, updated, added] : rows)
        QTest::newRow(name) << QString(source1) << QString(source2) << QString(merged) << updated << added;
}

void TestSourceMerge::merge() {
    QFETCH(QString, source1);
    QFETCH(QString, source2);
    QFETCH(QString, merged);
    QFETCH(int, updated);
    QFETCH(int, added);
    SourceTable table1, table2;
    const QStringList words1 = ResultsFormat::readRecords(resultLines(source1), table1).words;
    QStringList words2 = ResultsFormat::readRecords(resultLines(source2), table2).words;
    const MergeOutcome outcome = mergeSources(words1, table1, words2, table2);
    QCOMPARE(ResultsFormat::recordLines(table2, int(words2.size())), resultLines(merged));
    QCOMPARE(QList<int>({outcome.updated, outcome.added}), QList<int>({updated, added}));
}

QTEST_GUILESS_MAIN(TestSourceMerge)
#include "test_sourcemerge.moc"
