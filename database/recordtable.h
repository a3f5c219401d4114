#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>

// Four parallel columns of texts, one slot per word, as the results file
// holds them. The table keeps no count: whoever lists the words knows how
// many slots are in use.
struct RecordTable {
    static constexpr int Slots = 101;
    static constexpr int LastSlot = Slots - 1;

    std::array<QString, Slots> Words;
    std::array<QString, Slots> FastestTime;
    std::array<QString, Slots> RecordDate;
    std::array<QString, Slots> RecordName;

    static constexpr bool isSlot(int index) { return index >= 0 && index <= LastSlot; }
};

// The main window's words and records.
using WordTable = RecordTable;
// One source file of the Update Results window.
using SourceTable = RecordTable;

// The caption of a word count label.
inline QString wordCountCaption(int count) {
    return QCoreApplication::translate("RecordTable", "Words in database: %n", nullptr, count);
}

// The texts a newly added word starts with.
inline const QString NoRecordTime = QStringLiteral("-");
inline const QString NoRecordText = QStringLiteral("na");
