#include "resultsformat.h"

namespace ResultsFormat {

bool isMarkerLine(const QString& line) {
    return line.startsWith(Marker);
}

ReadOutcome readRecords(const QStringList& lines, RecordTable& table) {
    ReadOutcome outcome;
    int index = -1;
    int lineNumber = 0;
    for (const QString& line : lines) {
        if (isMarkerLine(line)) {
            outcome.markerFound = true;
            ++index;
            if (RecordTable::isSlot(index)) {
                table.Words[index] = line.mid(Marker.size());
                outcome.words.append(table.Words[index]);
            } else {
                ++outcome.recordsDropped;
            }
            lineNumber = 1;
            continue;
        }
        if (!outcome.markerFound || !RecordTable::isSlot(index)) {
            continue;
        }
        switch (lineNumber) {
        case 1:
            table.FastestTime[index] = line;
            break;
        case 2:
            table.RecordDate[index] = line;
            break;
        case 3:
            table.RecordName[index] = line;
            break;
        default:
            break;
        }
        // Past the third line the number no longer matters; keep it from
        // growing without bound on huge records.
        if (lineNumber <= 3)
            ++lineNumber;
    }
    return outcome;
}

QStringList recordLines(const RecordTable& table, int count) {
    QStringList lines;
    for (int i = 0; i < count && RecordTable::isSlot(i); ++i) {
        lines << Marker + table.Words[i] << table.FastestTime[i] << table.RecordDate[i] << table.RecordName[i];
    }
    return lines;
}

} // namespace ResultsFormat
