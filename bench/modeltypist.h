#pragma once

// A model typist for the drill: each word has a typical time per letter and
// a number of wrong letters per attempt; each attempt's time is drawn from a
// spread around the typical one and its wrong letters from their average.
#include "progress/history.h"
#include "progress/progressfigures.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <algorithm>
#include <functional>
#include <random>

struct ModelWord {
    QString word;
    double secondsPerLetter = 0.2;
    double mistakesPerAttempt = 0.1;
};

// The first day's forty words: most typed alike, three slow ones and two
// that often go wrong.
inline QList<ModelWord> firstDayWords() {
    static const char* const common[] = {"the",   "and",   "that",  "have",  "for",  "not",  "with",  "you",  "this",
                                         "but",   "his",   "from",  "they",  "say",  "her",  "she",   "will", "one",
                                         "all",   "would", "there", "their", "what", "out",  "about", "who",  "get",
                                         "which", "when",  "make",  "can",   "like", "time", "just",  "know"};
    QList<ModelWord> words;
    for (const char* word : common)
        words.append({QString::fromLatin1(word)});
    for (const char* slow : {"rhythm", "awkward", "queue"})
        words.append({QString::fromLatin1(slow), 0.35, 0.1});
    for (const char* wrong : {"necessary", "separate"})
        words.append({QString::fromLatin1(wrong), 0.2, 1.5});
    return words;
}

// The typist types the word once: an attempt as the main window keeps it.
class ModelTypist {
public:
    explicit ModelTypist(QList<ModelWord> words, unsigned randomStart = 21)
        : m_words(std::move(words))
        , m_random(randomStart) {}

    const QList<ModelWord>& words() const { return m_words; }
    QStringList listed() const {
        QStringList words;
        for (const ModelWord& word : m_words)
            words << word.word;
        return words;
    }

    // Types this many words, each the one the drill gives next; returns them
    // in the order typed.
    QStringList drill(int count) {
        ProgressFigures figures;
        QStringList drilled;
        for (int i = 0; i < count; ++i) {
            drilled << figures.nextToPractise(listed());
            figures.add(type(drilled.last()));
            figures.update();
        }
        return drilled;
    }

    Attempt type(const QString& word) {
        const auto model =
            std::find_if(m_words.cbegin(), m_words.cend(), [&word](const ModelWord& w) { return w.word == word; });
        std::normal_distribution<double> spread(1.0, 0.15);
        std::poisson_distribution<int> wrong(model->mistakesPerAttempt);
        const double seconds =
            model->secondsPerLetter * double(std::max<qsizetype>(1, word.size() - 1)) * std::max(0.5, spread(m_random));
        Attempt attempt;
        m_moment = m_moment.addSecs(5);
        attempt.when = m_moment;
        attempt.word = word;
        attempt.milliseconds = qint32(seconds * 1000.0);
        attempt.secondsValue = std::round(seconds * 10.0) / 10.0;
        attempt.seconds = QString::number(attempt.secondsValue);
        attempt.mistakesKept = true;
        for (int i = wrong(m_random); i > 0; --i)
            attempt.mistakes.append({qint32(1 + i % word.size()), word.at(i % word.size()).unicode(), U'x'});
        attempt.letters = int(word.size() + 2 * attempt.mistakes.size());
        return attempt;
    }

private:
    QList<ModelWord> m_words;
    std::mt19937 m_random;
    QDateTime m_moment{QDate(2026, 12, 7), QTime(19, 0), Qt::UTC};
};
