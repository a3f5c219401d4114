#pragma once

#include "progress/history.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// How one word's attempts have gone. Times are the most exact each line
// holds: milliseconds where it has them, the tenths otherwise.
struct WordProgress {
    QString word;
    QList<Attempt> attempts; // oldest first
    Attempt best;            // the fastest, the earliest of equals
    // The average of the last 10 attempts (of all, when there are fewer).
    double recentAverage = 0.0;
    // The recent average less that of the up to 10 attempts before them:
    // below 0 is faster. Nothing until there are attempts before the last 10.
    std::optional<double> change;
    // How much the word needs practice, 0 or more: how far the recent average
    // lies above the best, as a share of the best (of a tenth of a second at
    // least), plus the wrong beginnings per attempt among the last 10 that
    // kept them.
    double need = 0.0;
};

struct AttemptTotals {
    int today = 0;
    int thisWeek = 0;
    int allTime = 0;
};

// How often a letter went wrong: at one position of a word (typed 0), or as
// one letter typed for another over all words.
struct MistakeCount {
    Mistake mistake;
    int times = 0;

    friend bool operator==(const MistakeCount&, const MistakeCount&) = default;
};

// Every word with a history, in the order of their first attempt.
QList<WordProgress> progressByWord(const QList<Attempt>& attempts);

// The same, made one attempt at a time, so that a long history need not be
// held twice.
class WordsByFirstAttempt {
public:
    void add(Attempt&& attempt);
    // Every word, its figures worked out.
    QList<WordProgress> words() &&;

private:
    QList<WordProgress> m_words;
    QHash<QString, qsizetype> m_indexOfWord;
};

// Puts the word's attempts in time order and works out its figures anew.
void workOutFigures(WordProgress& word);

// The indexes of the words, the one that needs practice most first; of equal
// need the one with fewer attempts, then the one first practised.
QList<qsizetype> byNeed(const QList<WordProgress>& words);

// Attempts made on today's date and since the first day of today's week,
// both in local time.
AttemptTotals attemptTotals(const QList<Attempt>& attempts, QDate today, Qt::DayOfWeek firstDayOfWeek);
AttemptTotals attemptTotals(const QList<WordProgress>& words, QDate today, Qt::DayOfWeek firstDayOfWeek);

// The positions of the word that went wrong, most often first (the earlier
// position of equals), each with the letter the word has there.
QList<MistakeCount> mistakesByPosition(const WordProgress& word);

// Each letter typed for another over all attempts, most often first (in
// letter order among equals).
QList<MistakeCount> lettersMissedMost(const QList<Attempt>& attempts);
QList<MistakeCount> lettersMissedMost(const QList<WordProgress>& words);
// Adds one more attempt's letters to what lettersMissedMost gave, in its order.
void addLettersMissed(QList<MistakeCount>& counts, const Attempt& attempt);

// A time as Progress shows it: hundredths under ten seconds where the line
// holds milliseconds, the tenths kept otherwise.
QString timeText(const Attempt& attempt);
