#pragma once

#include "progress/history.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// How one word's attempts have gone.
struct WordProgress {
    QString word;
    QList<Attempt> attempts; // oldest first
    Attempt best;            // the fastest, the earliest of equals
    // The average of the last 10 attempts (of all, when there are fewer).
    double recentAverage = 0.0;
    // The recent average less that of the up to 10 attempts before them:
    // below 0 is faster. Nothing until there are attempts before the last 10.
    std::optional<double> change;
};

struct AttemptTotals {
    int today = 0;
    int thisWeek = 0;
    int allTime = 0;
};

// Every word with a history, in the order of their first attempt.
QList<WordProgress> progressByWord(const QList<Attempt>& attempts);

// Attempts made on today's date and since the first day of today's week,
// both in local time.
AttemptTotals attemptTotals(const QList<Attempt>& attempts, QDate today, Qt::DayOfWeek firstDayOfWeek);
