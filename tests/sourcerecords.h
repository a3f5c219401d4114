#pragma once

#include <QStringList>

// Results-file lines from records "word time date name; word time..."
inline QStringList resultLines(const QString& records) {
    QStringList lines;
    for (const QString& record : records.split(u';', Qt::SkipEmptyParts)) {
        QStringList fields = record.split(u' ', Qt::SkipEmptyParts);
        lines << QStringLiteral(":::") + fields.takeFirst() << fields;
    }
    return lines;
}
