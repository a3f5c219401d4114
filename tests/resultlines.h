#pragma once

#include "platform/ansitext.h"

#include <QByteArray>
#include <QStringList>

#include <algorithm>

// The lines as the program writes a new results file: one byte a letter, or
// UTF-8 when a letter is beyond the code page.
inline QByteArray crlf(const QStringList& lines) {
    const bool utf8 = !std::all_of(lines.begin(), lines.end(), AnsiText::canHold);
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += (utf8 ? line.toUtf8() : line.toLatin1()) + "\r\n";
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
