#pragma once

#include "database/recordtable.h"

#include <QString>
#include <QStringList>

struct MergeOutcome {
    int updated = 0;
    int added = 0;
    // Words of Source 1 that Source 2 lacks but has no free slot for, each
    // once.
    QStringList notAdded;
};

// Gives Source 2 every faster record and every missing word of Source 1.
// Entry i of a word list belongs to slot i of its table. A word found in
// Source 2 is compared with its first occurrence there and takes Source 1's
// record only when that is faster; a missing word goes into the slot after
// Source 2's last one and is appended to source2Words, so that later entries
// of Source 1 find it too. Slots beyond the last one are never written.
MergeOutcome mergeSources(const QStringList& source1Words, const SourceTable& source1Table, QStringList& source2Words,
                          SourceTable& source2Table);

// The closing message of a merge: "Done!", the counts of updated and added
// words, and how many were left out for want of room, if any.
QString mergeReport(const MergeOutcome& outcome);
