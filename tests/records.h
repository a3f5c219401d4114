#pragma once

// Results-file lines written the short way, for the rule tests and the
// window harness alike.
#include <QByteArray>
#include <QStringList>

inline QByteArray crlf(const QStringList& lines) {
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

// Results-file lines from records "word time date name; word time..."
inline QStringList resultLines(const QString& records) {
    QStringList lines;
    for (const QString& record : records.split(u';', Qt::SkipEmptyParts)) {
        QStringList fields = record.split(u' ', Qt::SkipEmptyParts);
        lines << QStringLiteral(":::") + fields.takeFirst() << fields;
    }
    return lines;
}

// The pattern once for each number from 0, "%1" standing for the number.
inline QStringList numbered(int count, const QString& pattern) {
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts << pattern.arg(i);
    return texts;
}
