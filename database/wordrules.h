#pragma once

#include <QString>
#include <QStringList>

// Why a word cannot join the list, if it cannot.
enum class WordProblem {
    None,
    Empty,
    Duplicate,   // the list holds the same characters already
    LineBreak,   // a CR or LF would split its record in the file
    NotStorable, // a character the file's code page cannot hold
};

// Words are compared exactly: letter case counts and nothing is trimmed.
WordProblem checkNewWord(const QString& word, const QStringList& listed);

// The message for a refused word; empty for None, Empty and Duplicate, which
// are not reported.
QString wordProblemMessage(WordProblem problem);

// A record holder's name as it can be stored and shown alike.
QString storableName(const QString& name);
