#include "comparison.h"

#include "sourcerecords.h"

#include <QTest>

Q_DECLARE_METATYPE(TimeOrder)

class TestComparison : public QObject {
    Q_OBJECT

private slots:
    void compareTimes_data();
    void compareTimes();
    void marks_data();
    void marks();
};

void TestComparison::compareTimes_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<TimeOrder>("order");

    QTest::newRow("smaller number is faster") << "4.3"
                                              << "5" << TimeOrder::Faster;
    QTest::newRow("larger number is slower") << "5"
                                             << "4.3" << TimeOrder::Slower;
    QTest::newRow("numbers decide, not the text order") << "9.5"
                                                        << "10.2" << TimeOrder::Faster;
    QTest::newRow("trailing zero is the same time") << "4.3"
                                                    << "4.30" << TimeOrder::Equal;
    QTest::newRow("no record on both sides") << "-"
                                             << "-" << TimeOrder::Equal;
    QTest::newRow("no record loses") << "-"
                                     << "7.1" << TimeOrder::Slower;
    QTest::newRow("any record beats none") << "7.1"
                                           << "-" << TimeOrder::Faster;
    QTest::newRow("even a zero record beats none") << "0"
                                                   << "-" << TimeOrder::Faster;
    QTest::newRow("text that is no number counts as 0") << "abc"
                                                        << "0" << TimeOrder::Equal;
    QTest::newRow("only the leading number counts") << "3.5s"
                                                    << "3.50 sec" << TimeOrder::Equal;
    QTest::newRow("exponent is read") << "1e1"
                                      << "9.9" << TimeOrder::Slower;
    QTest::newRow("blanks before the number are skipped") << " 2"
                                                          << "3" << TimeOrder::Faster;
    QTest::newRow("a dash with more is no missing record") << "- "
                                                           << "1" << TimeOrder::Faster;
}

void TestComparison::compareTimes() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(TimeOrder, order);
    QCOMPARE(CompareTimes(a, b), order);
}

void TestComparison::marks_data() {
    QTest::addColumn<QStringList>("own");
    QTest::addColumn<QStringList>("other");
    QTest::addColumn<QList<int>>("marks");
    QTest::addColumn<bool>("offers");

    QTest::newRow("faster") << QStringList{"house|4.3"} << QStringList{"house|5"} << QList<int>{MarkFaster} << true;
    QTest::newRow("slower") << QStringList{"house|5"} << QStringList{"house|4.3"} << QList<int>{MarkSlower} << false;
    QTest::newRow("similar") << QStringList{"house|4.3", "garden|-"} << QStringList{"garden|-", "house|4.30"}
                             << QList<int>{MarkSimilar, MarkSimilar} << false;
    QTest::newRow("new") << QStringList{"house|4.3"} << QStringList{"garden|1"} << QList<int>{MarkNew} << true;
    QTest::newRow("letter case counts") << QStringList{"House|1"} << QStringList{"house|1"} << QList<int>{MarkNew}
                                        << true;
    QTest::newRow("last occurrence in the other list decides")
        << QStringList{"house|5"} << QStringList{"house|9", "house|3"} << QList<int>{MarkSlower} << false;
    QTest::newRow("each own occurrence is marked alone")
        << QStringList{"house|3", "house|9"} << QStringList{"house|5"} << QList<int>{MarkFaster, MarkSlower} << true;
    QTest::newRow("empty other list") << QStringList{"a|1", "b|2"} << QStringList{} << QList<int>{MarkNew, MarkNew}
                                      << true;
    QTest::newRow("empty own list") << QStringList{} << QStringList{"a|1"} << QList<int>{} << false;
}

void TestComparison::marks() {
    QFETCH(QStringList, own);
    QFETCH(QStringList, other);
    QFETCH(QList<int>, marks);
    QFETCH(bool, offers);

    const Source ownSource = source(own);
    const Source otherSource = source(other);
    const QList<CompareMark> result =
        markEntries(ownSource.words, ownSource.table, otherSource.words, otherSource.table);
    QCOMPARE(QList<int>(result.begin(), result.end()), marks);
    QCOMPARE(offersRecords(result), offers);
}

QTEST_GUILESS_MAIN(TestComparison)
#include "test_comparison.moc"
