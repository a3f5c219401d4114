#include "sourcemerge.h"

#include "sourcerecords.h"

#include <QTest>

class TestSourceMerge : public QObject {
    Q_OBJECT

private slots:
    void merge_data();
    void merge();
    void fullSource2TakesUpdatesButNoNewWords();
    void report_data();
    void report();
};

void TestSourceMerge::merge_data() {
    QTest::addColumn<QStringList>("source1");
    QTest::addColumn<QStringList>("source2");
    QTest::addColumn<QStringList>("merged");
    QTest::addColumn<int>("updated");
    QTest::addColumn<int>("added");

    QTest::newRow("faster record replaces time, date and name")
        << QStringList{"house|4.3|D1|N1"} << QStringList{"garden|1|G|G", "house|5|D2|N2"}
        << QStringList{"garden|1|G|G", "house|4.3|D1|N1"} << 1 << 0;
    QTest::newRow("numbers decide, not the text order")
        << QStringList{"house|9.5|D1|N1"} << QStringList{"house|10.2|D2|N2"} << QStringList{"house|9.5|D1|N1"} << 1
        << 0;
    QTest::newRow("slower record is left alone")
        << QStringList{"house|5|D1|N1"} << QStringList{"house|4.3|D2|N2"} << QStringList{"house|4.3|D2|N2"} << 0 << 0;
    QTest::newRow("equal record is left alone") << QStringList{"house|4.30|D1|N1"} << QStringList{"house|4.3|D2|N2"}
                                                << QStringList{"house|4.3|D2|N2"} << 0 << 0;
    QTest::newRow("any record replaces none")
        << QStringList{"house|99|D1|N1"} << QStringList{"house|-|na|na"} << QStringList{"house|99|D1|N1"} << 1 << 0;
    QTest::newRow("no record never replaces one")
        << QStringList{"house|-|na|na"} << QStringList{"house|99|D2|N2"} << QStringList{"house|99|D2|N2"} << 0 << 0;
    QTest::newRow("new words follow the last record, in Source 1 order")
        << QStringList{"zebra|3|Z|Z", "house|5|D1|N1", "apple|-|na|na"} << QStringList{"house|4|D2|N2"}
        << QStringList{"house|4|D2|N2", "zebra|3|Z|Z", "apple|-|na|na"} << 0 << 2;
    QTest::newRow("letter case makes another word") << QStringList{"House|1|D1|N1"} << QStringList{"house|2|D2|N2"}
                                                    << QStringList{"house|2|D2|N2", "House|1|D1|N1"} << 0 << 1;
    QTest::newRow("new word twice: added once, then updated by its faster twin")
        << QStringList{"house|5|D1|N1", "house|4|D3|N3"} << QStringList{"garden|1|G|G"}
        << QStringList{"garden|1|G|G", "house|4|D3|N3"} << 1 << 1;
    QTest::newRow("new word twice, slower twin: added once only")
        << QStringList{"house|4|D1|N1", "house|5|D3|N3"} << QStringList{"garden|1|G|G"}
        << QStringList{"garden|1|G|G", "house|4|D1|N1"} << 0 << 1;
    QTest::newRow("word twice in Source 2: only the first is updated")
        << QStringList{"house|2|D1|N1"} << QStringList{"house|3|D2|N2", "house|9|D3|N3"}
        << QStringList{"house|2|D1|N1", "house|9|D3|N3"} << 1 << 0;
    QTest::newRow("empty Source 2 receives everything")
        << QStringList{"a|1|x|y"} << QStringList{} << QStringList{"a|1|x|y"} << 0 << 1;
}

void TestSourceMerge::merge() {
    QFETCH(QStringList, source1);
    QFETCH(QStringList, source2);
    QFETCH(QStringList, merged);
    QFETCH(int, updated);
    QFETCH(int, added);

    const Source from = source(source1);
    Source into = source(source2);
    const MergeOutcome outcome = mergeSources(from.words, from.table, into.words, into.table);
    QCOMPARE(records(into), merged);
    QCOMPARE(outcome.updated, updated);
    QCOMPARE(outcome.added, added);
    QVERIFY(outcome.notAdded.isEmpty());
}

void TestSourceMerge::fullSource2TakesUpdatesButNoNewWords() {
    QStringList full;
    for (int i = 0; i < RecordTable::Slots; ++i)
        full << QStringLiteral("w%1|10|d|n").arg(i);
    Source into = source(full);
    const Source from = source({"new1|1|a|b", "w100|2|D|N", "new2|1|a|b", "new1|0.5|a|b"});

    const MergeOutcome outcome = mergeSources(from.words, from.table, into.words, into.table);

    QCOMPARE(outcome.updated, 1);
    QCOMPARE(outcome.added, 0);
    QCOMPARE(outcome.notAdded, (QStringList{"new1", "new2"}));
    QCOMPARE(into.words.size(), RecordTable::Slots);
    QCOMPARE(records(into).last(), QStringLiteral("w100|2|D|N"));
}

void TestSourceMerge::report_data() {
    QTest::addColumn<int>("updated");
    QTest::addColumn<int>("added");
    QTest::addColumn<QStringList>("notAdded");
    QTest::addColumn<QString>("text");

    QTest::newRow("counts") << 1 << 2 << QStringList{} << "Done!\r\n\r\nUpdated: 1\r\nAdded: 2";
    QTest::newRow("nothing to do") << 0 << 0 << QStringList{} << "Done!\r\n\r\nUpdated: 0\r\nAdded: 0";
    QTest::newRow("no room") << 3 << 0 << QStringList{"a", "b"}
                             << "Done!\r\n\r\nUpdated: 3\r\nAdded: 0\r\nNot added (no room): 2";
}

void TestSourceMerge::report() {
    QFETCH(int, updated);
    QFETCH(int, added);
    QFETCH(QStringList, notAdded);
    QFETCH(QString, text);
    QCOMPARE(mergeReport(MergeOutcome{updated, added, notAdded}), text);
}

QTEST_GUILESS_MAIN(TestSourceMerge)
#include "test_sourcemerge.moc"
