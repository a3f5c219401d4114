#pragma once

#include "database/recordtable.h"
#include "platform/ansitext.h"

#include <QStringList>

#include <optional>

class TextFiles;

// The records file: four lines per word, ":::" + word, fastest time, record
// date, record name.
namespace ResultsFormat {

inline const QString Marker = QStringLiteral(":::");
// The main window's words and records, in its working folder.
inline const QString FileName = QStringLiteral("results.dat");
// This computer's copy of its words and records, results-<computer>.dat,
// written beside results.dat at each save and written by no other computer:
// whatever a sync engine makes of results.dat, each computer's records
// survive in its own file, and every computer folds them all in.
QString ownFileName();
// Whether a file of the working folder is some computer's own copy.
bool isComputerFile(const QString& fileName);

// Where a results file that could not be taken whole is kept before it is
// replaced: results.dat.bak, or <Source 2>.bak.
inline QString copyPathOf(const QString& path) {
    return path + QStringLiteral(".bak");
}

bool isMarkerLine(const QString& line);

struct ReadOutcome {
    bool markerFound = false;
    // The words read into slots 0.., in file order, at most 101: the entries
    // of the list that shows the table.
    QStringList words;
    // Records after the 101st, skipped whole.
    int recordsDropped = 0;
    // Whether writing the records back gives the file's bytes again, so that
    // the file can be replaced without losing anything (readFile only).
    bool readWhole = false;
    // What the file was read as, and is written back in unless its words
    // and names no longer fit (AnsiText::encodingToWrite).
    AnsiText::Encoding encoding = AnsiText::Encoding::CodePage;
};

// Reads lines, one at a time, into the table. Only the slots and columns that
// the lines supply are written: a record with fewer than three lines after
// its marker leaves the rest of its slot as it was, and lines before the
// first marker or after a record's third line are ignored.
class RecordReader {
public:
    explicit RecordReader(RecordTable& table);
    void addLine(const QString& line);
    const ReadOutcome& outcome() const { return m_outcome; }

private:
    RecordTable& m_table;
    ReadOutcome m_outcome;
    int m_index = -1;
    int m_lineNumber = 0;
};

ReadOutcome readRecords(const QStringList& lines, RecordTable& table);

// Reads a results file into the table, in the encoding its bytes show;
// nothing, with the table untouched, when the file cannot be read.
std::optional<ReadOutcome> readFile(const TextFiles& files, const QString& path, RecordTable& table);

// The lines of slots 0 to count-1, four per slot.
QStringList recordLines(const RecordTable& table, int count);

} // namespace ResultsFormat
