#include "progress/history.h"

#include "platform/syncedfiles.h"

#include <QHash>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const QString Columns[] = {QStringLiteral("date"),         QStringLiteral("word"),    QStringLiteral("seconds"),
                           QStringLiteral("letters"),      QStringLiteral("fixes"),   QStringLiteral("record"),
                           QStringLiteral("milliseconds"), QStringLiteral("mistakes")};
// Lines written before the last two columns were added have only these.
constexpr int FirstColumns = 6;
enum Column { MillisecondsColumn = 6, MistakesColumn = 7 };

QString quoted(const QString& field) {
    static const QString special = QStringLiteral(",\"\r\n");
    if (std::none_of(field.begin(), field.end(), [](QChar c) { return special.contains(c); }))
        return field;
    QString text = field;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QByteArray joined(const QStringList& fields) {
    QStringList quotedFields;
    for (const QString& field : fields)
        quotedFields << quoted(field);
    return quotedFields.join(QLatin1Char(',')).toUtf8() + "\r\n";
}

bool isLineBreak(char c) {
    return c == '\n' || c == '\r';
}

// Whether a line starts at i with the date of an attempt ("2026-12-05T").
bool startsAttempt(const char* data, qsizetype size, qsizetype i) {
    static constexpr char shape[] = "0000-00-00T";
    constexpr qsizetype length = sizeof shape - 1;
    if (i + length > size)
        return false;
    for (qsizetype k = 0; k < length; ++k) {
        const char c = data[i + k];
        if (shape[k] == '0' ? c < '0' || c > '9' : c != shape[k])
            return false;
    }
    return true;
}

// The bytes after a line break that tell whether it ends a line torn inside
// quotes: its LF and an attempt's date.
constexpr qsizetype LookAhead = 12;

} // namespace

namespace History {

// Splits the text into records of fields by RFC 4180: a quoted field may hold
// commas, doubled quotes and line breaks. A line break ends a record whether
// it is CR LF or LF alone. The text stays in UTF-8, whose letters never hold
// these marks' bytes; the fields are kept for the next record, so that a
// million lines do not make a million times eight texts. The text comes in
// parts; a record may go on into the next one.
class RecordSplitter {
public:
    // Splits the part up to where the bytes after it are needed to tell how
    // it goes on, and returns how far that is; the last part whole. Each
    // record read is handed over with its count of fields.
    template <typename EachRecord> qsizetype split(const char* data, qsizetype size, bool last, EachRecord eachRecord) {
        for (qsizetype i = 0; i < size; ++i) {
            const char c = data[i];
            // Neither a doubled quote nor CR LF can be told at the end of a part.
            if (!last && i + 1 == size && (c == '"' || c == '\r'))
                return i;
            // A line cut short inside a quoted word must not take the lines
            // after it along: a line break before an attempt's date ends it.
            if (m_inQuotes && isLineBreak(c)) {
                if (!last && i + LookAhead > size)
                    return i;
                const qsizetype next = i + (c == '\r' && i + 1 < size && data[i + 1] == '\n' ? 2 : 1);
                m_inQuotes = !startsAttempt(data, size, next);
            }
            if (m_inQuotes) {
                if (c != '"')
                    m_fields[m_count] += c;
                else if (i + 1 < size && data[i + 1] == '"')
                    m_fields[m_count] += data[++i];
                else
                    m_inQuotes = false;
            } else if (c == '"') {
                m_inQuotes = true;
            } else if (c == ',') {
                nextField();
            } else if (isLineBreak(c)) {
                if (c == '\r' && i + 1 < size && data[i + 1] == '\n')
                    ++i;
                eachRecord(m_fields, m_count + 1);
                m_count = -1;
                nextField();
            } else {
                // The letters up to the next mark, at once.
                qsizetype end = i + 1;
                while (end < size && data[end] != ',' && data[end] != '"' && !isLineBreak(data[end]))
                    ++end;
                m_fields[m_count].append(data + i, end - i);
                i = end - 1;
            }
        }
        // A last line without its line break was cut short unless it reads whole.
        if (last && (m_count > 0 || !m_fields[0].isEmpty())) {
            eachRecord(m_fields, m_count + 1);
            m_count = 0;
            m_fields[0].resize(0);
        }
        return size;
    }

private:
    void nextField() {
        if (++m_count == m_fields.size())
            m_fields.emplaceBack();
        m_fields[m_count].resize(0);
    }

    QList<QByteArray> m_fields = QList<QByteArray>(1);
    qsizetype m_count = 0; // the fields before the one being read
    bool m_inQuotes = false;
};

// The texts of fields, each different one made once: the same word on a
// million lines then takes the memory of one.
class SharedTexts {
public:
    QString operator()(const QByteArray& bytes) {
        auto found = m_texts.constFind(bytes);
        if (found == m_texts.cend())
            found = m_texts.insert(bytes, QString::fromUtf8(bytes));
        return *found;
    }

private:
    QHash<QByteArray, QString> m_texts;
};

} // namespace History

namespace {

int twoDigits(const char* digits) {
    return (digits[0] - '0') * 10 + (digits[1] - '0');
}

// The moment a date column names, in UTC, which keeps it in the QDateTime
// itself. The form the program writes ("2026-12-05T18:22:05+01:00") is read
// here directly: through the general parser a million lines took a second.
QDateTime readMoment(const QByteArray& text) {
    static constexpr char shape[] = "0000-00-00T00:00:00+00:00";
    bool written = text.size() == qsizetype(sizeof shape - 1) && (text[19] == '+' || text[19] == '-');
    for (qsizetype k = 0; written && k < text.size(); ++k)
        written = shape[k] == '0' ? text[k] >= '0' && text[k] <= '9' : k == 19 || text[k] == shape[k];
    if (!written)
        return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate).toUTC();
    const char* d = text.constData();
    const QDate date(twoDigits(d) * 100 + twoDigits(d + 2), twoDigits(d + 5), twoDigits(d + 8));
    const QTime time(twoDigits(d + 11), twoDigits(d + 14), twoDigits(d + 17));
    const int offsetMinutes = twoDigits(d + 20) * 60 + twoDigits(d + 23);
    if (!date.isValid() || !time.isValid() || twoDigits(d + 23) > 59)
        return QDateTime();
    return QDateTime(date, time, Qt::UTC).addSecs(qint64(d[19] == '-' ? offsetMinutes : -offsetMinutes) * 60);
}

bool readNumber(const QByteArray& text, int* value) {
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= 0;
}

// The local date and time with its offset from UTC written out, "+00:00"
// included, so that the line says which moment it was wherever it is read.
QString isoDateTime(const QDateTime& when) {
    const int offsetMinutes = when.offsetFromUtc() / 60;
    const int minutes = std::abs(offsetMinutes);
    return when.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + QLatin1Char(offsetMinutes < 0 ? '-' : '+') +
           QStringLiteral("%1:%2")
               .arg(minutes / 60, 2, 10, QLatin1Char('0'))
               .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

bool isDigit(const QList<uint>& letters, qsizetype i) {
    return i < letters.size() && letters[i] >= U'0' && letters[i] <= U'9';
}

// A note ends with the text or with the blank before the next note's position.
bool endsNote(const QList<uint>& letters, qsizetype i) {
    return i == letters.size() || (letters[i] == U' ' && isDigit(letters, i + 1));
}

QString letterText(char32_t letter) {
    return letter ? QString::fromUcs4(&letter, 1) : QString();
}

} // namespace

namespace History {

QString ownFileName() {
    return QStringLiteral("history-%1.csv").arg(SyncedFiles::computerName());
}

QStringList files(const QStringList& fileNames) {
    QStringList found;
    if (fileNames.contains(FileName))
        found << FileName;
    for (const QString& name : fileNames) {
        if (name.startsWith(QStringLiteral("history-")) && name.endsWith(QStringLiteral(".csv")) &&
            !SyncedFiles::conflictOriginal(name))
            found << name;
    }
    return found;
}

QString ownFoldedFileName() {
    return QStringLiteral("folded-history-%1.csv").arg(SyncedFiles::computerName());
}

QStringList foldedFiles(const QStringList& fileNames) {
    QStringList found;
    for (const QString& name : fileNames) {
        if (name.startsWith(QStringLiteral("folded-history-")) && name.endsWith(QStringLiteral(".csv")) &&
            !SyncedFiles::conflictOriginal(name))
            found << name;
    }
    return found;
}

QByteArray foldedTogether(const QList<QByteArray>& histories) {
    QByteArray together;
    QHash<QByteArray, int> most; // of each line, the most times one history had it so far
    for (const QByteArray& history : histories) {
        QHash<QByteArray, int> times;
        // The moments are read in UTC: the same attempt folded in two time zones makes one line.
        forEach(history, [&](Attempt&& attempt) {
            const QByteArray attemptLine = line(attempt);
            const int seen = ++times[attemptLine];
            if (seen > most.value(attemptLine)) {
                most[attemptLine] = seen;
                together += attemptLine;
            }
        });
    }
    return together;
}

QByteArray headerLine() {
    return joined(QStringList(std::begin(Columns), std::end(Columns)));
}

QByteArray line(const Attempt& attempt) {
    return joined({isoDateTime(attempt.when), attempt.word, attempt.seconds, QString::number(attempt.letters),
                   QString::number(attempt.fixes), attempt.record ? QStringLiteral("1") : QStringLiteral("0"),
                   attempt.milliseconds == Attempt::NoMilliseconds ? QString() : QString::number(attempt.milliseconds),
                   mistakesText(attempt.mistakes)});
}

Reader::Reader(std::function<void(Attempt&& attempt)> each)
    : m_splitter(std::make_unique<RecordSplitter>())
    , m_texts(std::make_unique<SharedTexts>())
    , m_each(std::move(each)) {}

Reader::~Reader() = default;

void Reader::read(QByteArrayView part) {
    if (m_pending.isEmpty()) {
        const qsizetype done = split(part.data(), part.size(), false);
        m_pending = QByteArray(part.data() + done, part.size() - done);
    } else {
        m_pending += part;
        m_pending.remove(0, split(m_pending.constData(), m_pending.size(), false));
    }
}

void Reader::finish() {
    split(m_pending.constData(), m_pending.size(), true);
    m_pending.clear();
}

qsizetype Reader::split(const char* data, qsizetype size, bool last) {
    return m_splitter->split(data, size, last, [this](const QList<QByteArray>& fields, qsizetype count) {
        if (count < FirstColumns)
            return;
        Attempt attempt;
        attempt.when = readMoment(fields[0]);
        bool secondsRead = false;
        attempt.secondsValue = fields[2].toDouble(&secondsRead);
        const QByteArray& record = fields[5];
        // toDouble() also reads "nan" and "inf", which no attempt took.
        if (!attempt.when.isValid() || !secondsRead || !std::isfinite(attempt.secondsValue) ||
            attempt.secondsValue < 0 || !readNumber(fields[3], &attempt.letters) ||
            !readNumber(fields[4], &attempt.fixes) || (record != "0" && record != "1"))
            return;
        attempt.word = (*m_texts)(fields[1]);
        attempt.seconds = (*m_texts)(fields[2]);
        attempt.record = record == "1";
        if (count > MillisecondsColumn) {
            bool millisecondsRead = false;
            const qint32 milliseconds = fields[MillisecondsColumn].toInt(&millisecondsRead);
            if (millisecondsRead && milliseconds >= 0)
                attempt.milliseconds = milliseconds;
        }
        if (count > MistakesColumn) {
            if (std::optional<QList<Mistake>> mistakes = readMistakes(QString::fromUtf8(fields[MistakesColumn]))) {
                attempt.mistakesKept = true;
                attempt.mistakes = std::move(*mistakes);
            }
        }
        m_each(std::move(attempt));
    });
}

void forEach(const QByteArray& bytes, const std::function<void(Attempt&& attempt)>& each) {
    Reader reader(each);
    reader.read(bytes);
    reader.finish();
}

QList<Attempt> read(const QByteArray& bytes) {
    QList<Attempt> attempts;
    forEach(bytes, [&attempts](Attempt&& attempt) { attempts << std::move(attempt); });
    return attempts;
}

QString mistakesText(const QList<Mistake>& mistakes) {
    QStringList notes;
    for (const Mistake& mistake : mistakes)
        notes << QString::number(mistake.position) + QLatin1Char(':') + letterText(mistake.expected) +
                     QLatin1Char('>') + letterText(mistake.typed);
    return notes.join(QLatin1Char(' '));
}

std::optional<QList<Mistake>> readMistakes(const QString& text) {
    QList<Mistake> mistakes;
    const QList<uint> letters = text.toUcs4();
    const qsizetype size = letters.size();
    qsizetype i = 0;
    while (i < size) {
        Mistake mistake;
        const qsizetype start = i;
        // Nine digits at most, so that the position cannot overflow.
        while (isDigit(letters, i) && i - start < 9)
            mistake.position = mistake.position * 10 + qint32(letters[i++] - U'0');
        if (i == start || mistake.position < 1 || i >= size || letters[i++] != U':')
            return std::nullopt;
        // "e>r" or, for a letter past the end, ">s". Either letter may itself
        // be a '>' or a blank, so a form counts only where a note ends after it.
        if (i + 2 < size && letters[i + 1] == U'>' && endsNote(letters, i + 3)) {
            mistake.expected = letters[i];
            mistake.typed = letters[i + 2];
            i += 3;
        } else if (i + 1 < size && letters[i] == U'>' && endsNote(letters, i + 2)) {
            mistake.typed = letters[i + 1];
            i += 2;
        } else {
            return std::nullopt;
        }
        mistakes << mistake;
        // The blank between two notes.
        i += i < size;
    }
    return mistakes;
}

} // namespace History
