#pragma once

#include "progress/history.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>
#include <string_view>
#include <unordered_map>

// One finished word as Progress keeps it: a fifth of the memory of a line
// read, so that a million of them fit in a few tens of megabytes.
struct KeptAttempt {
    static constexpr qint32 NotKept = -1;

    qint64 moment = 0;       // milliseconds since 1970 in UTC
    qint32 milliseconds = 0; // the time, from the tenths on lines that kept no milliseconds
    qint32 letters = 0;      // the letters typed, corrections included
    qint32 mistakes = NotKept;
    bool exact = false; // the milliseconds were measured

    static KeptAttempt of(const Attempt& attempt);
    double measuredSeconds() const { return milliseconds / 1000.0; }
    // In UTC, as history.csv was read.
    QDateTime when() const { return QDateTime::fromMSecsSinceEpoch(moment, Qt::UTC); }
};

// How fast and how well: of one attempt, or summed over a day or more.
// Speed counts the letters after each word's first, as the clock starts
// with the first letter; accuracy is the share of the letters typed that did
// not turn the text wrong.
struct Performance {
    int attempts = 0;
    qint64 timedLetters = 0;
    double seconds = 0.0;
    qint64 typed = 0; // of the attempts that kept their wrong letters
    qint64 wrong = 0;

    std::optional<double> lettersPerMinute() const;
    // At five letters a word.
    std::optional<double> wordsPerMinute() const;
    std::optional<double> accuracy() const;
    Performance& operator+=(const Performance& other);
};

// The attempt's figures, of a word of so many letters.
Performance performanceOf(const KeptAttempt& attempt, qsizetype wordLetters);

// Letters as a reader counts them: an accented letter made of two code
// points is one.
qsizetype lettersIn(const QString& word);

// How often a letter went wrong: at one position of a word (typed 0), or as
// one letter typed for another over all words.
struct MistakeCount {
    Mistake mistake;
    int times = 0;

    friend bool operator==(const MistakeCount&, const MistakeCount&) = default;
};

// How one word's attempts have gone. Times are the most exact each line
// holds: milliseconds where it has them, the tenths otherwise.
struct WordProgress {
    QString word;
    qsizetype letters = 0;
    QList<KeptAttempt> attempts; // oldest first
    // The milliseconds of the attempts summed up to each one, so that the
    // average of any run of them is one subtraction away.
    QList<qint64> summedMilliseconds;
    KeptAttempt best; // the fastest, the earliest of equals
    // The average of the last 10 attempts (of all, when there are fewer).
    double recentAverage = 0.0;
    // The recent average less that of the up to 10 attempts before them:
    // below 0 is faster. Nothing until there are attempts before the last 10.
    std::optional<double> change;
    // How much the word needs practice, 0 or more: how much slower a letter
    // of it has been of late than the typist's good pace over all words, as
    // a share of that pace, plus its wrong letters per attempt of late.
    double need = 0.0;
    // The positions that went wrong, most often first, ten at most.
    QList<MistakeCount> mistakesByPosition;

    // The average time of the attempts from first up to, not including, last.
    double averageSeconds(qsizetype first, qsizetype last) const;

    // The figures' own bookkeeping.
    qint64 lastAdded = -1; // the place of its latest attempt among all added
    double recentMistakes = 0.0;
    QHash<qint32, MistakeCount> positions;
    bool inOrder = true;
    bool changed = false;
};

struct AttemptTotals {
    int today = 0;
    int thisWeek = 0;
    int allTime = 0;
};

// The figures of the whole history, kept up to date one finished word at a
// time at a cost that does not grow with the history: a word's attempts are
// put in order and summed up only when they change, and the wrong letters
// are counted as they come.
class ProgressFigures {
public:
    // The most wrong letters listed.
    static constexpr qsizetype MistakesListed = 10;
    // The drill gives a word at most this many times in a row.
    static constexpr int InARow = 3;

    // Adds an attempt, in any order of time; its word's figures are worked
    // out by update().
    void add(const Attempt& attempt);
    // Works out the figures of the words added to since the last time, and
    // every word's need.
    void update();

    const QList<WordProgress>& words() const { return m_words; }
    const WordProgress* find(const QString& word) const;
    qsizetype indexOf(const QString& word) const {
        const auto found = m_indexOfWord.find(word);
        return found == m_indexOfWord.end() ? -1 : found->second;
    }
    // Each letter typed for another over all words, most often first (in
    // letter order among equals), ten at most.
    const QList<MistakeCount>& lettersMissedMost() const { return m_lettersMissed; }

    // Each local day's figures.
    const QMap<QDate, Performance>& days() const { return m_days; }
    // The days from first to last, both included.
    Performance over(QDate first, QDate last) const;
    // Attempts made on today's date and since the first day of today's week.
    AttemptTotals totals(QDate today, Qt::DayOfWeek firstDayOfWeek) const;

    // The words with a history, the one to practise next first: how much
    // each needs practice, and how many attempts at other words it waited.
    QList<qsizetype> practiceOrder() const;
    // The word's place in that order, from 1. One finished word moves every
    // word's place: they are worked out when first asked for after it.
    int practiceRank(qsizetype word) const;
    // Of the listed words, the one to practise next: a word never typed
    // first, then by practiceOrder(); never a fourth time in a row while
    // another is listed. Empty when nothing is listed.
    QString nextToPractise(const QStringList& listed) const;

private:
    // Where a word's place in the practice order comes from.
    double priority(const WordProgress& word) const;
    void workOutFigures(WordProgress& word);
    QDate localDate(qint64 moment);

    QList<WordProgress> m_words;
    // Looked up for every line read: the standard library's hash of the
    // letters takes a fraction of the time of Qt's.
    struct WordHash {
        size_t operator()(const QString& word) const {
            return std::hash<std::u16string_view>()(
                std::u16string_view(reinterpret_cast<const char16_t*>(word.constData()), size_t(word.size())));
        }
    };
    std::unordered_map<QString, qsizetype, WordHash> m_indexOfWord;
    QList<qsizetype> m_changed;
    qint64 m_added = 0;
    // The words of the latest attempts, the latest last.
    QStringList m_latestWords;
    // The seconds per letter of the latest attempts, of words of two letters
    // or more, the latest last.
    QList<double> m_latestPaces;
    double m_goodPace = 0.0;
    QHash<quint64, MistakeCount> m_letterCounts;
    QList<MistakeCount> m_lettersMissed;
    QMap<QDate, Performance> m_days;
    mutable QList<int> m_ranks; // each word's practice rank, once worked out
    // The local day last looked up, as a span of moments.
    QDate m_day;
    qint64 m_dayStart = 0;
    qint64 m_dayEnd = 0;
};

// A time as Progress shows it: hundredths under ten seconds where the line
// holds milliseconds, the tenths kept otherwise.
QString timeText(const KeptAttempt& attempt);
