// history.csv read the way the Progress window reads it: every attempt read keeps the reader's promises, the figures
// account for each of them, and an attempt written again reads back the same.
#include "progress/history.h"
#include "progress/progressfigures.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

bool sameAttempt(const Attempt& a, const Attempt& b) {
    return a.word == b.word && a.seconds == b.seconds && a.letters == b.letters && a.fixes == b.fixes &&
           a.record == b.record && a.milliseconds == b.milliseconds && a.mistakes == b.mistakes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QList<Attempt> attempts = History::read(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    qsizetype counted = 0;
    for (const WordProgress& word : progressByWord(attempts)) {
        counted += word.attempts.size();
        check(!word.attempts.isEmpty() && !std::isnan(word.recentAverage), "a word without an average");
        for (const Attempt& attempt : word.attempts)
            check(attempt.word == word.word && word.best.measuredSeconds() <= attempt.measuredSeconds(),
                  "a faster attempt");
    }
    check(counted == attempts.size(), "attempts lost or counted twice");
    const AttemptTotals totals = attemptTotals(attempts, QDate(2026, 12, 7), Qt::Monday);
    check(totals.today <= totals.thisWeek && totals.thisWeek <= totals.allTime && totals.allTime == counted,
          "totals out of order");

    for (const Attempt& attempt : attempts) {
        check(attempt.when.isValid() && attempt.secondsValue >= 0 && attempt.letters >= 0 && attempt.fixes >= 0,
              "an attempt the reader should have skipped");
        // A word holds no line break; the reader keeps words whole across a break only as far as it can tell.
        static const QRegularExpression lineBreak(QStringLiteral("[\r\n]"));
        if (attempt.word.contains(lineBreak) || attempt.seconds.contains(lineBreak))
            continue;
        const QList<Attempt> again = History::read(History::headerLine() + History::line(attempt));
        check(again.size() == 1 && sameAttempt(again.first(), attempt), "an attempt written again reads otherwise");
    }
    return 0;
}
