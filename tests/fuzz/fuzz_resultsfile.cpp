// A results file read the way both windows read it: the encoding its bytes
// show gives back every byte, and what was read survives a save and a second
// read unchanged.
#include "database/resultsformat.h"
#include "platform/ansitext.h"
#include "tests/fuzz/check.h"

#include <QStringDecoder>

#include <cstdint>

namespace {

// The bytes as writing their lines gives them: every line ends in CR LF, the
// last one too; a byte-order mark stays in front. Without any CR, LF ends the
// lines.
QByteArray asWritten(const QByteArray& bytes, AnsiText::Encoding encoding) {
    const QByteArray mark = encoding == AnsiText::Encoding::Utf8WithBom ? QByteArray("\xef\xbb\xbf") : QByteArray();
    QByteArray body = bytes.mid(mark.size());
    if (!body.contains('\r'))
        body.replace('\n', '\r');
    body.replace("\r\n", "\r").replace("\r", "\r\n");
    if (!body.isEmpty() && !body.endsWith("\r\n"))
        body += "\r\n";
    return mark + body;
}

// A byte-order mark makes a file UTF-8 whatever follows it; bytes after it
// that are not UTF-8 read as replacement characters, and the main window
// keeps a copy of such a file before it saves over it.
bool holdsOnlyItsEncoding(const QByteArray& bytes, AnsiText::Encoding encoding) {
    if (encoding != AnsiText::Encoding::Utf8WithBom)
        return true;
    // Stateless, so that a sequence cut off at the end counts as an error.
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    [[maybe_unused]] const QString decoded = decoder(bytes);
    return !decoder.hasError();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const AnsiText::Encoding encoding = AnsiText::detect(bytes);
    const QStringList lines = AnsiText::decodeLines(bytes, encoding);
    check(!holdsOnlyItsEncoding(bytes, encoding) ||
              AnsiText::encodeLines(lines, encoding) == asWritten(bytes, encoding),
          "the encoding read in lost or changed a byte");

    RecordTable table;
    const ResultsFormat::ReadOutcome outcome = ResultsFormat::readRecords(lines, table);
    const int count = int(outcome.words.size());
    check(count <= RecordTable::Slots, "more words than slots");
    check(outcome.markerFound || count == 0, "words without a marker");

    const QStringList saved = ResultsFormat::recordLines(table, count);
    const QByteArray savedBytes = AnsiText::encodeLines(saved, AnsiText::encodingToWrite(encoding, saved));
    RecordTable reread;
    const ResultsFormat::ReadOutcome again =
        ResultsFormat::readRecords(AnsiText::decodeLines(savedBytes, AnsiText::detect(savedBytes)), reread);
    check(again.words == outcome.words && again.recordsDropped == 0 &&
              ResultsFormat::recordLines(reread, count) == saved,
          "the saved records read back differently");
    return 0;
}
