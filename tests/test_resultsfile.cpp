#include "database/resultsformat.h"
#include "platform/ansitext.h"
#include "tests/fakes/fakeservices.h"
#include "tests/resultlines.h"
#include "tests/table.h"

#include <QTest>

namespace {
using Lines = QStringList;
using Encoding = AnsiText::Encoding;
// One whole record of a word given in bytes.
QByteArray record(const QByteArray& word) {
    return ":::" + word + "\r\n1\r\nD\r\nN\r\n";
}
} // namespace

// The results file on bytes: the code page and the records. The fuzz target holds the line rules against every
// kept input.
class TestResultsFile : public QObject {
    Q_OBJECT

private slots:
    // Every byte the code page holds comes back as it was: the fuzz target's kept inputs prove that.
    void writingKeepsEveryByteAndNeverSplitsALine() {
        // What the code page cannot hold becomes '?'; a CR would split the record.
        QCOMPARE(AnsiText::encodeLines({QString::fromUtf8("aΩ😀"), "a\rb"}, AnsiText::Encoding::CodePage),
                 QByteArray("a???\r\na b\r\n"));
        QCOMPARE(AnsiText::toStorableLine(QString::fromUtf8("Ann\r\nΩ")), QString::fromUtf8("Ann  Ω"));
    }

    void reading_data() {
        // The first record's time, date and name, over "old" ones.
        const Table<QByteArray, Lines, QString, int> table("bytes", "words", "first", "dropped");
        table.row("lines before the first marker", "x\r\n4\r\n:::cat\r\n2\r\n", {"cat"}, "2 old old", 0);
        table.row("no marker", "no\r\nmarker\r\n", {}, "old old old", 0);
        table.row("three colons alone", ":::\r\n1\r\n", {""}, "1 old old", 0);
        table.row("blank before the colons", ":::x\r\n :::y\r\n", {"x"}, " :::y old old", 0);
        table.row("two colons", ":::x\r\n::y\r\n", {"x"}, "::y old old", 0);
        table.row("duplicates load twice", ":::a\r\n:::a\r\n", {"a", "a"}, "old old old", 0);
        table.row("lines past the third ignored", ":::a\r\n1\r\nD\r\nN\r\nx\r\n:::b\r\n", {"a", "b"}, "1 D N", 0);
        table.row("a short record keeps the old name", ":::a\r\n1.5\r\nD\r\n:::b\r\n2\r\n", {"a", "b"}, "1.5 D old", 0);
        table.row("a lone LF stays in its line", ":::a\n1\r\n:::b\r\n", {"a\n1", "b"}, "old old old", 0);
        table.row("LF ends the lines of a file without CR", ":::a\n1\n:::b\n", {"a", "b"}, "1 old old", 0);
        table.row("first 101 of 103", crlf(resultLines(numbered(103, "w%1 %1").join(u';'))), numbered(101, "w%1"),
                  "0 old old", 2);
    }

    void reading() {
        QFETCH(QByteArray, bytes);
        QFETCH(Lines, words);
        QFETCH(QString, first);
        QFETCH(int, dropped);
        RecordTable table;
        table.FastestTime[0] = table.RecordDate[0] = table.RecordName[0] = "old";
        const auto outcome =
            ResultsFormat::readRecords(AnsiText::decodeLines(bytes, AnsiText::Encoding::CodePage), table);
        QCOMPARE(outcome.words, words);
        QCOMPARE(QStringList({table.FastestTime[0], table.RecordDate[0], table.RecordName[0]}).join(u' '), first);
        QCOMPARE(outcome.recordsDropped, dropped);
    }

    void readsInTheEncodingItsBytesShow_data() {
        const Table<QByteArray, Encoding, QString> table("bytes", "readAs", "word");
        const QByteArray mark("\xef\xbb\xbf");
        table.row("ASCII only", record("house"), Encoding::CodePage, "house");
        table.row("code page", record("caf\xe9"), Encoding::CodePage, "café");
        table.row("UTF-8 without a mark", record("caf\xc3\xa9"), Encoding::Utf8, "café");
        table.row("UTF-8 with a mark", mark + record("\xc5\xbc\xc3\xb3\xc5\x82w"), Encoding::Utf8WithBom, "żółw");
        table.row("a mark and ASCII", mark + record("a"), Encoding::Utf8WithBom, "a");
        table.row("invalid UTF-8 is the code page", record("\xc3\xa9") + record("\xe9"), Encoding::CodePage, "Ã©");
        table.row("a sequence cut at the end", record("a") + ":::\xc5\r\n1\r\nD\r\nN\xc5\r\n", Encoding::CodePage, "a");
        table.row("an overlong form", record("\xc0\xaf"), Encoding::CodePage, "À¯");
        table.row("a mark inside a line is a letter", record("a\xef\xbb\xbf"), Encoding::Utf8,
                  QString::fromUtf8("a\xef\xbb\xbf"));
    }

    // Each file reads as its bytes show and is "read whole": written back in the
    // same encoding, it gives the same bytes.
    void readsInTheEncodingItsBytesShow() {
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

    void writesInItsOwnEncodingUnlessTheWordsNeedUtf8_data() {
        // The file as read (none for a new file), a word added to its list, and the file as written.
        const Table<QByteArray, QString, QByteArray> table("bytes", "added", "written");
        const QByteArray mark("\xef\xbb\xbf");
        const QByteArray cafeCodePage(":::caf\xe9\r\n-\r\nna\r\nna\r\n");
        const QByteArray cafeUtf8(":::caf\xc3\xa9\r\n-\r\nna\r\nna\r\n");
        const QByteArray turtle(":::\xc5\xbc\xc3\xb3\xc5\x82w\r\n-\r\nna\r\nna\r\n");
        const QByteArray smorrebrod(":::sm\xf8rrebr\xf8"
                                    "d\r\n-\r\nna\r\nna\r\n");
        table.row("a new file in the code page", QByteArray(), "café", cafeCodePage);
        table.row("a new file beyond the code page", QByteArray(), "żółw", turtle);
        table.row("the code page, byte for byte", cafeCodePage, "smørrebrød", cafeCodePage + smorrebrod);
        table.row("the code page, turned UTF-8 without a mark", cafeCodePage, "żółw", cafeUtf8 + turtle);
        table.row("UTF-8 stays UTF-8", cafeUtf8, "house", cafeUtf8 + ":::house\r\n-\r\nna\r\nna\r\n");
        table.row("UTF-8 keeps its mark", mark + turtle, "café", mark + turtle + cafeUtf8);
        table.row("code-page letters that would read as UTF-8", QByteArray(), "Ã©",
                  QByteArray(":::\xc3\x83\xc2\xa9\r\n-\r\nna\r\nna\r\n"));
    }

    // What a save writes after a word was added: the file's encoding, the code
    // page byte for byte, and UTF-8 (without a mark) only where needed.
    void writesInItsOwnEncodingUnlessTheWordsNeedUtf8() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, added);
        QFETCH(QByteArray, written);
        RecordTable table;
        FakeTextFiles files;
        files.put("results.dat", bytes);
        const ResultsFormat::ReadOutcome outcome = *ResultsFormat::readFile(files, "results.dat", table);
        const int count = int(outcome.words.size());
        table.Words[count] = added;
        table.FastestTime[count] = "-";
        table.RecordDate[count] = table.RecordName[count] = "na";
        const QStringList lines = ResultsFormat::recordLines(table, count + 1);
        QCOMPARE(AnsiText::encodeLines(lines, AnsiText::encodingToWrite(outcome.encoding, lines)), written);
    }
};

QTEST_GUILESS_MAIN(TestResultsFile)
#include "test_resultsfile.moc"
