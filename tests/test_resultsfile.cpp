#include "database/resultsformat.h"
#include "platform/ansitext.h"
#include "tests/fakes/fakeservices.h"

#include <QTest>

// The results file on bytes: the code page and the records. The fuzz target holds the line rules against every
// kept input.
class TestResultsFile : public QObject {
    Q_OBJECT

private slots:
    void writingKeepsEveryByteAndNeverSplitsALine();
    void reading_data();
    void reading();
    void readsInTheEncodingItsBytesShow_data();
    void readsInTheEncodingItsBytesShow();
    void writesInItsOwnEncodingUnlessTheWordsNeedUtf8_data();
    void writesInItsOwnEncodingUnlessTheWordsNeedUtf8();
};

using Lines = QStringList;

// Every byte the code page holds comes back as it was: the fuzz target's kept inputs prove that.
void TestResultsFile::writingKeepsEveryByteAndNeverSplitsALine() {
    // What the code page cannot hold becomes '?'; a CR would split the record.
    QCOMPARE(AnsiText::encodeLines({QString::fromUtf8("aΩ😀"), "a\rb"}, AnsiText::Encoding::CodePage),
             QByteArray("a???\r\na b\r\n"));
    QCOMPARE(AnsiText::toStorableLine(QString::fromUtf8("Ann\r\nΩ")), QString::fromUtf8("Ann  Ω"));
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
    QTest::newRow("a lone LF stays in its line")
        << QByteArray(":::a\n1\r\n:::b\r\n") << Lines{"a\n1", "b"} << "old old old" << 0;
    QTest::newRow("LF ends the lines of a file without CR")
        << QByteArray(":::a\n1\n:::b\n") << Lines{"a", "b"} << "1 old old" << 0;
    QTest::newRow("first 101 of 103") << records << first101 << "0 old old" << 2;
}

void TestResultsFile::reading() {
    QFETCH(QByteArray, bytes);
    QFETCH(Lines, words);
    QFETCH(QString, first);
    QFETCH(int, dropped);
    RecordTable table;
    table.FastestTime[0] = table.RecordDate[0] = table.RecordName[0] = "old";
    const auto outcome = ResultsFormat::readRecords(AnsiText::decodeLines(bytes, AnsiText::Encoding::CodePage), table);
    QCOMPARE(outcome.words, words);
    QCOMPARE(QStringList({table.FastestTime[0], table.RecordDate[0], table.RecordName[0]}).join(u' '), first);
    QCOMPARE(outcome.recordsDropped, dropped);
}

using Encoding = AnsiText::Encoding;

// One whole record of a word given in bytes.
QByteArray record(const QByteArray& word) {
    return ":::" + word + "\r\n1\r\nD\r\nN\r\n";
}

void TestResultsFile::readsInTheEncodingItsBytesShow_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<Encoding>("readAs");
    QTest::addColumn<QString>("word");
    const QByteArray mark("\xef\xbb\xbf");
    QTest::newRow("ASCII only") << record("house") << Encoding::CodePage << "house";
    QTest::newRow("code page") << record("caf\xe9") << Encoding::CodePage << "café";
    QTest::newRow("UTF-8 without a mark") << record("caf\xc3\xa9") << Encoding::Utf8 << "café";
    QTest::newRow("UTF-8 with a mark") << mark + record("\xc5\xbc\xc3\xb3\xc5\x82w") << Encoding::Utf8WithBom << "żółw";
    QTest::newRow("a mark and ASCII") << mark + record("a") << Encoding::Utf8WithBom << "a";
    QTest::newRow("invalid UTF-8 is the code page")
        << record("\xc3\xa9") + record("\xe9") << Encoding::CodePage << "Ã©";
    QTest::newRow("a sequence cut at the end") << record("a") + ":::\xc5\r\n1\r\nD\r\nN\xc5\r\n"
                                               << Encoding::CodePage << "a";
    QTest::newRow("an overlong form") << record("\xc0\xaf") << Encoding::CodePage << "À¯";
    QTest::newRow("a mark inside a line is a letter")
        << record("a\xef\xbb\xbf") << Encoding::Utf8 << QString::fromUtf8("a\xef\xbb\xbf");
}

// Each file reads as its bytes show and is "read whole": written back in the
// same encoding, it gives the same bytes.
void TestResultsFile::readsInTheEncodingItsBytesShow() {
    QFETCH(QByteArray, bytes);
    QFETCH(Encoding, readAs);
    QFETCH(QString, word);
    FakeTextFiles files;
    files.put("results.dat", bytes);
    RecordTable table;
    const std::optional<ResultsFormat::ReadOutcome> outcome = ResultsFormat::readFile(files, "results.dat", table);
    QVERIFY(outcome);
    QCOMPARE(outcome->encoding, readAs);
    QCOMPARE(outcome->words.first(), word);
    QVERIFY(outcome->readWhole);
}

void TestResultsFile::writesInItsOwnEncodingUnlessTheWordsNeedUtf8_data() {
    QTest::addColumn<QByteArray>("bytes"); // the file as read; none for a new file
    QTest::addColumn<QString>("added");    // a word added to its list
    QTest::addColumn<QByteArray>("written");
    const QByteArray mark("\xef\xbb\xbf");
    const QByteArray cafeCodePage(":::caf\xe9\r\n-\r\nna\r\nna\r\n");
    const QByteArray cafeUtf8(":::caf\xc3\xa9\r\n-\r\nna\r\nna\r\n");
    const QByteArray turtle(":::\xc5\xbc\xc3\xb3\xc5\x82w\r\n-\r\nna\r\nna\r\n");
    const QByteArray smorrebrod(":::sm\xf8rrebr\xf8"
                                "d\r\n-\r\nna\r\nna\r\n");
    QTest::newRow("a new file in the code page") << QByteArray() << "café" << cafeCodePage;
    QTest::newRow("a new file beyond the code page") << QByteArray() << "żółw" << turtle;
    QTest::newRow("the code page, byte for byte") << cafeCodePage << "smørrebrød" << cafeCodePage + smorrebrod;
    QTest::newRow("the code page, turned UTF-8 without a mark") << cafeCodePage << "żółw" << cafeUtf8 + turtle;
    QTest::newRow("UTF-8 stays UTF-8") << cafeUtf8 << "house" << cafeUtf8 + ":::house\r\n-\r\nna\r\nna\r\n";
    QTest::newRow("UTF-8 keeps its mark") << mark + turtle << "café" << mark + turtle + cafeUtf8;
    QTest::newRow("code-page letters that would read as UTF-8")
        << QByteArray() << "Ã©" << QByteArray(":::\xc3\x83\xc2\xa9\r\n-\r\nna\r\nna\r\n");
}

// What a save writes after a word was added: the file's encoding, the code
// page byte for byte, and UTF-8 (without a mark) only where needed.
void TestResultsFile::writesInItsOwnEncodingUnlessTheWordsNeedUtf8() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, added);
    QFETCH(QByteArray, written);
    RecordTable table;
    ResultsFormat::ReadOutcome outcome;
    if (!bytes.isEmpty()) {
        FakeTextFiles files;
        files.put("results.dat", bytes);
        outcome = *ResultsFormat::readFile(files, "results.dat", table);
    }
    const int count = int(outcome.words.size());
    table.Words[count] = added;
    table.FastestTime[count] = "-";
    table.RecordDate[count] = table.RecordName[count] = "na";
    const QStringList lines = ResultsFormat::recordLines(table, count + 1);
    QCOMPARE(AnsiText::encodeLines(lines, AnsiText::encodingToWrite(outcome.encoding, lines)), written);
}

QTEST_GUILESS_MAIN(TestResultsFile)
#include "test_resultsfile.moc"
