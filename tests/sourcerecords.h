#pragma once

#include "recordtable.h"

#include <QStringList>

// A source as the Update Results window holds it: the listed words and the
// table behind them, written as records "word|time|date|name" (the last
// columns may be left out).
struct Source {
    QStringList words;
    SourceTable table;
};

inline Source source(const QStringList& records) {
    Source result;
    for (const QString& record : records) {
        const QStringList columns = record.split(u'|');
        const int slot = int(result.words.size());
        result.words << columns.value(0);
        result.table.Words[slot] = columns.value(0);
        result.table.FastestTime[slot] = columns.value(1);
        result.table.RecordDate[slot] = columns.value(2);
        result.table.RecordName[slot] = columns.value(3);
    }
    return result;
}

// The listed records back as "word|time|date|name".
inline QStringList records(const Source& source) {
    QStringList result;
    for (int i = 0; i < source.words.size() && RecordTable::isSlot(i); ++i) {
        const SourceTable& t = source.table;
        result << QStringList{t.Words[i], t.FastestTime[i], t.RecordDate[i], t.RecordName[i]}.join(u'|');
    }
    return result;
}
