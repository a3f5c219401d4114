#include "merge/sourcemerge.h"

#include "merge/comparison.h"

#include <QCoreApplication>

namespace {
void copyRecord(const SourceTable& from, int fromSlot, SourceTable& to, int toSlot) {
    to.RecordDate[toSlot] = from.RecordDate[fromSlot];
    to.FastestTime[toSlot] = from.FastestTime[fromSlot];
    to.RecordName[toSlot] = from.RecordName[fromSlot];
}
} // namespace

MergeOutcome mergeSources(const QStringList& source1Words, const SourceTable& source1Table, QStringList& source2Words,
                          SourceTable& source2Table) {
    MergeOutcome outcome;
    for (int i = 0; i < source1Words.size() && RecordTable::isSlot(i); ++i) {
        const QString& word = source1Words[i];
        const int j = int(source2Words.indexOf(word));
        if (j >= 0) {
            if (RecordTable::isSlot(j) &&
                CompareTimes(source1Table.FastestTime[i], source2Table.FastestTime[j]) == TimeOrder::Faster) {
                copyRecord(source1Table, i, source2Table, j);
                ++outcome.updated;
            }
            continue;
        }

        const int n = int(source2Words.size());
        if (!RecordTable::isSlot(n)) {
            if (!outcome.notAdded.contains(word))
                outcome.notAdded.append(word);
            continue;
        }
        copyRecord(source1Table, i, source2Table, n);
        source2Table.Words[n] = word;
        source2Words.append(word);
        ++outcome.added;
    }
    return outcome;
}

QString mergeReport(const MergeOutcome& outcome) {
    QString text = QCoreApplication::translate("SourceMerge", "Done!") + QStringLiteral("\r\n\r\n") +
                   QCoreApplication::translate("SourceMerge", "Updated: %1").arg(outcome.updated) +
                   QStringLiteral("\r\n") + QCoreApplication::translate("SourceMerge", "Added: %1").arg(outcome.added);
    if (!outcome.notAdded.isEmpty())
        text += QStringLiteral("\r\n") +
                QCoreApplication::translate("SourceMerge", "Not added (no room): %1").arg(outcome.notAdded.size());
    return text;
}
