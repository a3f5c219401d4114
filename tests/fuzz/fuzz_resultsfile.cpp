// A results file read the way both windows read it: the code page gives back every byte, and
// what was read survives a save and a second read unchanged.
#include "platform/ansitext.h"
#include "database/resultsformat.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList lines = AnsiText::decodeLines(bytes);
    // Written back, every line ends in CR LF, the last one too.
    QByteArray written = QByteArray(bytes).replace("\r\n", "\r").replace("\r", "\r\n");
    if (!written.isEmpty() && !written.endsWith("\r\n"))
        written += "\r\n";
    check(AnsiText::encodeLines(lines) == written, "the code page lost or changed a byte");

    RecordTable table;
    const ResultsFormat::ReadOutcome outcome = ResultsFormat::readRecords(lines, table);
    const int count = int(outcome.words.size());
    check(count <= RecordTable::Slots, "more words than slots");
    check(outcome.markerFound || count == 0, "words without a marker");

    const QStringList saved = ResultsFormat::recordLines(table, count);
    RecordTable reread;
    const ResultsFormat::ReadOutcome again =
        ResultsFormat::readRecords(AnsiText::decodeLines(AnsiText::encodeLines(saved)), reread);
    check(again.words == outcome.words && again.recordsDropped == 0 &&
              ResultsFormat::recordLines(reread, count) == saved,
          "the saved records read back differently");
    return 0;
}
