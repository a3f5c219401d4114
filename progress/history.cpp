#include "progress/history.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

const QString Columns[] = {QStringLiteral("date"),    QStringLiteral("word"),  QStringLiteral("seconds"),
                           QStringLiteral("letters"), QStringLiteral("fixes"), QStringLiteral("record")};
constexpr int ColumnCount = 6;

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

bool isLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

// Whether a line starts at i with the date of an attempt ("2026-12-05T").
bool startsAttempt(const QString& text, qsizetype i) {
    static const QString shape = QStringLiteral("0000-00-00T");
    if (i + shape.size() > text.size())
        return false;
    for (qsizetype k = 0; k < shape.size(); ++k) {
        const QChar c = text.at(i + k);
        if (shape.at(k) == QLatin1Char('0') ? !c.isDigit() : c != shape.at(k))
            return false;
    }
    return true;
}

// Splits the text into records of fields by RFC 4180: a quoted field may hold
// commas, doubled quotes and line breaks. A line break ends a record whether
// it is CR LF or LF alone.
template <typename EachRecord> void forEachRecord(const QString& text, EachRecord eachRecord) {
    QStringList fields;
    QString field;
    bool inQuotes = false;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        // A line cut short inside a quoted word must not take the lines after
        // it along: a line break before an attempt's date ends it.
        if (inQuotes && isLineBreak(c)) {
            const qsizetype next =
                i + (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n') ? 2 : 1);
            inQuotes = !startsAttempt(text, next);
        }
        if (inQuotes) {
            if (c != QLatin1Char('"'))
                field += c;
            else if (i + 1 < size && text.at(i + 1) == QLatin1Char('"'))
                field += text.at(++i);
            else
                inQuotes = false;
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == QLatin1Char(',')) {
            fields << field;
            field.clear();
        } else if (isLineBreak(c)) {
            if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            fields << field;
            eachRecord(fields);
            fields.clear();
            field.clear();
        } else {
            field += c;
        }
    }
    // A last line without its line break was cut short unless it reads whole.
    if (!fields.isEmpty() || !field.isEmpty())
        eachRecord(fields << field);
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

bool readNumber(const QString& text, int* value) {
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= 0;
}

} // namespace

namespace History {

QByteArray headerLine() {
    return joined(QStringList(std::begin(Columns), std::end(Columns)));
}

QByteArray line(const Attempt& attempt) {
    return joined({isoDateTime(attempt.when), attempt.word, attempt.seconds, QString::number(attempt.letters),
                   QString::number(attempt.fixes), attempt.record ? QStringLiteral("1") : QStringLiteral("0")});
}

QList<Attempt> read(const QByteArray& bytes) {
    QList<Attempt> attempts;
    forEachRecord(QString::fromUtf8(bytes), [&attempts](const QStringList& fields) {
        if (fields.size() < ColumnCount)
            return;
        Attempt attempt;
        attempt.when = QDateTime::fromString(fields[0], Qt::ISODate);
        attempt.word = fields[1];
        attempt.seconds = fields[2];
        bool secondsRead = false;
        attempt.secondsValue = attempt.seconds.toDouble(&secondsRead);
        const QString& record = fields[5];
        // toDouble() also reads "nan" and "inf", which no attempt took.
        if (!attempt.when.isValid() || !secondsRead || !std::isfinite(attempt.secondsValue) ||
            attempt.secondsValue < 0 || !readNumber(fields[3], &attempt.letters) ||
            !readNumber(fields[4], &attempt.fixes) || (record != QLatin1String("0") && record != QLatin1String("1")))
            return;
        attempt.record = record == QLatin1String("1");
        attempts << attempt;
    });
    return attempts;
}

} // namespace History
