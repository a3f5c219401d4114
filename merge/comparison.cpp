#include "merge/comparison.h"

#include "database/recordtime.h"

#include <algorithm>

TimeOrder CompareTimes(const QString& a, const QString& b) {
    const bool aHasNone = a == NoRecordTime;
    const bool bHasNone = b == NoRecordTime;
    if (aHasNone && bHasNone)
        return TimeOrder::Equal;
    if (aHasNone)
        return TimeOrder::Slower;
    if (bHasNone)
        return TimeOrder::Faster;

    const double first = leadingNumber(a);
    const double second = leadingNumber(b);
    if (first < second)
        return TimeOrder::Faster;
    if (first > second)
        return TimeOrder::Slower;
    return TimeOrder::Equal;
}

namespace {
CompareMark markOf(TimeOrder order) {
    switch (order) {
    case TimeOrder::Faster:
        return MarkFaster;
    case TimeOrder::Slower:
        return MarkSlower;
    case TimeOrder::Equal:
        break;
    }
    return MarkSimilar;
}
} // namespace

QList<CompareMark> markEntries(const QStringList& ownWords, const SourceTable& ownTable, const QStringList& otherWords,
                               const SourceTable& otherTable) {
    QList<CompareMark> marks;
    for (int i = 0; i < ownWords.size() && RecordTable::isSlot(i); ++i) {
        CompareMark mark = MarkNew;
        for (int j = 0; j < otherWords.size() && RecordTable::isSlot(j); ++j) {
            // Every entry is visited: the last match decides.
            if (otherWords[j] == ownWords[i])
                mark = markOf(CompareTimes(ownTable.FastestTime[i], otherTable.FastestTime[j]));
        }
        marks.append(mark);
    }
    return marks;
}

bool offersRecords(const QList<CompareMark>& source1Marks) {
    return std::any_of(source1Marks.begin(), source1Marks.end(),
                       [](CompareMark mark) { return mark == MarkFaster || mark == MarkNew; });
}
