// Bytes of a results file, read the way the main window and the Update
// Results window read them. Besides not crashing, whatever was read must
// survive a save and a second read unchanged, and the code page must give
// back every byte it was handed.
#include "ansitext.h"
#include "recordtable.h"
#include "resultsformat.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

// The bytes as the writer puts them back: every line end (CR, or CR LF)
// becomes CR LF, and a last line without an end gets one.
QByteArray withWrittenLineEnds(const QByteArray& bytes) {
    QByteArray result;
    result.reserve(bytes.size() + 2);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r') {
            result += "\r\n";
            if (i + 1 < bytes.size() && bytes[i + 1] == '\n')
                ++i;
        } else {
            result += bytes[i];
        }
    }
    if (!result.isEmpty() && !result.endsWith("\r\n"))
        result += "\r\n";
    return result;
}

bool sameSlots(const RecordTable& a, const RecordTable& b, int count) {
    for (int i = 0; i < count; ++i) {
        if (a.Words[i] != b.Words[i] || a.FastestTime[i] != b.FastestTime[i] || a.RecordDate[i] != b.RecordDate[i] ||
            a.RecordName[i] != b.RecordName[i])
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = AnsiText::decodeLines(bytes);
    for (const QString& line : lines)
        check(!line.contains(u'\r'), "a line holds a CR");
    check(AnsiText::encodeLines(lines) == withWrittenLineEnds(bytes), "the code page lost or changed a byte");

    RecordTable table;
    const ResultsFormat::ReadOutcome outcome = ResultsFormat::readRecords(lines, table);
    const int count = int(outcome.words.size());
    check(count <= RecordTable::Slots, "more words than slots");
    check(outcome.markerFound || count == 0, "words without a marker");
    for (int i = 0; i < count; ++i)
        check(outcome.words[i] == table.Words[i], "list and table disagree");

    // Save what was read and read it again.
    const QStringList written = ResultsFormat::recordLines(table, count);
    check(written.size() == 4 * count, "not four lines per record");
    RecordTable reread;
    const ResultsFormat::ReadOutcome again =
        ResultsFormat::readRecords(AnsiText::decodeLines(AnsiText::encodeLines(written)), reread);
    check(again.words == outcome.words && again.recordsDropped == 0, "the saved words read back differently");
    check(sameSlots(table, reread, count), "the saved records read back differently");
    return 0;
}
