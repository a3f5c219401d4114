#include "database/resultsformat.h"

#include "platform/ansitext.h"
#include "platform/syncedfiles.h"
#include "platform/textfiles.h"

namespace ResultsFormat {

QString ownFileName() {
    return QStringLiteral("results-%1.dat").arg(SyncedFiles::computerName());
}

bool isComputerFile(const QString& fileName) {
    return fileName.startsWith(QStringLiteral("results-")) && fileName.endsWith(QStringLiteral(".dat")) &&
           !SyncedFiles::conflictOriginal(fileName);
}

bool isMarkerLine(const QString& line) {
    return line.startsWith(Marker);
}

RecordReader::RecordReader(RecordTable& table)
    : m_table(table) {}

void RecordReader::addLine(const QString& line) {
    if (isMarkerLine(line)) {
        m_outcome.markerFound = true;
        ++m_index;
        if (RecordTable::isSlot(m_index)) {
            m_table.Words[m_index] = line.mid(Marker.size());
            m_outcome.words.append(m_table.Words[m_index]);
        } else {
            ++m_outcome.recordsDropped;
        }
        m_lineNumber = 1;
        return;
    }
    if (!m_outcome.markerFound || !RecordTable::isSlot(m_index))
        return;
    switch (m_lineNumber) {
    case 1:
        m_table.FastestTime[m_index] = line;
        break;
    case 2:
        m_table.RecordDate[m_index] = line;
        break;
    case 3:
        m_table.RecordName[m_index] = line;
        break;
    default:
        break;
    }
    // Past the third line the number no longer matters; keep it from growing
    // without bound on huge records.
    if (m_lineNumber <= 3)
        ++m_lineNumber;
}

ReadOutcome readRecords(const QStringList& lines, RecordTable& table) {
    RecordReader reader(table);
    for (const QString& line : lines)
        reader.addLine(line);
    return reader.outcome();
}

std::optional<ReadOutcome> readFile(const TextFiles& files, const QString& path, RecordTable& table) {
    const std::optional<QByteArray> bytes = files.readBytes(path);
    if (!bytes)
        return std::nullopt;
    RecordReader reader(table);
    const AnsiText::Encoding encoding = AnsiText::detect(*bytes);
    AnsiText::forEachLine(*bytes, encoding, [&reader](const QString& line) { reader.addLine(line); });
    ReadOutcome outcome = reader.outcome();
    outcome.encoding = encoding;
    outcome.readWhole = outcome.recordsDropped == 0 &&
                        AnsiText::encodeLines(recordLines(table, int(outcome.words.size())), encoding) == *bytes;
    return outcome;
}

QStringList recordLines(const RecordTable& table, int count) {
    QStringList lines;
    for (int i = 0; i < count && RecordTable::isSlot(i); ++i)
        lines << Marker + table.Words[i] << table.FastestTime[i] << table.RecordDate[i] << table.RecordName[i];
    return lines;
}

} // namespace ResultsFormat
