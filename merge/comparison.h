#pragma once

#include "database/recordtable.h"

#include <QList>
#include <QString>
#include <QStringList>

// How a word's record compares with the same word in the other source, seen
// from the word's own list. The value is also the index of its picture.
enum CompareMark {
    MarkFaster = 1,
    MarkSimilar = 2,
    MarkNew = 3,
    MarkSlower = 4,
};

enum class TimeOrder {
    Faster,
    Equal,
    Slower,
};

// Orders the record times a and b of one word: "-" (no record yet) loses to
// any record, two "-" are equal, otherwise the smaller leading number wins.
TimeOrder CompareTimes(const QString& a, const QString& b);

// The mark of every entry of ownWords (entry i belongs to slot i of
// ownTable) against the entries of otherWords. A word that occurs more than
// once in the other list is compared with its last occurrence.
QList<CompareMark> markEntries(const QStringList& ownWords, const SourceTable& ownTable, const QStringList& otherWords,
                               const SourceTable& otherTable);

// True when Source 1 has something to give: a faster or a new word.
bool offersRecords(const QList<CompareMark>& source1Marks);
