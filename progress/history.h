#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// One wrong beginning: the letter the word expected at a position (counted
// from 1, in letters) and the letter typed instead. A letter typed past the
// end of the word expects nothing (0).
struct Mistake {
    qint32 position = 0;
    char32_t expected = 0;
    char32_t typed = 0;

    friend bool operator==(const Mistake&, const Mistake&) = default;
};

// One finished word, as history.csv keeps it.
struct Attempt {
    static constexpr qint32 NoMilliseconds = -1;

    QDateTime when; // local time with its UTC offset; read back in UTC
    QString word;
    QString seconds; // as the last score showed it
    double secondsValue = 0.0;
    int letters = 0;
    int fixes = 0;
    bool record = false;
    // The time on a monotonic clock; lines written before it was kept have none.
    qint32 milliseconds = NoMilliseconds;
    // Whether the line kept mistakes at all: older lines did not.
    bool mistakesKept = false;
    QList<Mistake> mistakes; // in the order they happened

    // The most exact time the line holds, in seconds.
    double measuredSeconds() const { return milliseconds == NoMilliseconds ? secondsValue : milliseconds / 1000.0; }
};

// history.csv and each computer's history: one line per finished word, UTF-8, fields quoted by RFC 4180
// rules, lines ended by CR LF. Nothing is ever rewritten; a newer version may
// add columns at the end of a line.
namespace History {

// The history kept by earlier versions, which every computer added to.
inline const QString FileName = QStringLiteral("history.csv");

// This computer's history, history-<computer>.csv: each computer adds its
// finished words to its own file, so that a sync engine never has two
// versions of one history to choose from.
QString ownFileName();
// Of the names of the files in the working folder, those that together hold
// the history: history.csv first, then every computer's own, never a
// conflict copy.
QStringList files(const QStringList& fileNames);

// This computer's folded history, folded-history-<computer>.csv: the
// attempts it took in from a sync engine's conflict copies of a history. Two
// computers may each take in the same copy before either sees the other's
// fold, so the folded histories are read together by foldedTogether().
QString ownFoldedFileName();
// Of the names of the files in the working folder, every computer's folded
// history.
QStringList foldedFiles(const QStringList& fileNames);
// The folded histories as the bytes of one history: each line as many times
// as the one file holding it most often has it, so that an attempt folded in
// by two computers counts once and two alike attempts of one file twice.
QByteArray foldedTogether(const QList<QByteArray>& histories);

// The line that names the columns, written first into a new file.
QByteArray headerLine();
// One attempt as a line, line break included.
QByteArray line(const Attempt& attempt);

// Every attempt the bytes hold, in file order. The header, a line cut short
// by a crash and any other line whose first six columns do not read as an
// attempt are skipped; a seventh or eighth column that does not read counts
// as not kept; columns after the eighth are ignored.
QList<Attempt> read(const QByteArray& bytes);
// The same, one attempt at a time, for a reader that keeps them otherwise.
// The moments read are kept in UTC.
void forEach(const QByteArray& bytes, const std::function<void(Attempt&& attempt)>& each);

class RecordSplitter;
class SharedTexts;

// The same for a file read in parts, so that it need not be held whole: a
// line may go on from one part into the next.
class Reader {
public:
    explicit Reader(std::function<void(Attempt&& attempt)> each);
    ~Reader();
    void read(QByteArrayView part);
    // The file has ended: its last line, unended, is read if it reads whole.
    void finish();

private:
    qsizetype split(const char* data, qsizetype size, bool last);

    std::unique_ptr<RecordSplitter> m_splitter;
    std::unique_ptr<SharedTexts> m_texts;
    std::function<void(Attempt&& attempt)> m_each;
    QByteArray m_pending; // the bytes whose end must be seen first
};

// The mistakes column: "3:e>r 5:t>y", "4:>s" for a letter past the end.
QString mistakesText(const QList<Mistake>& mistakes);
// The notes of a mistakes column; nothing when any of it does not read.
std::optional<QList<Mistake>> readMistakes(QByteArrayView utf8);

} // namespace History
