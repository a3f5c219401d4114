#include "database/wordrules.h"

#include "platform/ansitext.h"

#include <QCoreApplication>

WordProblem checkNewWord(const QString& word, const QStringList& listed) {
    if (word.isEmpty())
        return WordProblem::Empty;
    if (word.contains(u'\r') || word.contains(u'\n'))
        return WordProblem::LineBreak;
    if (listed.contains(word, Qt::CaseSensitive))
        return WordProblem::Duplicate;
    return WordProblem::None;
}

QString wordProblemMessage(WordProblem problem) {
    switch (problem) {
    case WordProblem::LineBreak:
        return QCoreApplication::translate("WordRules",
                                           "A word cannot contain a line break. Please enter the word on one line.");
    case WordProblem::None:
    case WordProblem::Empty:
    case WordProblem::Duplicate:
        break;
    }
    return QString();
}

QString storableName(const QString& name) {
    return AnsiText::toStorableLine(name);
}

bool addNewWord(WordTable& table, int count, const QString& word) {
    if (!RecordTable::isSlot(count))
        return false;
    table.Words[count] = word;
    table.FastestTime[count] = NoRecordTime;
    table.RecordDate[count] = NoRecordText;
    table.RecordName[count] = NoRecordText;
    return true;
}

void removeSlot(WordTable& table, int count, int k) {
    if (!RecordTable::isSlot(k))
        return;
    for (int i = k + 1; i < count && RecordTable::isSlot(i); ++i) {
        table.Words[i - 1] = table.Words[i];
        table.FastestTime[i - 1] = table.FastestTime[i];
        table.RecordDate[i - 1] = table.RecordDate[i];
        table.RecordName[i - 1] = table.RecordName[i];
    }
}
