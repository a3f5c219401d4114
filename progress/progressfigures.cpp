#include "progress/progressfigures.h"

#include <QHash>

#include <algorithm>
#include <numeric>

namespace {

// The same finished word, read from two histories. Whether the mistakes were
// kept is left out: a line folded in from an earlier version's copy is
// written with the column. Within one history two alike lines are two
// attempts, of a short word finished twice in a second.
bool sameAttempt(const Attempt& a, const Attempt& b) {
    return a.history != b.history && a.when == b.when && a.word == b.word && a.seconds == b.seconds &&
           a.milliseconds == b.milliseconds && a.letters == b.letters && a.fixes == b.fixes && a.record == b.record &&
           a.mistakes == b.mistakes;
}

constexpr qsizetype Recent = 10;
// Below this a best time says more about the clock than the typist.
constexpr double ShortestBest = 0.1;

using AttemptIterator = QList<Attempt>::const_iterator;

double averageSeconds(AttemptIterator first, AttemptIterator last) {
    const double sum =
        std::accumulate(first, last, 0.0, [](double total, const Attempt& a) { return total + a.measuredSeconds(); });
    return sum / double(last - first);
}

// Wrong beginnings per attempt, among the attempts that kept them.
double mistakesPerAttempt(AttemptIterator first, AttemptIterator last) {
    qsizetype kept = 0;
    qsizetype mistakes = 0;
    for (auto attempt = first; attempt != last; ++attempt) {
        kept += attempt->mistakesKept;
        mistakes += attempt->mistakes.size();
    }
    return kept ? double(mistakes) / double(kept) : 0.0;
}

// Most often first, then by the order the key gives.
void sortByTimes(QList<MistakeCount>& counts, auto keyOf) {
    std::sort(counts.begin(), counts.end(), [keyOf](const MistakeCount& a, const MistakeCount& b) {
        return a.times != b.times ? a.times > b.times : keyOf(a.mistake) < keyOf(b.mistake);
    });
}

// Letters missed of equal times come in letter order.
std::pair<char32_t, char32_t> letters(const Mistake& m) {
    return {m.expected, m.typed};
}

// Visitors of every attempt in a list, or in a list of words.
auto eachOf(const QList<Attempt>& attempts) {
    return [&attempts](auto visit) {
        for (const Attempt& attempt : attempts)
            visit(attempt);
    };
}

auto eachOf(const QList<WordProgress>& words) {
    return [&words](auto visit) {
        for (const WordProgress& word : words) {
            for (const Attempt& attempt : word.attempts)
                visit(attempt);
        }
    };
}

AttemptTotals countTotals(auto eachAttempt, QDate today, Qt::DayOfWeek firstDayOfWeek) {
    // Local midnights as moments: turning every attempt into local time
    // instead would read the time zone once per attempt.
    const auto startOf = [](QDate date) { return QDateTime(date, QTime(0, 0)).toMSecsSinceEpoch(); };
    const qint64 weekStart = startOf(today.addDays(-((today.dayOfWeek() - firstDayOfWeek + 7) % 7)));
    const qint64 todayStart = startOf(today);
    const qint64 tomorrowStart = startOf(today.addDays(1));
    AttemptTotals totals;
    eachAttempt([&](const Attempt& attempt) {
        const qint64 moment = attempt.when.toMSecsSinceEpoch();
        ++totals.allTime;
        totals.today += moment >= todayStart && moment < tomorrowStart;
        totals.thisWeek += moment >= weekStart && moment < tomorrowStart;
    });
    return totals;
}

QList<MistakeCount> countLettersMissed(auto eachAttempt) {
    QHash<quint64, int> times;
    eachAttempt([&times](const Attempt& attempt) {
        for (const Mistake& mistake : attempt.mistakes)
            ++times[quint64(mistake.expected) << 32 | mistake.typed];
    });
    QList<MistakeCount> counts;
    counts.reserve(times.size());
    for (auto pair = times.cbegin(); pair != times.cend(); ++pair)
        counts.append({{0, char32_t(pair.key() >> 32), char32_t(pair.key() & 0xffffffffu)}, pair.value()});
    sortByTimes(counts, letters);
    return counts;
}

} // namespace

QList<WordProgress> progressByWord(const QList<Attempt>& attempts) {
    WordsByFirstAttempt words;
    for (const Attempt& attempt : attempts)
        words.add(Attempt(attempt));
    return std::move(words).words();
}

void WordsByFirstAttempt::add(Attempt&& attempt) {
    auto found = m_indexOfWord.constFind(attempt.word);
    if (found == m_indexOfWord.cend()) {
        found = m_indexOfWord.insert(attempt.word, m_words.size());
        m_words.append({attempt.word, {}, {}, 0.0, std::nullopt, 0.0});
    }
    m_words[*found].attempts << std::move(attempt);
}

QList<WordProgress> WordsByFirstAttempt::words() && {
    for (WordProgress& word : m_words)
        workOutFigures(word);
    return std::move(m_words);
}

void workOutFigures(WordProgress& word) {
    // A clock put back or a file from another machine may list them out of order.
    std::stable_sort(word.attempts.begin(), word.attempts.end(),
                     [](const Attempt& a, const Attempt& b) { return a.when < b.when; });
    // Two computers may both have folded in the same conflict copy: an
    // attempt is counted once, however many histories hold it.
    word.attempts.erase(std::unique(word.attempts.begin(), word.attempts.end(), sameAttempt), word.attempts.end());
    const auto first = word.attempts.cbegin();
    const auto last = word.attempts.cend();
    word.best = *std::min_element(
        first, last, [](const Attempt& a, const Attempt& b) { return a.measuredSeconds() < b.measuredSeconds(); });
    const auto recent = last - std::min(Recent, word.attempts.size());
    word.recentAverage = averageSeconds(recent, last);
    if (recent != first)
        word.change = word.recentAverage - averageSeconds(recent - std::min(Recent, recent - first), recent);
    const double best = word.best.measuredSeconds();
    word.need = (word.recentAverage - best) / std::max(best, ShortestBest) + mistakesPerAttempt(recent, last);
}

QList<qsizetype> byNeed(const QList<WordProgress>& words) {
    QList<qsizetype> order(words.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&words](qsizetype a, qsizetype b) {
        const WordProgress& x = words[a];
        const WordProgress& y = words[b];
        return x.need != y.need ? x.need > y.need : x.attempts.size() < y.attempts.size();
    });
    return order;
}

AttemptTotals attemptTotals(const QList<Attempt>& attempts, QDate today, Qt::DayOfWeek firstDayOfWeek) {
    return countTotals(eachOf(attempts), today, firstDayOfWeek);
}

AttemptTotals attemptTotals(const QList<WordProgress>& words, QDate today, Qt::DayOfWeek firstDayOfWeek) {
    return countTotals(eachOf(words), today, firstDayOfWeek);
}

QList<MistakeCount> mistakesByPosition(const WordProgress& word) {
    QList<MistakeCount> counts;
    for (const Attempt& attempt : word.attempts) {
        for (const Mistake& mistake : attempt.mistakes) {
            const auto found = std::find_if(counts.begin(), counts.end(), [&mistake](const MistakeCount& count) {
                return count.mistake.position == mistake.position;
            });
            if (found != counts.end())
                ++found->times;
            else
                counts.append({{mistake.position, mistake.expected, 0}, 1});
        }
    }
    sortByTimes(counts, [](const Mistake& m) { return m.position; });
    return counts;
}

QList<MistakeCount> lettersMissedMost(const QList<Attempt>& attempts) {
    return countLettersMissed(eachOf(attempts));
}

QList<MistakeCount> lettersMissedMost(const QList<WordProgress>& words) {
    return countLettersMissed(eachOf(words));
}

void addLettersMissed(QList<MistakeCount>& counts, const Attempt& attempt) {
    for (const Mistake& mistake : attempt.mistakes) {
        const auto found = std::find_if(counts.begin(), counts.end(), [&mistake](const MistakeCount& count) {
            return letters(count.mistake) == letters(mistake);
        });
        if (found != counts.end())
            ++found->times;
        else
            counts.append({{0, mistake.expected, mistake.typed}, 1});
    }
    sortByTimes(counts, letters);
}

QString timeText(const Attempt& attempt) {
    if (attempt.milliseconds == Attempt::NoMilliseconds)
        return attempt.seconds;
    // 9.996 s would show as "10.00".
    return QString::number(attempt.measuredSeconds(), 'f', attempt.milliseconds < 9995 ? 2 : 1);
}
