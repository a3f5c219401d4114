#include "platform/ansitext.h"
#include "database/resultsformat.h"

#include <QFile>
#include <QTest>

// The results file on bytes: the code page and the records. The fuzz target holds the line rules against every
// kept input.
class TestResultsFile : public QObject {
    Q_OBJECT

private slots:
    void writingKeepsEveryByteAndNeverSplitsALine();
    void exampleFileReadsAndWritesByteForByte();
    void reading_data();
    void reading();
};

using Lines = QStringList;

// Every byte the code page holds comes back as it was: the fuzz target's kept inputs prove that.
void TestResultsFile::writingKeepsEveryByteAndNeverSplitsALine() {
    // What the code page cannot hold becomes '?'; a CR would split the record.
    QCOMPARE(AnsiText::encodeLines({QString::fromUtf8("aΩ😀"), "a\rb"}), QByteArray("a???\r\na b\r\n"));
    QCOMPARE(AnsiText::toStorableLine(QString::fromUtf8("Ann\r\nΩ")), "Ann  ?");
}

void TestResultsFile::exampleFileReadsAndWritesByteForByte() {
    QFile file(TAPMETER_TEST_DATA "/two-words.dat");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    RecordTable table;
    table.Words[2] = "leftover";
    const auto outcome = ResultsFormat::readRecords(AnsiText::decodeLines(bytes), table);
    QCOMPARE(outcome.words, (Lines{"house", "garden"}));
    // Slots past the listed words are leftovers that nothing writes.
    QCOMPARE(AnsiText::encodeLines(ResultsFormat::recordLines(table, 2)), bytes);
}

void TestResultsFile::reading_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Lines>("words");
    QTest::addColumn<QString>("first"); // the first record's time, date and name, over "old" ones
    QTest::addColumn<int>("dropped");
    QByteArray records;
    for (int i = 0; i < 103; ++i)
        records += ":::w" + QByteArray::number(i) + "\r\n" + QByteArray::number(i) + "\r\n";
    Lines first101;
    for (int i = 0; i < 101; ++i)
        first101 << QString("w%1").arg(i);
    QTest::newRow("lines before the first marker")
        << QByteArray("x\r\n4\r\n:::cat\r\n2\r\n") << Lines{"cat"} << "2 old old" << 0;
    QTest::newRow("no marker") << QByteArray("no\r\nmarker\r\n") << Lines() << "old old old" << 0;
    QTest::newRow("three colons alone") << QByteArray(":::\r\n1\r\n") << Lines{""} << "1 old old" << 0;
    QTest::newRow("blank before the colons") << QByteArray(":::x\r\n :::y\r\n") << Lines{"x"} << " :::y old old" << 0;
    QTest::newRow("two colons") << QByteArray(":::x\r\n::y\r\n") << Lines{"x"} << "::y old old" << 0;
    QTest::newRow("duplicates load twice") << QByteArray(":::a\r\n:::a\r\n") << Lines{"a", "a"} << "old old old" << 0;
    QTest::newRow("lines past the third ignored")
        << QByteArray(":::a\r\n1\r\nD\r\nN\r\nx\r\n:::b\r\n") << Lines{"a", "b"} << "1 D N" << 0;
    QTest::newRow("a short record keeps the old name")
        << QByteArray(":::a\r\n1.5\r\nD\r\n:::b\r\n2\r\n") << Lines{"a", "b"} << "1.5 D old" << 0;
    QTest::newRow("LF-only file is one line")
        << QByteArray(":::a\n1\n:::b\n") << Lines{"a\n1\n:::b\n"} << "old old old" << 0;
    QTest::newRow("first 101 of 103") << records << first101 << "0 old old" << 2;
}

void TestResultsFile::reading() {
    QFETCH(QByteArray, bytes);
    QFETCH(Lines, words);
    QFETCH(QString, first);
    QFETCH(int, dropped);
    RecordTable table;
    table.FastestTime[0] = table.RecordDate[0] = table.RecordName[0] = "old";
    const auto outcome = ResultsFormat::readRecords(AnsiText::decodeLines(bytes), table);
    QCOMPARE(outcome.words, words);
    QCOMPARE(QStringList({table.FastestTime[0], table.RecordDate[0], table.RecordName[0]}).join(u' '), first);
    QCOMPARE(outcome.recordsDropped, dropped);
}

QTEST_GUILESS_MAIN(TestResultsFile)
#include "test_resultsfile.moc"
