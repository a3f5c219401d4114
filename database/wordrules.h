#pragma once

#include "database/recordtable.h"

#include <QString>
#include <QStringList>

// Why a word cannot join the list, if it cannot.
enum class WordProblem {
    None,
    Empty,
    Duplicate, // the list holds the same characters already
    LineBreak, // a CR or LF would split its record in the file
};

// Words are compared exactly: letter case counts and nothing is trimmed.
WordProblem checkNewWord(const QString& word, const QStringList& listed);

// The message for a refused word; empty for None, Empty and Duplicate, which
// are not reported. Letters of every script are welcome: a list that the
// code page cannot hold is saved as UTF-8.
QString wordProblemMessage(WordProblem problem);

// A record holder's name as it can be stored and shown alike: every letter
// kept, on one line.
QString storableName(const QString& name);

// Puts a new word without a record into the slot after the count listed
// words; false when no slot is left.
bool addNewWord(WordTable& table, int count, const QString& word);

// Moves the words after slot k up by one, closing its gap among the count
// listed words.
void removeSlot(WordTable& table, int count, int k);
