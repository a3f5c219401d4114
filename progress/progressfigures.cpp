#include "progress/progressfigures.h"

#include <QLocale>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace {

constexpr qsizetype Recent = 10;
// The typist's good pace is one that a quarter of the latest attempts
// reached: a single lucky attempt does not set it.
constexpr qsizetype PacesKept = 100;
constexpr double GoodPaceShare = 0.25;

using AttemptIterator = QList<KeptAttempt>::const_iterator;

// Wrong beginnings per attempt, among the attempts that kept them.
double mistakesPerAttempt(AttemptIterator first, AttemptIterator last) {
    qsizetype kept = 0;
    qsizetype mistakes = 0;
    for (auto attempt = first; attempt != last; ++attempt) {
        if (attempt->mistakes != KeptAttempt::NotKept) {
            ++kept;
            mistakes += attempt->mistakes;
        }
    }
    return kept ? double(mistakes) / double(kept) : 0.0;
}

// The letters the clock times: it starts with the first.
qsizetype timedLetters(qsizetype wordLetters) {
    return std::max<qsizetype>(0, wordLetters - 1);
}

bool earlier(const KeptAttempt& a, const KeptAttempt& b) {
    return a.moment < b.moment;
}

// The sums of the word's attempts' milliseconds from the one at first on.
void sumFrom(WordProgress& word, qsizetype first) {
    word.summedMilliseconds.resize(first);
    qint64 sum = first > 0 ? word.summedMilliseconds[first - 1] : 0;
    for (qsizetype i = first; i < word.attempts.size(); ++i)
        word.summedMilliseconds.append(sum += word.attempts[i].milliseconds);
}

bool faster(const KeptAttempt& a, const KeptAttempt& b) {
    return a.milliseconds != b.milliseconds ? a.milliseconds < b.milliseconds : a.moment < b.moment;
}

// Counts one more time of a wrong letter whose count is now counted.times,
// in the list of the ones counted most often, which only changes when the
// letter counted joins it or moves up in it: counts only grow, so it moves
// up past the ones it now goes before.
template <typename Before, typename Same>
void countInList(QList<MistakeCount>& listed, const MistakeCount& counted, Before before, Same same) {
    auto found = std::find_if(listed.begin(), listed.end(),
                              [&](const MistakeCount& count) { return same(count.mistake, counted.mistake); });
    if (found != listed.end())
        found->times = counted.times;
    else if (listed.size() < ProgressFigures::MistakesListed)
        found = listed.insert(listed.end(), counted);
    else if (before(counted, listed.last()))
        *(found = listed.end() - 1) = counted;
    else
        return;
    for (; found != listed.begin() && before(*found, *(found - 1)); --found)
        std::iter_swap(found, found - 1);
}

bool beforeByPosition(const MistakeCount& a, const MistakeCount& b) {
    return a.times != b.times ? a.times > b.times : a.mistake.position < b.mistake.position;
}

std::pair<char32_t, char32_t> letters(const Mistake& m) {
    return {m.expected, m.typed};
}

bool beforeByLetters(const MistakeCount& a, const MistakeCount& b) {
    return a.times != b.times ? a.times > b.times : letters(a.mistake) < letters(b.mistake);
}

} // namespace

KeptAttempt KeptAttempt::of(const Attempt& attempt) {
    KeptAttempt kept;
    kept.moment = attempt.when.toMSecsSinceEpoch();
    kept.exact = attempt.milliseconds != Attempt::NoMilliseconds;
    // A time of weeks is kept as the longest the field holds.
    kept.milliseconds =
        kept.exact
            ? attempt.milliseconds
            : qint32(std::min(std::round(attempt.secondsValue * 1000.0), double(std::numeric_limits<qint32>::max())));
    kept.letters = attempt.letters;
    if (attempt.mistakesKept)
        kept.mistakes = qint32(std::min<qsizetype>(attempt.mistakes.size(), std::numeric_limits<qint32>::max()));
    return kept;
}

std::optional<double> Performance::lettersPerMinute() const {
    if (seconds <= 0.0)
        return std::nullopt;
    return double(timedLetters) * 60.0 / seconds;
}

std::optional<double> Performance::wordsPerMinute() const {
    const std::optional<double> letters = lettersPerMinute();
    return letters ? std::optional<double>(*letters / 5.0) : std::nullopt;
}

std::optional<double> Performance::accuracy() const {
    if (typed <= 0)
        return std::nullopt;
    return 1.0 - double(wrong) / double(typed);
}

Performance& Performance::operator+=(const Performance& other) {
    attempts += other.attempts;
    timedLetters += other.timedLetters;
    seconds += other.seconds;
    typed += other.typed;
    wrong += other.wrong;
    return *this;
}

Performance performanceOf(const KeptAttempt& attempt, qsizetype wordLetters) {
    Performance figures;
    figures.attempts = 1;
    if (timedLetters(wordLetters) > 0 && attempt.milliseconds > 0) {
        figures.timedLetters = timedLetters(wordLetters);
        figures.seconds = attempt.measuredSeconds();
    }
    if (attempt.mistakes != KeptAttempt::NotKept && attempt.letters > 0) {
        figures.typed = attempt.letters;
        figures.wrong = std::min(attempt.mistakes, attempt.letters);
    }
    return figures;
}

qsizetype lettersIn(const QString& word) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, word);
    qsizetype count = 0;
    while (finder.toNextBoundary() >= 0)
        ++count;
    return count;
}

double WordProgress::averageSeconds(qsizetype first, qsizetype last) const {
    const qint64 sum = summedMilliseconds[last - 1] - (first > 0 ? summedMilliseconds[first - 1] : 0);
    return double(sum) / 1000.0 / double(last - first);
}

const WordProgress* ProgressFigures::find(const QString& word) const {
    const qsizetype index = indexOf(word);
    return index < 0 ? nullptr : &m_words[index];
}

void ProgressFigures::add(const Attempt& attempt) {
    auto found = m_indexOfWord.find(attempt.word);
    if (found == m_indexOfWord.end()) {
        found = m_indexOfWord.emplace(attempt.word, m_words.size()).first;
        m_words.append(WordProgress());
        m_words.last().word = attempt.word;
        m_words.last().letters = lettersIn(attempt.word);
    }
    m_ranks.clear();
    WordProgress& word = m_words[found->second];
    const KeptAttempt kept = KeptAttempt::of(attempt);
    if (word.attempts.isEmpty() || faster(kept, word.best))
        word.best = kept;
    const bool late = !word.attempts.isEmpty() && earlier(kept, word.attempts.constLast());
    if (late && !word.changed) {
        // Dated before the latest, after the figures were worked out: put in
        // its place, after the ones of the same moment, as sorting would.
        const qsizetype place =
            std::upper_bound(word.attempts.cbegin(), word.attempts.cend(), kept, earlier) - word.attempts.cbegin();
        word.attempts.insert(place, kept);
        sumFrom(word, place);
    } else {
        // Attempts read out of order are put in order once, when all are read.
        word.inOrder = word.inOrder && !late;
        word.attempts.append(kept);
        if (word.inOrder)
            sumFrom(word, word.attempts.size() - 1);
    }
    word.lastAdded = m_added++;
    if (!word.changed) {
        word.changed = true;
        m_changed.append(found->second);
    }

    for (const Mistake& mistake : attempt.mistakes) {
        MistakeCount& atPosition = word.positions[mistake.position];
        atPosition.mistake = {mistake.position, mistake.expected, 0};
        ++atPosition.times;
        countInList(word.mistakesByPosition, atPosition, beforeByPosition,
                    [](const Mistake& a, const Mistake& b) { return a.position == b.position; });
        MistakeCount& ofLetters = m_letterCounts[quint64(mistake.expected) << 32 | mistake.typed];
        ofLetters.mistake = {0, mistake.expected, mistake.typed};
        ++ofLetters.times;
        countInList(m_lettersMissed, ofLetters, beforeByLetters,
                    [](const Mistake& a, const Mistake& b) { return letters(a) == letters(b); });
    }

    m_days[localDate(kept.moment)] += performanceOf(kept, word.letters);
    m_latestWords.append(attempt.word);
    if (m_latestWords.size() > InARow)
        m_latestWords.removeFirst();
    if (timedLetters(word.letters) > 0) {
        m_latestPaces.append(kept.measuredSeconds() / double(timedLetters(word.letters)));
        if (m_latestPaces.size() > PacesKept)
            m_latestPaces.removeFirst();
    }
}

void ProgressFigures::update() {
    m_ranks.clear();
    for (qsizetype index : std::as_const(m_changed))
        workOutFigures(m_words[index]);
    m_changed.clear();

    if (m_latestPaces.isEmpty()) {
        m_goodPace = 0.0;
    } else {
        QList<double> paces = m_latestPaces;
        const auto good = paces.begin() + qsizetype(double(paces.size() - 1) * GoodPaceShare);
        std::nth_element(paces.begin(), good, paces.end());
        m_goodPace = *good;
    }
    for (WordProgress& word : m_words) {
        const qsizetype timed = timedLetters(word.letters);
        const double slowness =
            timed > 0 && m_goodPace > 0.0 ? word.recentAverage / double(timed) / m_goodPace - 1.0 : 0.0;
        word.need = std::max(0.0, slowness) + word.recentMistakes;
    }
}

void ProgressFigures::workOutFigures(WordProgress& word) {
    word.changed = false;
    if (!word.inOrder) {
        // A clock put back or a file from another machine may list them out of order.
        std::stable_sort(word.attempts.begin(), word.attempts.end(), earlier);
        word.best = *std::min_element(word.attempts.cbegin(), word.attempts.cend(), faster);
        sumFrom(word, 0);
        word.inOrder = true;
    }
    const qsizetype count = word.attempts.size();
    const qsizetype recent = count - std::min(Recent, count);
    word.recentAverage = word.averageSeconds(recent, count);
    // The last 10 are compared with 10 before them, never with fewer.
    word.change.reset();
    if (recent >= Recent)
        word.change = word.recentAverage - word.averageSeconds(recent - Recent, recent);
    word.recentMistakes = mistakesPerAttempt(word.attempts.cbegin() + recent, word.attempts.cend());
}

double ProgressFigures::priority(const WordProgress& word) const {
    const auto waited = double(m_added - 1 - word.lastAdded);
    return (1.0 + word.need) * (waited + 1.0);
}

QList<qsizetype> ProgressFigures::practiceOrder() const {
    QList<double> priorities(m_words.size());
    for (qsizetype i = 0; i < m_words.size(); ++i)
        priorities[i] = priority(m_words[i]);
    QList<qsizetype> order(m_words.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this, &priorities](qsizetype a, qsizetype b) {
        return priorities[a] != priorities[b] ? priorities[a] > priorities[b]
                                              : m_words[a].attempts.size() < m_words[b].attempts.size();
    });
    return order;
}

int ProgressFigures::practiceRank(qsizetype word) const {
    if (m_ranks.size() != m_words.size()) {
        const QList<qsizetype> order = practiceOrder();
        m_ranks.resize(order.size());
        for (qsizetype place = 0; place < order.size(); ++place)
            m_ranks[order[place]] = int(place + 1);
    }
    return m_ranks.value(word);
}

QString ProgressFigures::nextToPractise(const QStringList& listed) const {
    // The word given three times in a row rests while another is listed.
    const bool rested = m_latestWords.size() == InARow &&
                        std::all_of(m_latestWords.cbegin(), m_latestWords.cend(),
                                    [this](const QString& word) { return word == m_latestWords.first(); });
    const QString resting = rested ? m_latestWords.first() : QString();
    const auto pick = [&resting](const QString& word) { return !word.isEmpty() && word != resting; };
    for (const QString& word : listed) {
        if (pick(word) && indexOf(word) < 0)
            return word;
    }
    QString next;
    double highest = -1.0;
    for (const QString& word : listed) {
        const qsizetype index = indexOf(word);
        if (index < 0 || !pick(word))
            continue;
        const double wordPriority = priority(m_words[index]);
        if (wordPriority > highest ||
            (wordPriority == highest && m_words[index].attempts.size() < find(next)->attempts.size())) {
            highest = wordPriority;
            next = word;
        }
    }
    // The only word listed is given again.
    return next.isEmpty() && listed.contains(resting) ? resting : next;
}

Performance ProgressFigures::over(QDate first, QDate last) const {
    Performance sum;
    for (auto day = m_days.lowerBound(first); day != m_days.cend() && day.key() <= last; ++day)
        sum += day.value();
    return sum;
}

AttemptTotals ProgressFigures::totals(QDate today, Qt::DayOfWeek firstDayOfWeek) const {
    const QDate weekStart = today.addDays(-((today.dayOfWeek() - firstDayOfWeek + 7) % 7));
    return {m_days.value(today).attempts, over(weekStart, today).attempts, int(m_added)};
}

QDate ProgressFigures::localDate(qint64 moment) {
    // Attempts come mostly in order, so the day of the one before is looked
    // up first: turning every attempt into local time would read the time
    // zone once per attempt.
    if (!m_day.isValid() || moment < m_dayStart || moment >= m_dayEnd) {
        m_day = QDateTime::fromMSecsSinceEpoch(moment, Qt::LocalTime).date();
        m_dayStart = QDateTime(m_day, QTime(0, 0)).toMSecsSinceEpoch();
        m_dayEnd = QDateTime(m_day.addDays(1), QTime(0, 0)).toMSecsSinceEpoch();
    }
    return m_day;
}

QString timeText(const KeptAttempt& attempt) {
    if (!attempt.exact)
        return QString::number(attempt.measuredSeconds(), 'g', QLocale::FloatingPointShortest);
    // 9.996 s would show as "10.00".
    return QString::number(attempt.measuredSeconds(), 'f', attempt.milliseconds < 9995 ? 2 : 1);
}
