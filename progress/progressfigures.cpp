#include "progress/progressfigures.h"

#include <QHash>

#include <algorithm>
#include <numeric>

namespace {

constexpr qsizetype Recent = 10;

double averageSeconds(QList<Attempt>::const_iterator first, QList<Attempt>::const_iterator last) {
    const double sum =
        std::accumulate(first, last, 0.0, [](double total, const Attempt& a) { return total + a.secondsValue; });
    return sum / double(last - first);
}

} // namespace

QList<WordProgress> progressByWord(const QList<Attempt>& attempts) {
    QList<WordProgress> words;
    QHash<QString, qsizetype> indexOfWord;
    for (const Attempt& attempt : attempts) {
        auto found = indexOfWord.constFind(attempt.word);
        if (found == indexOfWord.cend()) {
            found = indexOfWord.insert(attempt.word, words.size());
            words.append({attempt.word, {}, {}, 0.0, std::nullopt});
        }
        words[*found].attempts << attempt;
    }
    for (WordProgress& word : words) {
        // A clock put back or a file from another machine may list them out of order.
        std::stable_sort(word.attempts.begin(), word.attempts.end(),
                         [](const Attempt& a, const Attempt& b) { return a.when < b.when; });
        const auto first = word.attempts.cbegin();
        const auto last = word.attempts.cend();
        word.best = *std::min_element(
            first, last, [](const Attempt& a, const Attempt& b) { return a.secondsValue < b.secondsValue; });
        const auto recent = last - std::min(Recent, word.attempts.size());
        word.recentAverage = averageSeconds(recent, last);
        if (recent != first)
            word.change = word.recentAverage - averageSeconds(recent - std::min(Recent, recent - first), recent);
    }
    return words;
}

AttemptTotals attemptTotals(const QList<Attempt>& attempts, QDate today, Qt::DayOfWeek firstDayOfWeek) {
    // Local midnights as moments: turning every attempt into local time
    // instead would read the time zone once per attempt.
    const auto startOf = [](QDate date) { return QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch(); };
    const qint64 weekStart = startOf(today.addDays(-((today.dayOfWeek() - firstDayOfWeek + 7) % 7)));
    const qint64 todayStart = startOf(today);
    const qint64 tomorrowStart = startOf(today.addDays(1));
    AttemptTotals totals;
    totals.allTime = int(attempts.size());
    for (const Attempt& attempt : attempts) {
        const qint64 moment = attempt.when.toMSecsSinceEpoch();
        totals.today += moment >= todayStart && moment < tomorrowStart;
        totals.thisWeek += moment >= weekStart && moment < tomorrowStart;
    }
    return totals;
}
