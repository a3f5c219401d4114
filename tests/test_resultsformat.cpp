#include "ansitext.h"
#include "resultsformat.h"

#include <QFile>
#include <QTest>

namespace {

QByteArray golden(const QString& name) {
    QFile file(QStringLiteral(TAPMETER_TEST_DATA "/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing test data %s", qPrintable(name));
    return file.readAll();
}

ResultsFormat::ReadOutcome readBytes(const QByteArray& bytes, RecordTable& table) {
    return ResultsFormat::readRecords(AnsiText::decodeLines(bytes), table);
}

QByteArray records(int count) {
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += ":::w" + QByteArray::number(i) + "\r\n" + QByteArray::number(i) + "\r\nd\r\nn\r\n";
    return bytes;
}

} // namespace

class TestResultsFormat : public QObject {
    Q_OBJECT

private slots:
    void readsTheExampleFile();
    void writesTheExampleFileByteForByte();
    void roundTripKeepsEveryColumn();
    void markers_data();
    void markers();
    void linesBeforeTheFirstMarkerAreIgnored();
    void fileWithoutMarkerLoadsNothing();
    void partialRecordKeepsEarlierColumns();
    void linesAfterTheThirdAreIgnored();
    void keepsTheFirst101Records();
    void lfOnlyFileIsOneLine();
    void emptyListWritesNothing();
};

void TestResultsFormat::readsTheExampleFile() {
    RecordTable table;
    const auto outcome = readBytes(golden("two-words.dat"), table);
    QCOMPARE(outcome.words, (QStringList{"house", "garden"}));
    QCOMPARE(outcome.recordsDropped, 0);
    QCOMPARE(table.FastestTime[0], "4.3");
    QCOMPARE(table.RecordDate[0], "05/12/2026 18:22:05");
    QCOMPARE(table.RecordName[0], "Typist");
    QCOMPARE(table.FastestTime[1], "-");
    QCOMPARE(table.RecordDate[1], "na");
    QCOMPARE(table.RecordName[1], "na");
}

void TestResultsFormat::writesTheExampleFileByteForByte() {
    RecordTable table;
    table.Words[0] = "house";
    table.FastestTime[0] = "4.3";
    table.RecordDate[0] = "05/12/2026 18:22:05";
    table.RecordName[0] = "Typist";
    table.Words[1] = "garden";
    table.FastestTime[1] = "-";
    table.RecordDate[1] = "na";
    table.RecordName[1] = "na";
    // Slot 2 is a leftover: nothing writes it.
    table.Words[2] = "leftover";
    QCOMPARE(AnsiText::encodeLines(ResultsFormat::recordLines(table, 2)), golden("two-words.dat"));
}

void TestResultsFormat::roundTripKeepsEveryColumn() {
    RecordTable written;
    for (int i = 0; i < RecordTable::Slots; ++i) {
        written.Words[i] = QString::fromUtf8("wörd %1").arg(i);
        written.FastestTime[i] = QString::number(i / 10.0);
        written.RecordDate[i] = QStringLiteral("1/%1/2026").arg(i);
        written.RecordName[i] = i == RecordTable::LastSlot ? QString() : QStringLiteral("name %1").arg(i);
    }
    const QByteArray bytes = AnsiText::encodeLines(ResultsFormat::recordLines(written, RecordTable::Slots));
    RecordTable read;
    const auto outcome = readBytes(bytes, read);
    QCOMPARE(outcome.words.size(), RecordTable::Slots);
    QVERIFY(read.Words == written.Words);
    QVERIFY(read.FastestTime == written.FastestTime);
    QVERIFY(read.RecordDate == written.RecordDate);
    QVERIFY(read.RecordName == written.RecordName);
}

void TestResultsFormat::markers_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("three colons alone: an empty word") << QByteArray(":::\r\n1\r\n") << QStringList{""};
    QTest::newRow("three colons and a letter") << QByteArray(":::a\r\n") << QStringList{"a"};
    QTest::newRow("blank before the colons") << QByteArray(":::x\r\n :::y\r\n") << QStringList{"x"};
    QTest::newRow("two colons") << QByteArray(":::x\r\n::y\r\n") << QStringList{"x"};
    QTest::newRow("four colons") << QByteArray("::::y\r\n") << QStringList{":y"};
    QTest::newRow("duplicates load twice") << QByteArray(":::a\r\n:::a\r\n") << QStringList{"a", "a"};
}

void TestResultsFormat::markers() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, words);
    RecordTable table;
    QCOMPARE(readBytes(bytes, table).words, words);
}

void TestResultsFormat::linesBeforeTheFirstMarkerAreIgnored() {
    RecordTable table;
    const auto outcome = readBytes("junk\r\n4.3\r\n:::cat\r\n2\r\nD\r\nN\r\n", table);
    QCOMPARE(outcome.words, QStringList{"cat"});
    QCOMPARE(table.FastestTime[0], "2");
    QCOMPARE(table.RecordName[0], "N");
}

void TestResultsFormat::fileWithoutMarkerLoadsNothing() {
    RecordTable table;
    const auto outcome = readBytes("no\r\nmarker\r\nhere\r\n", table);
    QVERIFY(!outcome.markerFound);
    QVERIFY(outcome.words.isEmpty());
    QVERIFY(table.FastestTime[0].isEmpty());
}

void TestResultsFormat::partialRecordKeepsEarlierColumns() {
    RecordTable table;
    table.RecordName[0] = "earlier name";
    table.RecordDate[1] = "earlier date";
    table.RecordName[1] = "earlier name 1";
    readBytes(":::a\r\n1.5\r\nD\r\n:::b\r\n2\r\n", table);
    QCOMPARE(table.FastestTime[0], "1.5");
    QCOMPARE(table.RecordDate[0], "D");
    QCOMPARE(table.RecordName[0], "earlier name");
    QCOMPARE(table.FastestTime[1], "2");
    QCOMPARE(table.RecordDate[1], "earlier date");
    QCOMPARE(table.RecordName[1], "earlier name 1");
}

void TestResultsFormat::linesAfterTheThirdAreIgnored() {
    RecordTable table;
    readBytes(":::a\r\n1\r\nD\r\nN\r\nextra\r\nmore\r\n:::b\r\n2\r\n", table);
    QCOMPARE(table.RecordName[0], "N");
    QCOMPARE(table.Words[1], "b");
    QCOMPARE(table.FastestTime[1], "2");
}

void TestResultsFormat::keepsTheFirst101Records() {
    RecordTable table;
    const auto outcome = readBytes(records(103), table);
    QCOMPARE(outcome.words.size(), 101);
    QCOMPARE(outcome.words.last(), "w100");
    QCOMPARE(outcome.recordsDropped, 2);
    QCOMPARE(table.FastestTime[100], "100");
}

void TestResultsFormat::lfOnlyFileIsOneLine() {
    RecordTable table;
    const auto outcome = readBytes(":::house\n4.3\nD\nN\n:::garden\n", table);
    QCOMPARE(outcome.words, QStringList{"house\n4.3\nD\nN\n:::garden\n"});
    // Written back, the word keeps its LFs, so nothing of the file is lost.
    QVERIFY(
        AnsiText::encodeLines(ResultsFormat::recordLines(table, 1)).startsWith(":::house\n4.3\nD\nN\n:::garden\n\r\n"));
}

void TestResultsFormat::emptyListWritesNothing() {
    RecordTable table;
    table.Words[0] = "not listed";
    QCOMPARE(AnsiText::encodeLines(ResultsFormat::recordLines(table, 0)), QByteArray());
}

QTEST_GUILESS_MAIN(TestResultsFormat)
#include "test_resultsformat.moc"
