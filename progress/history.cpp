#include "progress/history.h"

#include "platform/syncedfiles.h"

#include <QHash>
#include <QStringList>
#include <QVarLengthArray>

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

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
// these marks' bytes, and a field is handed over as the bytes it is in the
// text unless quotes made it a copy: a million lines then make no texts at
// all. The text comes in parts; a record may go on into the next one, which
// the caller gives together with the bytes of the record begun.
class RecordSplitter {
public:
    // The fields kept of each record; those after them are only counted.
    static constexpr qsizetype KeptFields = std::size(Columns);

    // Splits the records the bytes end, up to where the bytes after them are
    // needed to tell how the text goes on, or the last part whole. Each record
    // is handed over with its count of fields. Returns where the record not
    // yet ended begins: the bytes from there on are to be given again, with
    // the next part after them.
    template <typename EachRecord> qsizetype split(const char* data, qsizetype size, bool last, EachRecord eachRecord) {
        qsizetype recordStart = 0;
        qsizetype i = m_resume;
        for (; i < size; ++i) {
            const char c = data[i];
            // Neither a doubled quote nor CR LF can be told at the end of a part.
            if (!last && i + 1 == size && (c == '"' || c == '\r'))
                break;
            // A line cut short inside a quoted word must not take the lines
            // after it along: a line break before an attempt's date ends it.
            if (m_inQuotes && isLineBreak(c)) {
                if (!last && i + LookAhead > size)
                    break;
                const qsizetype next = i + (c == '\r' && i + 1 < size && data[i + 1] == '\n' ? 2 : 1);
                m_inQuotes = !startsAttempt(data, size, next);
            }
            if (m_inQuotes) {
                if (c != '"')
                    appendQuoted(c);
                else if (i + 1 < size && data[i + 1] == '"')
                    appendQuoted(data[++i]);
                else
                    m_inQuotes = false;
            } else if (c == '"') {
                startQuotes(data);
                m_inQuotes = true;
            } else if (c == ',') {
                nextField(i + 1);
            } else if (isLineBreak(c)) {
                if (c == '\r' && i + 1 < size && data[i + 1] == '\n')
                    ++i;
                handOver(data, eachRecord);
                recordStart = i + 1;
                startRecord(recordStart);
            } else {
                // The letters up to the next mark, at once.
                qsizetype end = i + 1;
                while (end < size && data[end] != ',' && data[end] != '"' && !isLineBreak(data[end]))
                    ++end;
                appendLetters(data, i, end);
                i = end - 1;
            }
        }
        if (last) {
            // A last line without its line break was cut short unless it reads whole.
            if (m_count > 0 || !view(data, 0).isEmpty())
                handOver(data, eachRecord);
            startRecord(0);
            m_resume = 0;
            return size;
        }
        // The record begun is given again from its start.
        for (qsizetype k = 0; k <= std::min(m_count, KeptFields - 1); ++k) {
            m_fields[k].start -= recordStart;
            m_fields[k].end -= recordStart;
        }
        m_resume = i - recordStart;
        return recordStart;
    }

private:
    // A field: the bytes from start to end, or, once quotes were met in it,
    // a copy of what it holds.
    struct Field {
        qsizetype start = 0;
        qsizetype end = 0;
        bool copied = false;
        QByteArray copy;
    };

    Field* current() { return m_count < KeptFields ? &m_fields[m_count] : nullptr; }
    void openField(qsizetype at) {
        if (Field* field = current()) {
            field->start = field->end = at;
            field->copied = false;
        }
    }
    void startRecord(qsizetype at) {
        m_count = 0;
        openField(at);
    }
    void nextField(qsizetype at) {
        ++m_count;
        openField(at);
    }
    void appendLetters(const char* data, qsizetype from, qsizetype to) {
        if (Field* field = current()) {
            if (field->copied)
                field->copy.append(data + from, to - from);
            else
                field->end = to;
        }
    }
    void startQuotes(const char* data) {
        Field* field = current();
        if (field && !field->copied) {
            field->copy.resize(0);
            field->copy.append(data + field->start, field->end - field->start);
            field->copied = true;
        }
    }
    void appendQuoted(char c) {
        if (Field* field = current())
            field->copy += c;
    }
    QByteArrayView view(const char* data, qsizetype k) const {
        const Field& field = m_fields[k];
        return field.copied ? QByteArrayView(field.copy) : QByteArrayView(data + field.start, field.end - field.start);
    }
    template <typename EachRecord> void handOver(const char* data, EachRecord& eachRecord) {
        std::array<QByteArrayView, KeptFields> fields;
        for (qsizetype k = 0; k <= std::min(m_count, KeptFields - 1); ++k)
            fields[k] = view(data, k);
        eachRecord(fields, m_count + 1);
    }

    std::array<Field, KeptFields> m_fields;
    qsizetype m_count = 0; // the fields before the one being read
    bool m_inQuotes = false;
    qsizetype m_resume = 0; // where the bytes given again are read on from
};

// The texts of fields, each different one made once: the same word on a
// million lines then takes the memory of one.
class SharedTexts {
public:
    QString operator()(QByteArrayView bytes) {
        // The bytes are looked up where they are, and copied only when new;
        // the standard library's hash takes a fraction of the time of Qt's.
        const std::string_view key(bytes.data(), size_t(bytes.size()));
        auto found = m_texts.find(key);
        if (found == m_texts.end())
            found = m_texts.emplace(key, QString::fromUtf8(bytes)).first;
        return found->second;
    }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(std::string_view bytes) const { return std::hash<std::string_view>()(bytes); }
    };
    std::unordered_map<std::string, QString, Hash, std::equal_to<>> m_texts;
};

} // namespace History

namespace {

int twoDigits(const char* digits) {
    return (digits[0] - '0') * 10 + (digits[1] - '0');
}

// The moment a date column names, in UTC, which keeps it in the QDateTime
// itself. The form the program writes ("2026-12-05T18:22:05+01:00") is read
// here directly: through the general parser a million lines took a second.
QDateTime readMoment(QByteArrayView text) {
    static constexpr char shape[] = "0000-00-00T00:00:00+00:00";
    bool written = text.size() == qsizetype(sizeof shape - 1) && (text[19] == '+' || text[19] == '-');
    for (qsizetype k = 0; written && k < text.size(); ++k)
        written = shape[k] == '0' ? text[k] >= '0' && text[k] <= '9' : k == 19 || text[k] == shape[k];
    if (!written)
        return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate).toUTC();
    const char* d = text.data();
    const int year = twoDigits(d) * 100 + twoDigits(d + 2);
    const int month = twoDigits(d + 5);
    const int day = twoDigits(d + 8);
    const int hour = twoDigits(d + 11);
    const int minute = twoDigits(d + 14);
    const int second = twoDigits(d + 17);
    const int offsetMinutes = twoDigits(d + 20) * 60 + twoDigits(d + 23);
    if (!QDate::isValid(year, month, day) || !QTime::isValid(hour, minute, second) || twoDigits(d + 23) > 59)
        return QDateTime();
    // Counted in days from 1970, which QDate would reach by its own longer way.
    const qint64 days = std::chrono::sys_days(std::chrono::year(year) / month / day).time_since_epoch().count();
    const qint64 seconds = ((days * 24 + hour) * 60 + minute) * 60 + second;
    return QDateTime::fromMSecsSinceEpoch((seconds + qint64(d[19] == '-' ? offsetMinutes : -offsetMinutes) * 60) * 1000,
                                          Qt::UTC);
}

// A count as written: digits alone, or what else toInt() reads.
bool readNumber(QByteArrayView text, int* value) {
    if (!text.isEmpty() && text.size() <= 9 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        *value = 0;
        for (char c : text)
            *value = *value * 10 + (c - '0');
        return true;
    }
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= 0;
}

// Seconds as written ("3.4"), or what else toDouble() reads. Up to 15
// digits the number and the power of ten are exact, so that the one division
// rounds as toDouble() does.
double readSeconds(QByteArrayView text, bool* ok) {
    const qsizetype point = text.indexOf('.');
    const qsizetype digits = text.size() - (point >= 0);
    qint64 number = 0;
    bool plain = digits > 0 && digits <= 15;
    for (qsizetype k = 0; plain && k < text.size(); ++k) {
        if (k != point) {
            plain = text[k] >= '0' && text[k] <= '9';
            number = number * 10 + (text[k] - '0');
        }
    }
    if (!plain)
        return text.toDouble(ok);
    static constexpr double powers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                        1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    *ok = true;
    return double(number) / powers[point >= 0 ? text.size() - 1 - point : 0];
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

using Letters = std::span<const uint>;

bool isDigit(Letters letters, qsizetype i) {
    return i < qsizetype(letters.size()) && letters[i] >= U'0' && letters[i] <= U'9';
}

// A note ends with the text or with the blank before the next note's position.
bool endsNote(Letters letters, qsizetype i) {
    return i == qsizetype(letters.size()) || (letters[i] == U' ' && isDigit(letters, i + 1));
}

std::optional<QList<Mistake>> readNotes(Letters letters) {
    QList<Mistake> mistakes;
    const auto size = qsizetype(letters.size());
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
    return m_splitter->split(data, size, last, [this](const auto& fields, qsizetype count) {
        if (count < FirstColumns)
            return;
        Attempt attempt;
        attempt.when = readMoment(fields[0]);
        bool secondsRead = false;
        attempt.secondsValue = readSeconds(fields[2], &secondsRead);
        const QByteArrayView record = fields[5];
        // toDouble() also reads "nan" and "inf", which no attempt took.
        if (!attempt.when.isValid() || !secondsRead || !std::isfinite(attempt.secondsValue) ||
            attempt.secondsValue < 0 || !readNumber(fields[3], &attempt.letters) ||
            !readNumber(fields[4], &attempt.fixes) || (record != "0" && record != "1"))
            return;
        attempt.word = (*m_texts)(fields[1]);
        attempt.seconds = (*m_texts)(fields[2]);
        attempt.record = record == "1";
        if (count > MillisecondsColumn) {
            int milliseconds = 0;
            if (readNumber(fields[MillisecondsColumn], &milliseconds))
                attempt.milliseconds = milliseconds;
        }
        if (count > MistakesColumn) {
            if (std::optional<QList<Mistake>> mistakes = readMistakes(fields[MistakesColumn])) {
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

std::optional<QList<Mistake>> readMistakes(QByteArrayView utf8) {
    // Letters of the Latin alphabet, as most notes are, are their own bytes.
    if (std::all_of(utf8.begin(), utf8.end(), [](char c) { return uchar(c) < 0x80; })) {
        const QVarLengthArray<uint, 64> letters(utf8.begin(), utf8.end());
        return readNotes(Letters(letters.constData(), size_t(letters.size())));
    }
    const QList<uint> letters = QString::fromUtf8(utf8).toUcs4();
    return readNotes(Letters(letters.constData(), size_t(letters.size())));
}

} // namespace History
